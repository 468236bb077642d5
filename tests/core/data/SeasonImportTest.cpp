#include <gtest/gtest.h>

#include <random>

#include "core/data/MemberRecord.h"
#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "support/TempDir.h"

namespace gm {
namespace {

const std::string kHeader =
    "schedule_date,schedule_season,schedule_week,schedule_playoff,team_home,score_home,score_away,team_away,"
    "team_favorite_id,spread_favorite,over_under_line,stadium,stadium_neutral,weather_temperature,"
    "weather_wind_mph,weather_humidity,weather_detail\n";

std::string RealResults() {
    return test::ReadFile(test::SharedData() / "nfl-scores-1995-1997.csv");
}

int GamesInWeek(const SeasonGrid& g, int week) {
    int n = 0;
    for (int s = 0; s < kSlots; ++s) n += g[week - 1][s].HasGame();
    return n;
}

TEST(SeasonImport, RealSeasonsPlaceEveryGame) {
    const std::string csv = RealResults();
    struct Expect {
        int Season;
        std::vector<int> Weeks;  // games in weeks 1 to 21
    };
    const Expect cases[] = {
        {1995, {15, 15, 15, 12, 13, 13, 13, 13, 13, 14, 14, 15, 15, 15, 15, 15, 15, 4, 4, 2, 1}},
        {1996, {15, 15, 13, 13, 13, 12, 13, 13, 14, 14, 15, 15, 15, 15, 15, 15, 15, 4, 4, 2, 1}},
        {1997, {15, 15, 13, 13, 13, 13, 12, 13, 14, 14, 15, 15, 15, 15, 15, 15, 15, 4, 4, 2, 1}},
    };
    for (const Expect& e : cases) {
        const SeasonImport r = ImportSeasonCsv(csv, e.Season);
        ASSERT_TRUE(r.Problems.empty()) << e.Season << ": line " << r.Problems[0].Line << " " << r.Problems[0].Reason;
        EXPECT_EQ(r.GamesPlaced, 251) << e.Season;
        for (int w = 1; w <= kWeeks; ++w) EXPECT_EQ(GamesInWeek(r.Games, w), e.Weeks[w - 1]) << e.Season << " week " << w;
        // The latest game of every week sits in the Monday-night slot.
        for (int w = 0; w < kWeeks; ++w) EXPECT_TRUE(r.Games[w][kMondaySlot].HasGame()) << e.Season << " week " << w + 1;
    }
}

TEST(SeasonImport, Known1997Results) {
    const std::string csv = RealResults();
    const SeasonImport r = ImportSeasonCsv(csv, 1997);
    ASSERT_TRUE(r.Problems.empty());

    // Week 1, Monday night: Chicago at Green Bay, 24-38, Green Bay giving 14.
    const GameRecord& mnf = r.Games[0][kMondaySlot];
    EXPECT_EQ(mnf.HomeTeam, 11);
    EXPECT_EQ(mnf.AwayTeam, 6);
    EXPECT_EQ(mnf.HomeScore, 38);
    EXPECT_EQ(mnf.AwayScore, 24);
    EXPECT_EQ(mnf.WinTeam, 11);
    EXPECT_EQ(mnf.LoseTeam, 6);
    EXPECT_EQ(mnf.AwaySpread, 14.0f);  // a home favourite credits the visitor
    EXPECT_EQ(mnf.HomeSpread, 0.0f);
    EXPECT_EQ(mnf.HomeConference, 2);
    EXPECT_EQ(mnf.HomeDivision, 2);
    EXPECT_EQ(mnf.SpreadWinTeam, 0);

    // Week 1, first game of the file: Jacksonville (favoured by 3) at Baltimore, 28-27.
    const GameRecord& first = r.Games[0][0];
    EXPECT_EQ(first.HomeTeam, 3);
    EXPECT_EQ(first.AwayTeam, 14);
    EXPECT_EQ(first.HomeSpread, 3.0f);
    EXPECT_EQ(first.WinTeam, 14);
    EXPECT_EQ(first.WinScore, 28);
    EXPECT_EQ(first.LoseScore, 27);

    // Oakland at Tennessee; the favourite's id is written the later way ("LVR").
    const GameRecord& oak = r.Games[0][13];
    EXPECT_EQ(oak.HomeTeam, 12);
    EXPECT_EQ(oak.AwayTeam, 22);
    EXPECT_EQ(oak.HomeSpread, 3.0f);

    // Super Bowl: Denver beat Green Bay 31-24.
    const GameRecord& sb = r.Games[20][kMondaySlot];
    EXPECT_EQ(sb.WinTeam, 9);
    EXPECT_EQ(sb.LoseTeam, 11);
    EXPECT_EQ(sb.WinScore, 31);
    EXPECT_EQ(GamesInWeek(r.Games, 21), 1);
}

TEST(SeasonImport, OldTeamNamesMapToTheirNumbers) {
    const std::string csv = kHeader +
                            "9/3/1995,1995,1,FALSE,Cleveland Browns,14,17,Houston Oilers,CLE,-2.5,,,,,,,\n"
                            "9/3/1995,1995,1,FALSE,Oakland Raiders,20,20,St. Louis Rams,PICK,0,,,,,,,\n";
    const SeasonImport r = ImportSeasonCsv(csv, 1995);
    ASSERT_TRUE(r.Problems.empty());
    EXPECT_EQ(r.Games[0][0].HomeTeam, 3);
    EXPECT_EQ(r.Games[0][0].AwayTeam, 12);
    EXPECT_EQ(r.Games[0][0].AwaySpread, 2.5f);
    const GameRecord& tie = r.Games[0][kMondaySlot];
    EXPECT_EQ(tie.WinTeam, 0);
    EXPECT_EQ(tie.WinScore, 20);
    EXPECT_EQ(tie.HomeSpread + tie.AwaySpread, 0.0f);
}

TEST(SeasonImport, RowsThatCannotBePlacedAreReportedByLine) {
    std::string sixteen = kHeader;
    const char* teams[] = {"Arizona Cardinals", "Atlanta Falcons", "Baltimore Ravens", "Buffalo Bills",
                           "Carolina Panthers", "Chicago Bears", "Cincinnati Bengals", "Dallas Cowboys",
                           "Denver Broncos", "Detroit Lions", "Green Bay Packers", "Tennessee Oilers",
                           "Indianapolis Colts", "Jacksonville Jaguars", "Kansas City Chiefs", "Miami Dolphins",
                           "Minnesota Vikings", "New England Patriots", "New Orleans Saints", "New York Giants",
                           "New York Jets", "Oakland Raiders", "Philadelphia Eagles", "Pittsburgh Steelers",
                           "San Diego Chargers", "San Francisco 49ers", "Seattle Seahawks", "St. Louis Rams",
                           "Tampa Bay Buccaneers", "Washington Redskins", "Arizona Cardinals", "Atlanta Falcons"};
    for (int i = 0; i < 16; ++i)
        sixteen += std::string("9/7/1997,1997,2,FALSE,") + teams[2 * i] + ",1,0," + teams[2 * i + 1] + ",PICK,0,,,,,,,\n";
    const struct {
        std::string Csv;
        int Line;
        std::string Says;
    } cases[] = {
        {kHeader + "9/7/1997,1997,2,FALSE,Gotham Knights,1,0,Miami Dolphins,PICK,0,,,,,,,\n", 2, "unknown team"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,XYZ,-3,,,,,,,\n", 2, "favourite id"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,MIA,-3.25,,,,,,,\n", 2, "bad line"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,x,0,Buffalo Bills,MIA,-3,,,,,,,\n", 2, "bad score"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,100,0,Buffalo Bills,MIA,-3,,,,,,,\n", 2, "bad score"},
        {kHeader + "9/7/1997,1997,Preseason,FALSE,Miami Dolphins,1,0,Buffalo Bills,MIA,-3,,,,,,,\n", 2, "unknown week"},
        {kHeader + "someday,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,MIA,-3,,,,,,,\n", 2, "bad date"},
        {kHeader + "9/7/99999999999999,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,MIA,-3,,,,,,,\n", 2, "bad date"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,,7,Buffalo Bills,MIA,-3,,,,,,,\n", 2, "bad score"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,PICK,-3,,,,,,,\n", 2, "without a favourite"},
        {kHeader + "9/7/1997,1997,2,FALSE,Miami Dolphins,1,0,Buffalo Bills,,-2.5,,,,,,,\n", 2, "without a favourite"},
        {sixteen, 17, "16th game"},
        {"a,b,c\n", 1, "unknown header"},
    };
    for (const auto& c : cases) {
        const SeasonImport r = ImportSeasonCsv(c.Csv, 1997);
        ASSERT_EQ(r.Problems.size(), 1u) << c.Says;
        EXPECT_EQ(r.Problems[0].Line, c.Line) << c.Says;
        EXPECT_NE(r.Problems[0].Reason.find(c.Says), std::string::npos) << r.Problems[0].Reason;
    }
}

TEST(SeasonExport, ExportThenImportGivesTheSameBytes) {
    SeasonGrid games{};
    games[0][0] = {.HomeTeam = 11, .AwayTeam = 6, .HomeScore = 38, .AwayScore = 24};
    ApplyResult(games[0][0]);
    games[0][0].AwaySpread = 14.5f;
    games[4][14] = {.HomeTeam = 200, .AwayTeam = 0, .Spare = 7};  // odd bytes must survive too
    games[4][14].HomeSpread = 0.1f;
    games[9][3].SpreadWinTeam = kNotYetPlayed;
    const std::string csv = ExportSeasonCsv(games);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "week,slot,HomeTeam,AwayTeam,HomeScore,AwayScore,WinScore,LoseScore,HomeSpread,AwaySpread,WinTeam,"
              "LoseTeam,SpreadWinTeam,SpreadLoseTeam,AwayConference,HomeConference,AwayDivision,HomeDivision,Spare");
    EXPECT_NE(csv.find("\n1,0,11,6,38,24,38,24,0,14.5,11,6,0,0,0,0,0,0,0\n"), std::string::npos);
    const SeasonImport back = ImportSeasonCsv(csv, 1997);
    ASSERT_TRUE(back.Problems.empty());
    EXPECT_EQ(EncodeSeason(back.Games), EncodeSeason(games));
}

TEST(SeasonImport, DamagedInputNeverCrashesOrPlacesNonsense) {
    // Random bytes and randomly damaged real rows: the decoders and the importer
    // must neither crash nor place a team, score or line out of range.
    const std::string real = RealResults().substr(0, 30000);
    std::mt19937 rng(1997);
    const std::string noise = "0123456789,\"\n\r-./ PICKLVRWildcard";
    for (int round = 0; round < 300; ++round) {
        std::string bytes(rng() % 2000, '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        const SeasonGrid decoded = DecodeSeason(bytes);
        if (bytes.size() >= kMemberRecordSize)
            EncodeMember(DecodeMember(std::span<const std::uint8_t, kMemberRecordSize>(
                reinterpret_cast<const std::uint8_t*>(bytes.data()), kMemberRecordSize)));
        ImportSeasonCsv(bytes, 1997);
        const SeasonImport back = ImportSeasonCsv(ExportSeasonCsv(decoded), 1997);
        ASSERT_TRUE(back.Problems.empty());
        ASSERT_EQ(EncodeSeason(back.Games), EncodeSeason(decoded));

        if (real.empty()) continue;
        std::string damaged = real;
        for (int k = 0; k < 10; ++k) damaged[rng() % damaged.size()] = noise[rng() % noise.size()];
        const SeasonImport r = ImportSeasonCsv(damaged, 1995);
        for (int w = 0; w < kWeeks; ++w)
            for (int slot = 0; slot < kSlots; ++slot) {
                const GameRecord& g = r.Games[w][slot];
                if (!g.HasGame()) continue;
                ASSERT_LE(g.HomeTeam, kTeams);
                ASSERT_LE(g.AwayTeam, kTeams);
                ASSERT_LE(g.HomeScore, 99);
                ASSERT_LE(g.HomeSpread + g.AwaySpread, 99.5f);
            }
    }
}

}  // namespace
}  // namespace gm
