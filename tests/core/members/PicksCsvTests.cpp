#include <gtest/gtest.h>

#include <functional>

#include "core/members/PicksCsv.h"

namespace gm {
namespace {

constexpr int kWeek = 3;
constexpr std::size_t kW = kWeek - 1;

// Week 3: Dallas at Arizona, Chicago at Kansas City ("Chi" is Chicago's and
// the Chiefs' abbreviation), NY Giants at NY Jets, Green Bay at Minnesota,
// and Miami at Buffalo on Monday night: five games.
AppState Fixture() {
    AppState state("/nonexistent");
    auto game = [&](int slot, int away, int home) {
        GameRecord& g = state.Games[kW][static_cast<std::size_t>(slot)];
        g.AwayTeam = away;
        g.HomeTeam = home;
    };
    game(0, 8, 1);
    game(1, 6, 15);
    game(2, 20, 21);
    game(3, 11, 17);
    game(14, 16, 4);
    auto member = [](std::string_view name, int number) {
        MemberRecord m;
        m.Name = FitName(name);
        m.PlayerNumber = static_cast<std::int16_t>(number);
        return m;
    };
    state.Members = {member("Ann", 1), member("Bob", 2), member("Bob", 3), member("Cy", 4)};
    // Ann already has Green Bay with 5 points and a tiebreak of 30.
    state.Members[0].Picks[kW][3] = 11;
    state.Members[0].Confidence[kW][3] = 5;
    state.Members[0].Tiebreak[kW] = 30;
    state.MemberCount = 4;
    return state;
}

std::string File(std::string_view rows) { return std::string(kPicksCsvHeader) + "\n" + std::string(rows); }

using Options = std::function<void(AppState&)>;
const Options kDefaults = [](AppState&) {};
const Options kMaxGames = [](AppState& s) { s.MaxCPoints = "MaxGames"; };
const Options kNoConfidence = [](AppState& s) { s.PoolSort = "Wins"; };
const Options kNoTiebreak = [](AppState& s) { s.SecondaryTB = "None"; };

TEST(PicksCsv, GoodRowsChangeOnlyTheirCells) {
    struct Case {
        std::string_view name;
        std::string text;
        Options options;
        std::function<void(const MemberRecord& ann, const MemberRecord& bob3)> check;
    };
    const Case cases[] = {
        {"abbreviation, points and tiebreak", File("Ann,1,Dal,3,45\n"), kDefaults,
         [](const MemberRecord& a, const MemberRecord&) {
             EXPECT_EQ(a.Picks[kW][0], 8);
             EXPECT_EQ(a.Confidence[kW][0], 3);
             EXPECT_EQ(a.Tiebreak[kW], 45);
             EXPECT_EQ(a.Picks[kW][3], 11);  // the game not in the file keeps its pick and points
             EXPECT_EQ(a.Confidence[kW][3], 5);
         }},
        {"player number, location, no points, CRLF and a byte-order mark",
         "\xEF\xBB\xBF" + std::string(kPicksCsvHeader) + "\r\n3,2,Kansas City,,\r\n", kDefaults,
         [](const MemberRecord& a, const MemberRecord& b) {
             EXPECT_EQ(b.Picks[kW][1], 15);
             EXPECT_EQ(a.Tiebreak[kW], 30);
         }},
        {"quoted fields, AWAY@HOME, location and name, any letter case",
         File("\"ann \",\"Dallas@ARIZONA\",\"Arizona Cardinals\",2,\n"), kDefaults,
         [](const MemberRecord& a, const MemberRecord&) { EXPECT_EQ(a.Picks[kW][0], 1); }},
        {"an empty team clears the pick and its points", File("Ann,4,,,\n"), kDefaults,
         [](const MemberRecord& a, const MemberRecord&) {
             EXPECT_EQ(a.Picks[kW][3], 0);
             EXPECT_EQ(a.Confidence[kW][3], 0);
         }},
        {"team by number on the Monday-night game", File("Ann,15,4,1,7\n"), kDefaults,
         [](const MemberRecord& a, const MemberRecord&) {
             EXPECT_EQ(a.Picks[kW][14], 4);
             EXPECT_EQ(a.Tiebreak[kW], 7);
         }},
        // The file moves 5 from game 4 to game 1: checked on the sheet as it will be.
        {"points moved between games", File("Ann,1,Dal,5,\nAnn,4,Gb,1,\n"), kDefaults,
         [](const MemberRecord& a, const MemberRecord&) {
             EXPECT_EQ(a.Confidence[kW][0], 5);
             EXPECT_EQ(a.Confidence[kW][3], 1);
         }},
        {"the nickname's abbreviation", File("Ann,1,Cow,,\n"), kDefaults,
         [](const MemberRecord& a, const MemberRecord&) { EXPECT_EQ(a.Picks[kW][0], 8); }},
        {"15 Down To XX: 11 to 15 for five games", File("Ann,1,Dal,11,\n"), kMaxGames,
         [](const MemberRecord& a, const MemberRecord&) { EXPECT_EQ(a.Confidence[kW][0], 11); }},
        {"without confidence points the stored points stay", File("Ann,4,Min,,\n"), kNoConfidence,
         [](const MemberRecord& a, const MemberRecord&) {
             EXPECT_EQ(a.Picks[kW][3], 17);
             EXPECT_EQ(a.Confidence[kW][3], 5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = Fixture();
        c.options(state);
        const PicksImport r = ImportPicksCsv(state, kWeek, c.text);
        ASSERT_TRUE(r.Problems.empty()) << r.Problems.front().Line << ": " << r.Problems.front().Reason;
        if (c.check) c.check(r.Members[0], r.Members[2]);
        EXPECT_EQ(r.Members[1], state.Members[1]);  // Bob #2 is in no row
        EXPECT_EQ(r.Members[3], state.Members[3]);
    }
}

TEST(PicksCsv, BadRowsAreReportedByLineAndNothingIsApplied) {
    struct Case {
        std::string text;
        std::size_t line;
        std::string_view reason;
        Options options = kDefaults;
        int week = kWeek;
    };
    const Case cases[] = {
        {File("Zed,1,Dal,,\n"), 2, "no member is named \"Zed\""},
        {File("99,1,Dal,,\n"), 2, "no member has the player number 99"},
        {File("Bob,1,Dal,,\n"), 2, "more than one member is named \"Bob\"; give the player number"},
        {File("Ann,1,Green Bay,,\n"), 2, "Green Bay does not play in game 1 (Dallas at Arizona)"},
        {File("Ann,1,Foo,,\n"), 2, "no team is called \"Foo\""},
        {File("Ann,2,Chi,,\n"), 2, "names both teams of game 2"},
        {File("Ann,1,Dal,x,\n"), 2, "confidence \"x\" is not a number"},
        {File("Ann,1,Dal,100,\n"), 2, "confidence 100 has more than two digits"},
        {File("Ann,1,,3,\n"), 2, "confidence points without a team picked"},
        // Only what the pool already holds may be restated past the checks.
        {File("Ann,4,,5,\n"), 2, "confidence points without a team picked"},
        {File("Ann,1,11,,\n"), 2, "Green Bay does not play in game 1"},
        {File("Ann,1,200,,\n"), 2, "no team is called \"200\""},
        {File("#5,1,Dal,,\n"), 2, "the pool file has no member #5 (it holds 4)"},
        {File("Ann,1,Dal,3,\n"), 2, "does not use confidence points", kNoConfidence},
        {File("Ann,1,Dal,,100\n"), 2, "Monday-night entry 100 is outside 0 to 99"},
        {File("Ann,1,Dal,,-1\n"), 2, "Monday-night entry \"-1\" is not a number"},
        {File("Ann,1,Dal,,40\nAnn,2,Chicago,,41\n"), 3, "Monday-night entry 41 differs from 40 on line 2"},
        {File("Ann,1,Dal,,40\n"), 2, "does not use the Monday-night tiebreaker", kNoTiebreak},
        {File("Ann,16,Dal,,\n"), 2, "game 16 is not 1 to 15"},
        {File("Ann,5,Dal,,\n"), 2, "week 3 has no game 5"},
        {File("Ann,Arizona@Dallas,Dal,,\n"), 2, "week 3 has no game \"Arizona@Dallas\""},
        {File("Ann,x,Dal,,\n"), 2, "neither a number 1 to 15 nor AWAY@HOME"},
        {File("Ann,\"1,Dal,,\n"), 2, "malformed line: a quoted field is not closed"},
        {File("Ann,\"1\"x,Dal,,\n"), 2, "malformed line: text after a closing quote"},
        {File("Ann,1,Dal\n"), 2, "expected 5 fields"},
        {File("Ann,1,Dal,,\n\n1,1,Ari,,\n"), 4, "\"Ann\"'s game 1 is already given on line 2"},
        {"name,game,team\nAnn,1,Dal,,\n", 1, "the first line must be member,game,team,confidence,monday"},
        {"", 1, "the file is empty"},
        {"\r\n  \n", 1, "the file is empty"},
        {File("Ann,1,Dal,,\n"), 0, "the week must be 1 to 21", kDefaults, 22},
        {File("Ann,1,Dal,,\n"), 0, "week 4 has no games", kDefaults, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AppState state = Fixture();
        c.options(state);
        const PicksImport r = ImportPicksCsv(state, c.week, c.text);
        ASSERT_EQ(r.Problems.size(), 1u) << r.Problems.front().Reason;
        EXPECT_EQ(r.Problems[0].Line, c.line);
        EXPECT_NE(r.Problems[0].Reason.find(c.reason), std::string::npos) << r.Problems[0].Reason;
        EXPECT_EQ(r.Members, state.Members);
    }
}

// The selections window keeps duplicate and out-of-range points when its
// question is answered No; the import takes them the same way and says so.
TEST(PicksCsv, DuplicateAndOutOfRangePointsAreWarningsAndTaken) {
    struct Case {
        std::string text;
        std::size_t line;
        std::string_view warning;
        int slot;
        int points;
        Options options = kDefaults;
    };
    const Case cases[] = {
        {File("Ann,1,Dal,2,\nAnn,2,Chicago,2,\n"), 3, "confidence 2 is also on game 1 (line 2)", 1, 2},
        {File("Ann,1,Dal,5,\n"), 2, "confidence 5 is also on game 4 (already entered)", 0, 5},
        {File("Ann,1,Dal,6,\n"), 2, "confidence 6 is outside 1 to 5 for the 5 games of week 3", 0, 6},
        {File("Ann,1,Dal,10,\n"), 2, "confidence 10 is outside 11 to 15", 0, 10, kMaxGames},
        {File("Ann,1,Dal,99,\n"), 2, "confidence 99 is outside 1 to 5", 0, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AppState state = Fixture();
        c.options(state);
        const PicksImport r = ImportPicksCsv(state, kWeek, c.text);
        ASSERT_TRUE(r.Problems.empty()) << r.Problems.front().Reason;
        ASSERT_EQ(r.Warnings.size(), 1u);
        EXPECT_EQ(r.Warnings[0].Line, c.line);
        EXPECT_NE(r.Warnings[0].Reason.find(c.warning), std::string::npos) << r.Warnings[0].Reason;
        EXPECT_EQ(r.Members[0].Confidence[kW][static_cast<std::size_t>(c.slot)], c.points);
    }
}

TEST(PicksCsv, EveryBadRowIsReportedInLineOrderAndGoodOnesAreNotApplied) {
    const AppState state = Fixture();
    const PicksImport r = ImportPicksCsv(state, kWeek, File("Ann,1,Dal,3,\nZed,1,Dal,,\nCy,2,Chi,9,\nCy,9,Dal,,\n"));
    ASSERT_EQ(r.Problems.size(), 3u);
    EXPECT_EQ(r.Problems[0].Line, 3u);
    EXPECT_EQ(r.Problems[1].Line, 4u);
    EXPECT_EQ(r.Problems[2].Line, 5u);
    EXPECT_EQ(r.Members, state.Members);
}

TEST(PicksCsv, ExportReadsBackToTheSameMembers) {
    AppState state = Fixture();
    // Every game picked with distinct points; one member named only by number.
    state.Members[3].Name = FitName("1234");
    for (int m = 0; m < 4; ++m) {
        int points = 1 + m % 5;
        for (int g : {0, 1, 2, 3, 14}) {
            const GameRecord& game = state.Games[kW][static_cast<std::size_t>(g)];
            state.Members[static_cast<std::size_t>(m)].Picks[kW][static_cast<std::size_t>(g)] =
                static_cast<std::uint8_t>((g + m) % 2 ? game.HomeTeam : game.AwayTeam);
            state.Members[static_cast<std::size_t>(m)].Confidence[kW][static_cast<std::size_t>(g)] =
                static_cast<std::uint8_t>(points);
            points = points % 5 + 1;
        }
        state.Members[static_cast<std::size_t>(m)].Tiebreak[kW] = static_cast<std::uint8_t>(20 + m);
    }
    state.Members[1].Picks[kW][2] = 0;  // no pick
    state.Members[1].Confidence[kW][2] = 0;

    std::string text;
    ASSERT_TRUE(ExportPicksCsv(state, kWeek, text).ok());
    EXPECT_EQ(text.substr(0, text.find('\n', kPicksCsvHeader.size() + 1) + 1),
              std::string(kPicksCsvHeader) + "\nAnn,1,Dal,1,20\n");
    EXPECT_NE(text.find("\n2,3,,,21\n"), std::string::npos) << text;  // "Bob" is two members: the number
    EXPECT_NE(text.find("\n4,2,6,"), std::string::npos) << text;  // "1234" reads as a number; "Chi" as two teams

    const PicksImport r = ImportPicksCsv(state, kWeek, text);
    ASSERT_TRUE(r.Problems.empty()) << r.Problems.front().Line << ": " << r.Problems.front().Reason;
    EXPECT_EQ(r.Members, state.Members);
}

// A Monday-night entry the import would refuse (only damaged bytes hold one)
// is exported empty, so the file still reads back and keeps it as it is.
TEST(PicksCsv, ExportOfADamagedMondayEntryStillReadsBack) {
    AppState state = Fixture();
    state.Members[0].Tiebreak[kW] = 150;
    std::string text;
    ASSERT_TRUE(ExportPicksCsv(state, kWeek, text).ok());
    EXPECT_EQ(text.find("150"), std::string::npos) << text;
    const PicksImport r = ImportPicksCsv(state, kWeek, text);
    ASSERT_TRUE(r.Problems.empty()) << r.Problems.front().Line << ": " << r.Problems.front().Reason;
    EXPECT_EQ(r.Members, state.Members);
}

// Whatever the pool holds for a week, its export reads back to the same
// members: kept duplicates, out-of-range points, points without a pick, picks
// of teams that left the game, damaged bytes, members only their place in the
// file tells apart.
TEST(PicksCsv, ExportReadsBackExactlyForAwkwardPools) {
    using Change = std::function<void(AppState&)>;
    auto cell = [](AppState& s, int member, int slot, int pick, int points) {
        MemberRecord& m = s.Members[static_cast<std::size_t>(member)];
        m.Picks[kW][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(pick);
        m.Confidence[kW][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(points);
    };
    const std::pair<std::string_view, Change> cases[] = {
        {"kept duplicate points", [&](AppState& s) { cell(s, 0, 0, 8, 5); }},
        {"points outside the range", [&](AppState& s) { cell(s, 0, 0, 1, 40), cell(s, 1, 14, 16, 99); }},
        {"points without a pick", [&](AppState& s) { cell(s, 3, 2, 0, 3); }},
        {"blank picks and empty Monday entries",
         [&](AppState& s) {
             cell(s, 0, 3, 0, 0);
             for (MemberRecord& m : s.Members) m.Tiebreak[kW] = 0;
         }},
        {"a pick of a team no longer in its game", [&](AppState& s) { cell(s, 0, 0, 11, 2), cell(s, 1, 1, 7, 0); }},
        {"damaged bytes", [&](AppState& s) {
             cell(s, 0, 0, 200, 250);
             cell(s, 2, 14, 4, 255);
             s.Members[3].Tiebreak[kW] = 150;
         }},
        {"the same name and player number twice", [&](AppState& s) { s.Members[2].PlayerNumber = 2; }},
        {"names a line cannot carry, a negative number", [&](AppState& s) {
             s.Members[0].Name = FitName("Smith, \"Ann\"");
             s.Members[1].Name = FitName("Bob\r\nX");
             s.Members[1].PlayerNumber = -3;
             s.Members[3].Name = FitName("#1");
         }},
        {"stored points in a pool without confidence points", [&](AppState& s) {
             s.PoolSort = "Wins";
             cell(s, 0, 0, 0, 9);
         }},
        {"a Monday entry in a pool without the tiebreaker", [&](AppState& s) {
             s.SecondaryTB = "None";
             s.Members[1].Tiebreak[kW] = 61;
         }},
        {"15 Down To XX with points below the range", [&](AppState& s) {
             s.MaxCPoints = "MaxGames";
             cell(s, 1, 0, 1, 3);
         }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        AppState state = Fixture();
        change(state);
        std::string text;
        ASSERT_TRUE(ExportPicksCsv(state, kWeek, text).ok());
        const PicksImport r = ImportPicksCsv(state, kWeek, text);
        ASSERT_TRUE(r.Problems.empty()) << r.Problems.front().Line << ": " << r.Problems.front().Reason << "\n"
                                        << text;
        EXPECT_EQ(r.Members, state.Members) << text;
        // Into a pool where the week is still empty, the same rows give the same week.
        AppState blank = state;
        for (MemberRecord& m : blank.Members) {
            for (int g = 0; g < kSlots; ++g) {
                m.Picks[kW][static_cast<std::size_t>(g)] = 0;
                m.Confidence[kW][static_cast<std::size_t>(g)] = 0;
            }
        }
        if (name == "kept duplicate points" || name == "points outside the range") {
            const PicksImport fresh = ImportPicksCsv(blank, kWeek, text);
            ASSERT_TRUE(fresh.Problems.empty()) << fresh.Problems.front().Reason;
            EXPECT_FALSE(fresh.Warnings.empty());
            EXPECT_EQ(fresh.Members, state.Members) << text;
        }
    }
}

TEST(PicksCsv, TeamsAndMembersByEveryName) {
    const AppState state = Fixture();
    EXPECT_EQ(TeamsNamed(state.Teams, "8"), std::vector<int>{8});
    EXPECT_EQ(TeamsNamed(state.Teams, " dallas cowboys "), std::vector<int>{8});
    EXPECT_EQ(TeamsNamed(state.Teams, "Cow"), std::vector<int>{8});
    EXPECT_EQ(TeamsNamed(state.Teams, "chi"), (std::vector<int>{6, 15}));
    EXPECT_TRUE(TeamsNamed(state.Teams, "31").empty());
    EXPECT_TRUE(TeamsNamed(state.Teams, "0").empty());
    EXPECT_EQ(MembersNamed(state, "3"), std::vector<int>{2});
    EXPECT_EQ(MembersNamed(state, "BOB"), (std::vector<int>{1, 2}));
    EXPECT_EQ(MembersNamed(state, "#3"), std::vector<int>{2});
    EXPECT_TRUE(MembersNamed(state, "#0").empty());
    AppState longName = Fixture();
    longName.Members[3].Name = FitName("Christopher Robinson-Smith");
    // The file may give the whole name; the pool keeps its first 18 characters.
    EXPECT_EQ(MembersNamed(longName, "Christopher Robinson-Smith"), std::vector<int>{3});
}

}  // namespace
}  // namespace gm
