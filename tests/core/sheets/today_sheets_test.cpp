#include <gtest/gtest.h>

#include <algorithm>

#include "core/nfl/TeamRecords.h"
#include "core/output/RecordingSurface.h"
#include "core/sheets/EzEntrySheet.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sheets/PickSheet.h"
#include "support/Season2024.h"
#include "support/TempDir.h"

// The pick sheets and the EZ Entry sheet on the 2024 season of today's league:
// weeks of 16 games, the tiebreak game by kick-off, 32 teams in 8 divisions.
namespace gm {
namespace {

using Op = RecordingSurface::Op;

struct Season2024 {
    explicit Season2024(int playedThrough = 22) { test::LoadSeason2024(state, playedThrough); }
    test::TempDir dir;
    AppState state{dir.path()};
};

SheetChoices Choices(int week, bool favUnd) {
    SheetChoices c;
    c.Week = week;
    c.FavUnd = favUnd;
    c.Comment = "Pick Sheets are due by Thursday, Noon";
    return c;
}

double LineHeight(const Op& op) { return op.font.Size * 24; }  // the recorder's metric

// The text ops, top to bottom as printed.
std::vector<Op> Texts(const RecordingSurface& s) { return s.Texts(); }

std::string PadDivision(std::string name) {
    name.resize(16, ' ');
    return name;
}

// The team whose city begins a standings line (15 characters, blank padded).
int TeamByCity(const AppState& state, std::string field) {
    while (!field.empty() && field.back() == ' ') field.pop_back();
    for (int t = 1; t <= state.League().Teams; ++t)
        if (state.Teams.City(t) == field) return t;
    return 0;
}

const Op* FindText(const std::vector<Op>& ops, std::string_view text) {
    for (const Op& op : ops)
        if (op.text == text) return &op;
    return nullptr;
}

// Week 1 of 2024 has 16 games; its tiebreak game is the Monday game, Jets at
// San Francisco. Every style prints the week on one page, every game on its
// own row in kick-off order at the 1997 sizes, the tiebreak heading just
// above the last row, and nothing below the page (or onto the footer).
TEST(TodaySheets, SixteenGameWeekFitsOnOnePageInEveryStyle) {
    Season2024 season;
    const AppState& state = season.state;
    struct Case {
        SheetStyle style;
        bool favUnd;
        double bodySize;  // the team names' size, as on a 1997 sheet
        bool footer;      // the sheet ends with the footer at ScaleHeight - 720
    } cases[] = {
        {SheetStyle::Standard, false, 18, true}, {SheetStyle::Standard, true, 18, true},
        {SheetStyle::Compact, false, 14, false}, {SheetStyle::Tearoff, true, 14, false},
        {SheetStyle::TopTen, false, 12, true},   {SheetStyle::NoExcuse, false, 14, false},
    };
    const WeekGames& week = state.Games[0];
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(SheetTitle(c.style)) + (c.favUnd ? " Fav/Und" : " Home/Away"));
        const PickSheet sheet(state, c.style, Choices(1, c.favUnd));
        RecordingSurface surface;
        ASSERT_TRUE(sheet.Print(surface, PrintCopies{1, false}).ok());
        EXPECT_EQ(surface.Pages(), 1);
        const std::vector<Op> ops = Texts(surface);

        // Each game's row: both names at the body size, rows going down the page.
        double lastRow = -1;
        for (int slot = 0; slot < 16; ++slot) {
            const GameRecord& g = week[static_cast<std::size_t>(slot)];
            ASSERT_TRUE(g.HasGame()) << slot;
            std::string home = state.Teams.City(g.HomeTeam);
            if (c.favUnd) std::transform(home.begin(), home.end(), home.begin(), ::toupper);
            const Op* homeOp = nullptr;
            for (const Op& op : ops)
                if (op.text == home && op.y > lastRow) {
                    homeOp = &op;
                    break;
                }
            ASSERT_NE(homeOp, nullptr) << home << " below y " << lastRow;
            EXPECT_EQ(homeOp->font.Size, c.bodySize) << home;
            const std::string away = state.Teams.City(g.AwayTeam);
            const bool awayOnRow = std::any_of(ops.begin(), ops.end(), [&](const Op& op) {
                return op.text == away && op.y == homeOp->y && op.font.Size == c.bodySize;
            });
            EXPECT_TRUE(awayOnRow) << away << " beside " << home;
            if (slot == 15) {
                const Op* heading = FindText(ops, "Tiebreak Game: Mon 9/9 8:15 PM");
                ASSERT_NE(heading, nullptr);
                EXPECT_GT(heading->y, lastRow);
                EXPECT_LT(heading->y, homeOp->y);
                EXPECT_EQ(home, c.favUnd ? "SAN FRANCISCO" : "San Francisco");
            }
            lastRow = homeOp->y;
        }
        EXPECT_EQ(FindText(ops, "Monday Nite Game"), nullptr);

        const double bottom = surface.ScaleHeight() - (c.footer ? 720 : 0);
        for (const Op& op : ops) {
            if (c.footer && op.font.Size <= 8 && op.y >= bottom) continue;  // the footer's own lines
            EXPECT_LE(op.y + LineHeight(op), bottom) << '"' << op.text << "\" runs off the sheet";
        }
    }
}

// The No Excuse standings half lists today's eight divisions in the order
// of the league's divisions, each with its four teams, and still fits
// the landscape page above its closing lines.
TEST(TodaySheets, NoExcuseStandingsShowTheEightDivisions) {
    Season2024 season(18);
    const PickSheet sheet(season.state, SheetStyle::NoExcuse, Choices(18, true));
    RecordingSurface surface;
    ASSERT_TRUE(sheet.Print(surface, PrintCopies{1, false}).ok());
    const std::vector<Op> ops = Texts(surface);
    const double half = surface.ScaleWidth() / 2;

    const char* divisions[] = {"NFC East", "NFC North", "NFC South", "NFC West",
                               "AFC East", "AFC North", "AFC South", "AFC West"};
    std::vector<const Op*> headings;
    for (const Op& op : ops)
        if (op.x < half && op.font.Weight == 700 && op.font.Underline) headings.push_back(&op);
    ASSERT_EQ(headings.size(), 8u);
    for (std::size_t d = 0; d < 8; ++d) {
        EXPECT_EQ(headings[d]->text.substr(0, 16), PadDivision(divisions[d])) << headings[d]->text;
        EXPECT_NE(headings[d]->text.find(d < 4 ? "vs. AFC" : "vs. NFC"), std::string::npos);
        // The division's teams: the four lines below its heading.
        int teams = 0;
        for (const Op& op : ops) {
            if (op.text.empty() || op.x >= half || op.font.Weight != 500 || op.y <= headings[d]->y) continue;
            if (d + 1 < 8 && op.y >= headings[d + 1]->y) continue;
            const int team = TeamByCity(season.state, op.text.substr(0, 15));
            ASSERT_GT(team, 0) << op.text;
            EXPECT_EQ(season.state.League().Division(team), static_cast<int>(d) + 1) << op.text;
            ++teams;
        }
        EXPECT_EQ(teams, 4) << divisions[d];
    }
    // Detroit closed the regular season at 15-2, on top of the NFC North.
    const auto north = std::find_if(ops.begin(), ops.end(), [&](const Op& op) {
        return op.y > headings[1]->y && op.font.Weight == 500 && op.x < half && !op.text.empty();
    });
    ASSERT_NE(north, ops.end());
    EXPECT_EQ(north->text.substr(0, 22), "Detroit        15  2  ");
    for (const Op& op : ops) EXPECT_LE(op.y + LineHeight(op), surface.ScaleHeight()) << op.text;
}

// The text of a today's sheet: each game line ends with its kick-off, the
// tiebreak heading names the week's last game, which in week 18 is a Sunday
// night game, and the tiebreaker line does not say Monday.
TEST(TodaySheets, TextSheetsCarryKickoffsAndTheTiebreakGame) {
    Season2024 season(17);
    AppState& state = season.state;
    state.SecondaryTB = "Monday";
    state.MondayPts = "TotalPoints";
    struct Case {
        SheetStyle style;
        bool favUnd;
        std::string heading;  // the whole line above the tiebreak game
        std::string tiebreakRow;
        std::string prompt;
    } cases[] = {
        {SheetStyle::Standard, true, "                    Tiebreak Game: Sun 1/5 8:20 PM",
         " ________  DETROIT          3.0     Minnesota       Sun 1/5 8:20 PM",
         "               Tiebreak Total Points: _______"},
        {SheetStyle::Standard, false, "                 Tiebreak Game: Sun 1/5 8:20 PM",
         " _________  Minnesota           Detroit         Sun 1/5 8:20 PM", "               Tiebreak Total Points: _______"},
        {SheetStyle::Tearoff, false, "                Tiebreak Game: Sun 1/5 8:20 PM",
         "_____  Minnesota           Detroit         Sun 1/5 8:20 PM", "           Tiebreak Total Points: _______"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(SheetTitle(c.style)) + (c.favUnd ? " Fav/Und" : " Home/Away"));
        const PickSheet sheet(state, c.style, Choices(18, c.favUnd));
        const std::vector<std::string> lines = sheet.TextFile().Lines;
        const auto heading = std::find(lines.begin(), lines.end(), c.heading);
        ASSERT_NE(heading, lines.end());
        ASSERT_LT(heading + 2, lines.end());
        EXPECT_EQ(*(heading + 2), c.tiebreakRow);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.prompt), lines.end());
        // Sixteen game lines, each ending with its kick-off.
        const int kickoffs = static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.size() > 8 && (l.ends_with(" PM") || l.ends_with(" AM")) && l.find("Tiebreak") == std::string::npos;
        }));
        EXPECT_EQ(kickoffs, 16);
        for (const std::string& line : lines) EXPECT_EQ(line.find("Mon"), std::string::npos) << line;
    }
}

// A 1997 season never shows kick-offs, even when its games carry dates (a
// season read from a CSV that has them): its sheets stay as they were.
TEST(TodaySheets, A1997SheetIgnoresKickoffs) {
    test::PoolFixture plain, dated;
    for (GameRecord& g : dated.State.Games[0]) {
        g.KickoffDate = 19970831;
        g.KickoffTime = 1300;
    }
    for (const SheetStyle style : {SheetStyle::Standard, SheetStyle::Tearoff}) {
        const PickSheet a(plain.State, style, Choices(1, true)), b(dated.State, style, Choices(1, true));
        EXPECT_EQ(a.SheetText(), b.SheetText());
        EXPECT_NE(a.SheetText().find("Monday Nite Game"), std::string::npos);
    }
}

// The sheet's records count every slot of every week before the sheet's:
// the Super Bowl sheet shows both teams' records through the Conference
// round, and Washington (team 32) is counted too.
TEST(TodaySheets, RecordsCountTheWholeSeasonSoFar) {
    Season2024 season(21);
    const AppState& state = season.state;
    const PickSheet sheet(state, SheetStyle::Standard, Choices(22, false));
    const TeamTable records = sheet.Records();
    struct Case {
        const char* id;
        std::string text;
    } cases[] = {{"KC", "  (17-2-0)"}, {"PHI", "  (17-3-0)"}, {"WAS", "  (14-6-0)"}, {"NYG", "  (3-14-0)"}};
    for (const Case& c : cases)
        EXPECT_EQ(RecordText(RecordOf(records, state.League().TeamFromId(c.id)), 2), c.text) << c.id;

    const std::vector<SheetGame> games = sheet.Games();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(games[0].Tiebreak);
    EXPECT_EQ(games[0].FirstName, "Kansas City");
    EXPECT_EQ(games[0].SecondName, "Philadelphia");
    EXPECT_EQ(sheet.TiebreakHeading(), "Tiebreak Game: Sun 2/9 6:30 PM");
}

// Weeks of a today's season run to 22: the typed week, the refusal's words,
// the dialog's opening week and the EZ Entry sheet's last two weeks.
TEST(TodaySheets, WeeksRunToTwentyTwo) {
    struct Case {
        std::string text;
        int lastWeek;
        std::optional<int> week;
    } cases[] = {{"22", 22, 22}, {" 21 ", 22, 21}, {"23", 22, std::nullopt}, {"22", kWeeks, std::nullopt},
                 {"21", kWeeks, 21}};
    for (const Case& c : cases) EXPECT_EQ(ParseSheetWeek(c.text, c.lastWeek), c.week) << c.text << "/" << c.lastWeek;
    EXPECT_EQ(BadWeekText(kWeeks), kBadWeekText);
    EXPECT_EQ(BadWeekText(22), "Please type a week from 1 to 22.");

    Season2024 season;
    AppState& state = season.state;
    state.CurrentWeek = 22;
    EXPECT_EQ(SheetChoices::From(state).Week, 22);
    EzEntrySheet ez(state);
    EXPECT_EQ(ez.FirstWeek(), 21);
    EXPECT_EQ(ez.SecondWeek(), 22);
    EXPECT_FALSE(ez.Spin(+1));
    EXPECT_TRUE(ez.Spin(-1));
    EXPECT_EQ(state.CurrentWeek, 21);

    // Weeks 1 and 2, sixteen games each: a row of blanks for each, one page.
    ez.ShowWeeks(1);
    RecordingSurface surface;
    ASSERT_TRUE(ez.Print(surface, PrintCopies{1, false}).ok());
    EXPECT_EQ(surface.Pages(), 1);
    int rows = 0;
    for (const Op& op : surface.Texts()) {
        rows += op.text == "______" ? 1 : 0;
        EXPECT_LE(op.y + LineHeight(op), surface.ScaleHeight()) << op.text;
    }
    EXPECT_EQ(rows, 32);
}

}  // namespace
}  // namespace gm
