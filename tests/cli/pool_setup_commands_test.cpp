// gridmoot-cli members and options: what the members window and the pool
// options window do, from a script.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "core/data/FolderLock.h"
#include "core/data/PoolFile.h"
#include "core/data/Settings.h"
#include "support/TempDir.h"

namespace gm::cli {
namespace {

namespace fs = std::filesystem;
using test::CliIn;
using test::CliRun;
using gm::test::ReadFile;
using gm::test::TempDir;
using gm::test::WriteFile;

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

MemberRecord Member(std::string_view name, int number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    return m;
}

AppState Loaded(const fs::path& folder) {
    AppState state(folder);
    EXPECT_TRUE(LoadPool(state).ok());
    ReadSettings(state, 1LL << 24);
    return state;
}

TEST(CliMembers, AddKeepsEverythingOfTheMembersThereAndNumbersFromTheSharedCounter) {
    TempDir dir;
    // Bob holds picks; the counter stands at 7 (the Sports Box issued numbers too).
    MemberRecord bob = Member("Bob", 3);
    bob.Picks[4][2] = 9;
    bob.Confidence[4][2] = 12;
    bob.Tiebreak[4] = 41;
    WriteFile(dir / "Pool97.dat", EncodePool(std::vector<MemberRecord>{bob}));
    WriteFile(dir / "Vask97.ini", "[SportsBox]\nBoxPlayers=7\n");

    CliRun r = CliIn(dir.path(), {"members", "add", "zoe", "Ann Marie", "A name far longer than eighteen"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    // Numbered in the list's alphabetical order, as the members window saves.
    EXPECT_EQ(r.Out, "Added A name far longer as player 8\nAdded Ann Marie as player 9\nAdded zoe as player 10\n");
    EXPECT_TRUE(Contains(r.Err, "is kept as \"A name far longer\"")) << r.Err;

    const AppState state = Loaded(dir.path());
    ASSERT_EQ(state.MemberCount, 4);
    EXPECT_EQ(state.LastPlayerNumber, 10);
    EXPECT_EQ(ReadSetting(state.Settings, keys::BoxPlayers), "10");
    EXPECT_EQ(state.Members[2], bob);  // alphabetical: A name..., Ann Marie, Bob, zoe
    EXPECT_EQ(state.Members[3].TrimmedName(), "zoe");

    r = CliIn(dir.path(), {"members", "list"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "    8  A name far longer\n    9  Ann Marie\n    3  Bob\n   10  zoe\n");
}

TEST(CliMembers, RefusedNamesAddNobody) {
    struct Case {
        std::vector<std::string> Names;
        const char* Said;
    };
    const std::vector<Case> cases = {
        {{"Carl", "BOB"}, "\"BOB\" differs from the member \"Bob\" only in letter case. Give --force"},
        {{"Bob"}, "There is already a member named \"Bob\". Give --force"},
        {{"Carl", "carl"}, "\"carl\" differs from the member \"Carl\" only in letter case"},
        // Compared as stored: the 18 characters the pool file keeps.
        {{"Bob", "Bob                    x"}, "There is already a member named \"Bob\""},
        {{"Carl", "   "}, "a name of blanks only cannot be added"},
        {{}, "give the NAME of at least one member"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Said);
        TempDir dir;
        const std::string pool = EncodePool(std::vector<MemberRecord>{Member("Bob", 1)});
        WriteFile(dir / "Pool97.dat", pool);
        WriteFile(dir / "Vask97.ini", "[SportsBox]\nBoxPlayers=1\n");
        std::vector<std::string> args{"members", "add"};
        args.insert(args.end(), c.Names.begin(), c.Names.end());
        const CliRun r = CliIn(dir.path(), args);
        EXPECT_NE(r.Code, 0);
        EXPECT_TRUE(Contains(r.Err, c.Said)) << r.Err;
        EXPECT_EQ(ReadFile(dir / "Pool97.dat"), pool);
        EXPECT_EQ(ReadFile(dir / "Vask97.ini"), "[SportsBox]\nBoxPlayers=1\n");
    }

    // --force adds a name a member has already.
    TempDir dir;
    WriteFile(dir / "Pool97.dat", EncodePool(std::vector<MemberRecord>{Member("Bob", 1)}));
    const CliRun r = CliIn(dir.path(), {"members", "add", "BOB", "--force"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const AppState state = Loaded(dir.path());
    ASSERT_EQ(state.MemberCount, 2);
    EXPECT_EQ(state.Members[0].PlayerNumber + state.Members[1].PlayerNumber, 1 + 2);
}

TEST(CliMembers, AFolderWithoutAPoolListsNobodyAndAddingWaitsForTheProgram) {
    TempDir dir;
    CliRun r = CliIn(dir.path(), {"members", "list"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "");
    EXPECT_FALSE(fs::exists(dir / "Pool97.dat"));  // listing makes no file

    FolderLock program;
    ASSERT_EQ(program.Take(dir.path()), FolderLock::Outcome::Taken);
    r = CliIn(dir.path(), {"members", "add", "Ann"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_TRUE(Contains(r.Err, "is open in Gridmoot")) << r.Err;
    EXPECT_FALSE(fs::exists(dir / "Pool97.dat"));
    program.Release();

    r = CliIn(dir.path(), {"members", "add", "Ann"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "Added Ann as player 1\n");
}

TEST(CliOptions, ShowsTheDefaultsAndSetsWhatTheOptionsWindowOffers) {
    TempDir dir;
    CliRun r = CliIn(dir.path(), {"options"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out,
              "PoolSort=Confidence\nMondayPts=TotalPoints\nPointSpreads=No\nMaxCPoints=GamesPlayed\n"
              "TBMethod=MonGame\nSecondaryTB=Monday\nPSEntrys=Underdog\nTitle=The Acme Office Pool\nWebColor=BW\n");
    EXPECT_FALSE(fs::exists(dir / "Vask97.ini"));

    r = CliIn(dir.path(), {"options", "PointSpreads=Yes", "poolsort=wins", "Title=  Friday Picks ", "MaxCPoints=MaxGames"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    AppState state(dir.path());
    ReadSettings(state, 1LL << 24);
    EXPECT_EQ(state.PointSpreads, "Yes");
    EXPECT_EQ(state.PoolSort, "Wins");
    EXPECT_EQ(state.Title, "Friday Picks");
    EXPECT_EQ(state.MaxCPoints, "MaxGames");
    // What it prints is what the settings now hold.
    EXPECT_EQ(r.Out, CliIn(dir.path(), {"options"}).Out);

    // The window's tiebreak rules: no tiebreakers takes the Monday-night
    // tiebreaker and its points away.
    r = CliIn(dir.path(), {"options", "TBMethod=NotUsed"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "MondayPts=NotUsed\n")) << r.Out;
    EXPECT_TRUE(Contains(r.Out, "TBMethod=NotUsed\n")) << r.Out;
    EXPECT_TRUE(Contains(r.Out, "SecondaryTB=None\n")) << r.Out;

    // The same values again change nothing.
    const std::string settings = ReadFile(dir / "Vask97.ini");
    r = CliIn(dir.path(), {"options", "PointSpreads=Yes"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "The pool options are unchanged.\n");
    EXPECT_EQ(ReadFile(dir / "Vask97.ini"), settings);

    // The options window does not read SecondaryTB back (the Monday points
    // decide it): a script asking for what the window shows still gets it written.
    TempDir other;
    WriteFile(other / "Vask97.ini", "[Options]\nSecondaryTB=None\n");
    r = CliIn(other.path(), {"options", "SecondaryTB=Monday"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(Contains(r.Out, "SecondaryTB=Monday\n")) << r.Out;
    AppState reread(other.path());
    ReadSettings(reread, 1LL << 24);
    EXPECT_EQ(reread.SecondaryTB, "Monday");
}

TEST(CliOptions, AnyRefusedValueWritesNothing) {
    struct Case {
        std::vector<std::string> Set;
        const char* Said;
    };
    const std::vector<Case> cases = {
        {{"PointSpreads=Yes", "Spreads=Yes"}, "unknown option 'Spreads'"},
        {{"PoolSort=Points"}, "PoolSort must be WinPct, Wins or Confidence, not 'Points'"},
        {{"PointSpreads"}, "'PointSpreads' is not KEY=VALUE"},
        {{"PointSpreads=Yes", "PointSpreads=No"}, "PointSpreads is given twice"},
        {{"Title=The Annual Office Pool Of The Third Floor"}, "Title is 41 characters long; at most 34 are kept"},
        // A later click's linkage undoes an earlier value.
        {{"MondayPts=WinningMargin", "TBMethod=NotUsed"},
         "MondayPts=WinningMargin does not hold together with TBMethod=NotUsed"},
        // OK of the window refuses the second tiebreaker without its points.
        {{"TBMethod=NotUsed", "SecondaryTB=Monday"}, "without MondayPts=TotalPoints or MondayPts=WinningMargin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Said);
        TempDir dir;
        WriteFile(dir / "Vask97.ini", "[Options]\nPoolSort=WinPct\n");
        std::vector<std::string> args{"options"};
        args.insert(args.end(), c.Set.begin(), c.Set.end());
        const CliRun r = CliIn(dir.path(), args);
        EXPECT_EQ(r.Code, 2);
        EXPECT_TRUE(Contains(r.Err, c.Said)) << r.Err;
        EXPECT_TRUE(Contains(r.Err, "nothing was written")) << r.Err;
        EXPECT_EQ(ReadFile(dir / "Vask97.ini"), "[Options]\nPoolSort=WinPct\n");
    }
}

}  // namespace
}  // namespace gm::cli
