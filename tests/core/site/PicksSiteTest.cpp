#include <gtest/gtest.h>

#include "core/data/MemberRecord.h"
#include "core/site/PicksSite.h"
#include "support/Season2024.h"
#include "support/UtcTime.h"

namespace gm {
namespace {

using namespace std::chrono;

using test::Utc;

// The slot of AWAY@HOME (team ids) in a week of the state's season.
int SlotOf(const AppState& state, int week, std::string_view away, std::string_view home) {
    const League& league = state.League();
    const int a = league.TeamFromId(away), h = league.TeamFromId(home);
    for (int g = 0; g < league.Slots; ++g) {
        const GameRecord& game = state.Games[static_cast<std::size_t>(week - 1)][static_cast<std::size_t>(g)];
        if (game.AwayTeam == a && game.HomeTeam == h) return g;
    }
    ADD_FAILURE() << "no game " << away << "@" << home << " in week " << week;
    return 0;
}

class PicksSite2024 : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadSeason2024(state, 0);
        for (std::string name : {"Ann Smith", "Bob Jones"}) {
            MemberRecord m;
            m.Name = FitName(name);
            m.PlayerNumber = static_cast<std::int16_t>(state.Members.size() + 1);
            state.Members.push_back(m);
        }
        state.MemberCount = 2;
        state.CurrentWeek = 1;
    }
    int Team(std::string_view id) const { return state.League().TeamFromId(id); }
    std::uint8_t PickOf(const MemberRecord& r, int week, int slot) const { return r.Picks[week - 1][slot]; }
    std::uint8_t PointsOf(const MemberRecord& r, int week, int slot) const { return r.Confidence[week - 1][slot]; }

    test::TempDir dir;
    AppState state{dir.path()};
    SiteOptions options;
    // Sunday of week 1 at noon Eastern: Thursday's and Friday's games have kicked off.
    SiteTime sundayNoon = Utc(2024, 9, 8, 16, 0);
};

TEST_F(PicksSite2024, GamesLockAtTheirKickoffInEasternTime) {
    struct Case {
        int Week;
        const char* Away;
        const char* Home;
        SiteTime Now;
        bool Locked;
    } cases[] = {
        {1, "BAL", "KC", Utc(2024, 9, 6, 0, 19), false},  // Thu 8:20 PM EDT
        {1, "BAL", "KC", Utc(2024, 9, 6, 0, 20), true},
        {1, "NYJ", "SF", Utc(2024, 9, 10, 0, 14), false},  // Monday night 8:15 PM EDT
        {1, "NYJ", "SF", Utc(2024, 9, 10, 0, 15), true},
        {9, "HOU", "NYJ", Utc(2024, 11, 1, 0, 14), false},  // Thu Oct 31, still daylight time
        {9, "HOU", "NYJ", Utc(2024, 11, 1, 0, 15), true},
        // Sunday Nov 3, the day clocks fall back: 1:00 PM is 18:00 UTC, not 17:00.
        {9, "DAL", "ATL", Utc(2024, 11, 3, 17, 30), false},
        {9, "DAL", "ATL", Utc(2024, 11, 3, 18, 0), true},
        {22, "KC", "PHI", Utc(2025, 2, 9, 23, 29), false},  // Super Bowl 6:30 PM EST
        {22, "KC", "PHI", Utc(2025, 2, 9, 23, 30), true},
    };
    for (const Case& c : cases) {
        const int slot = SlotOf(state, c.Week, c.Away, c.Home);
        EXPECT_EQ(GameLocked(state, options, c.Week, slot, c.Now), c.Locked)
            << c.Away << "@" << c.Home << " at " << EasternStamp(c.Now);
    }
}

TEST_F(PicksSite2024, ADeadlineLocksTheWholeSheetAndTheLastKickoffDoesToo) {
    const int sunday = SlotOf(state, 1, "PIT", "ATL");
    options.Deadline = EasternClock{20240908, 1200};
    EXPECT_FALSE(GameLocked(state, options, 1, sunday, Utc(2024, 9, 8, 15, 59)));
    EXPECT_FALSE(SheetLocked(state, options, 1, Utc(2024, 9, 8, 15, 59)));
    EXPECT_TRUE(GameLocked(state, options, 1, sunday, Utc(2024, 9, 8, 16, 0)));
    EXPECT_TRUE(SheetLocked(state, options, 1, Utc(2024, 9, 8, 16, 0)));

    options.Deadline.reset();
    EXPECT_FALSE(SheetLocked(state, options, 1, Utc(2024, 9, 10, 0, 14)));
    EXPECT_TRUE(SheetLocked(state, options, 1, Utc(2024, 9, 10, 0, 15)));
}

TEST_F(PicksSite2024, TheOpenWeekIsTheCurrentWeekOrWithAutoAdvanceTheFirstNotFullyStarted) {
    struct Case {
        int Current;
        bool Auto;
        SiteTime Now;
        int Open;
    } cases[] = {
        {1, false, Utc(2024, 9, 20, 0, 0), 1},   // the organiser has not moved on
        {1, true, Utc(2024, 9, 10, 0, 14), 1},   // Monday night not started yet
        {1, true, Utc(2024, 9, 10, 0, 15), 2},   // every week-1 game has kicked off
        {1, true, Utc(2024, 9, 26, 12, 0), 4},   // weeks 1 to 3 all started
        {5, true, Utc(2024, 9, 1, 0, 0), 5},     // never back
        {22, true, Utc(2025, 3, 1, 0, 0), 22},   // nothing after the Super Bowl
    };
    for (const Case& c : cases) {
        state.CurrentWeek = c.Current;
        options.AutoAdvance = c.Auto;
        EXPECT_EQ(OpenWeek(state, options, c.Now), c.Open) << c.Current << " at " << EasternStamp(c.Now);
    }
}

TEST(PicksSite1997, GamesWithoutKickoffsLockOnlyByTheDeadlineAndNeverAdvance) {
    test::TempDir dir;
    AppState state(dir.path());
    state.Games[0][0].HomeTeam = 1;
    state.Games[0][0].AwayTeam = 2;
    state.CurrentWeek = 1;
    SiteOptions options;
    options.AutoAdvance = true;
    const SiteTime late = Utc(2030, 1, 1, 0, 0);
    EXPECT_FALSE(GameLocked(state, options, 1, 0, late));
    EXPECT_EQ(OpenWeek(state, options, late), 1);
    options.Deadline = EasternClock{19970831, 1300};
    EXPECT_TRUE(GameLocked(state, options, 1, 0, late));
}

TEST(PicksSite1997, ASheetOfThe1997LeagueSavesByPlaceWithTheMondayNightGameInSlot15) {
    test::TempDir dir;
    AppState state(dir.path());
    for (int g = 0; g < 15; ++g) {
        state.Games[2][static_cast<std::size_t>(g)].HomeTeam = static_cast<std::uint8_t>(2 * g + 1);
        state.Games[2][static_cast<std::size_t>(g)].AwayTeam = static_cast<std::uint8_t>(2 * g + 2);
    }
    MemberRecord m;
    m.Name = FitName("Pat");
    state.Members.push_back(m);
    state.MemberCount = 1;
    state.CurrentWeek = 3;
    const std::string monHome = state.Teams.CityAbbr(29);
    Submission s{"Pat", "", 3, {{"15", monHome, 15}, {"1", "2", 1}}, 38};
    const SubmitResult r = CheckSubmission(state, SiteOptions{}, s, Utc(1997, 9, 14, 17, 0));
    ASSERT_EQ(r.Outcome, SubmitOutcome::Saved) << (r.Errors.empty() ? "" : r.Errors[0].Message);
    EXPECT_EQ(r.Record.Picks[2][14], 29);
    EXPECT_EQ(r.Record.Confidence[2][14], 15);
    EXPECT_EQ(r.Record.Picks[2][0], 2);
    EXPECT_EQ(r.Record.Tiebreak[2], 38);
    // Slot 16 does not exist in 1997.
    s.Picks = {{"16", monHome, {}}};
    EXPECT_EQ(CheckSubmission(state, SiteOptions{}, s, Utc(1997, 9, 14, 17, 0)).Outcome, SubmitOutcome::BadRequest);
}

TEST_F(PicksSite2024, AWeekOtherThanTheOpenOneIsRefusedWhole) {
    Submission s{"Ann Smith", "", 2, {{"1", "BUF", 16}}, std::nullopt};
    SubmitResult r = CheckSubmission(state, options, s, sundayNoon);
    EXPECT_EQ(r.Outcome, SubmitOutcome::Locked);
    EXPECT_FALSE(r.SaveRecord);
    ASSERT_EQ(r.Errors.size(), 1u);
    EXPECT_NE(r.Errors[0].Message.find("open week is 1"), std::string::npos);

    s.Week = 23;
    r = CheckSubmission(state, options, s, sundayNoon);
    EXPECT_EQ(r.Outcome, SubmitOutcome::BadRequest);
    EXPECT_FALSE(r.SaveRecord);

    s.Week = 1;
    s.Member = "Nobody";
    EXPECT_EQ(CheckSubmission(state, options, s, sundayNoon).Outcome, SubmitOutcome::BadRequest);
}

TEST_F(PicksSite2024, AChangeToALockedGameRefusesTheSheetAndSavesNothing) {
    const int thu = SlotOf(state, 1, "BAL", "KC"), fri = SlotOf(state, 1, "GB", "PHI"),
              sun = SlotOf(state, 1, "PIT", "ATL");
    MemberRecord& ann = state.Members[0];
    ann.Picks[0][thu] = static_cast<std::uint8_t>(Team("KC"));
    ann.Confidence[0][thu] = 16;

    // Changing Thursday's pick and adding Friday's are refused, and Sunday's
    // open game is not saved either: the member sends the sheet again.
    Submission s{"ann smith", "", 1, {{"BAL@KC", "BAL", 16}, {"GB@PHI", "PHI", 14}, {"PIT@ATL", "PIT", 15}}, 40};
    SubmitResult r = CheckSubmission(state, options, s, sundayNoon);
    EXPECT_EQ(r.Outcome, SubmitOutcome::Locked);
    EXPECT_FALSE(r.SaveRecord);
    EXPECT_TRUE(r.Changes.empty());
    EXPECT_EQ(PickOf(r.Record, 1, thu), Team("KC"));
    EXPECT_EQ(PickOf(r.Record, 1, fri), 0);
    EXPECT_EQ(PickOf(r.Record, 1, sun), 0);
    ASSERT_EQ(r.Errors.size(), 2u);
    EXPECT_EQ(r.Errors[0].Game, thu + 1);
    EXPECT_EQ(r.Errors[1].Game, fri + 1);

    // Restating a locked game's pick as it stands is no change.
    s.Picks = {{"BAL@KC", "KC", 16}, {"PIT@ATL", "PIT", 15}};
    r = CheckSubmission(state, options, s, sundayNoon);
    EXPECT_EQ(r.Outcome, SubmitOutcome::Saved);
    EXPECT_TRUE(r.Errors.empty());

    // After the Monday-night kick-off the tiebreak entry is locked too.
    s.Picks.clear();
    s.Monday = 41;
    r = CheckSubmission(state, options, s, Utc(2024, 9, 10, 0, 15));
    EXPECT_EQ(r.Outcome, SubmitOutcome::Locked);
    EXPECT_FALSE(r.SaveRecord);
    EXPECT_EQ(r.Record.Tiebreak[0], 0);
}

TEST_F(PicksSite2024, APickIsFoundByPlaceOrMatchupAndItsTeamByAnyName) {
    const int sun = SlotOf(state, 1, "DAL", "CLE");
    const std::string place = std::to_string(sun + 1);
    const std::string number = std::to_string(Team("DAL"));
    const SubmittedPick forms[] = {
        {place, "DAL", 9},        {"DAL@CLE", "Dallas", 9},  {"dal@cle", number, 9},
        {" DAL @ CLE ", "dal", 9}, {place, "Dallas Cowboys", 9},
    };
    for (const SubmittedPick& p : forms) {
        const SubmitResult r = CheckSubmission(state, options, {"Bob Jones", "", 1, {p}, std::nullopt}, sundayNoon);
        ASSERT_EQ(r.Outcome, SubmitOutcome::Saved) << p.Game << " / " << p.Team << ": "
                                                   << (r.Errors.empty() ? "" : r.Errors[0].Message);
        EXPECT_EQ(r.Member, 1);
        EXPECT_EQ(PickOf(r.Record, 1, sun), Team("DAL")) << p.Game << " / " << p.Team;
        EXPECT_EQ(PointsOf(r.Record, 1, sun), 9);
        ASSERT_EQ(r.Changes.size(), 1u);
        EXPECT_EQ(r.Changes[0].Game, sun + 1);
    }
}

TEST_F(PicksSite2024, AWrongSheetSavesNothingAndNamesItsGames) {
    const int a = SlotOf(state, 1, "PIT", "ATL"), b = SlotOf(state, 1, "ARI", "BUF"),
              locked = SlotOf(state, 1, "BAL", "KC");
    state.Members[0].Picks[0][locked] = static_cast<std::uint8_t>(Team("KC"));
    state.Members[0].Confidence[0][locked] = 16;
    const int A = a + 1, B = b + 1;
    struct Case {
        const char* What;
        std::vector<SubmittedPick> Picks;
        std::optional<long long> Monday;
        std::vector<int> ErrorGames;
    } cases[] = {
        {"duplicate points", {{"PIT@ATL", "PIT", 12}, {"ARI@BUF", "BUF", 12}}, {}, {A, B}},
        {"points the locked game holds", {{"PIT@ATL", "PIT", 16}}, {}, {A}},
        {"points above the range", {{"PIT@ATL", "PIT", 17}}, {}, {A}},
        {"negative points", {{"PIT@ATL", "PIT", -1}}, {}, {A}},
        {"huge points", {{"PIT@ATL", "PIT", 1LL << 40}}, {}, {A}},
        {"unknown team", {{"PIT@ATL", "XYZ", 3}}, {}, {A}},
        {"team not in the game", {{"PIT@ATL", "DAL", 3}}, {}, {A}},
        {"points without a team", {{"PIT@ATL", "", 3}}, {}, {A}},
        {"place past the week", {{"17", "PIT", 3}}, {}, {0}},
        {"place zero", {{"0", "PIT", 3}}, {}, {0}},
        {"matchup not played this week", {{"NYG@DAL", "DAL", 3}}, {}, {0}},
        {"home and away swapped", {{"ATL@PIT", "PIT", 3}}, {}, {0}},
        {"game that is neither", {{"first", "PIT", 3}}, {}, {0}},
        {"same game twice", {{"PIT@ATL", "PIT", 3}, {std::to_string(A), "ATL", 4}}, {}, {A}},
        {"tiebreak over 99", {{"PIT@ATL", "PIT", 3}}, 100, {0}},
        {"negative tiebreak", {}, -5, {0}},
    };
    for (const Case& c : cases) {
        const SubmitResult r = CheckSubmission(state, options, {"Ann Smith", "", 1, c.Picks, c.Monday}, sundayNoon);
        EXPECT_EQ(r.Outcome, SubmitOutcome::BadRequest) << c.What;
        EXPECT_FALSE(r.SaveRecord) << c.What;
        std::vector<int> games;
        for (const SiteError& e : r.Errors) games.push_back(e.Game);
        EXPECT_EQ(games, c.ErrorGames) << c.What;
    }
}

TEST_F(PicksSite2024, PoolOptionsDecideWhichEntriesASheetMayHold) {
    const int a = SlotOf(state, 1, "PIT", "ATL");
    // "15 Down To XX" tops out at 16 in today's league: a full week runs 1 to 16.
    state.MaxCPoints = "MaxGames";
    EXPECT_EQ(CheckSubmission(state, options, {"Ann Smith", "", 1, {{"PIT@ATL", "PIT", 16}}, {}}, sundayNoon).Outcome,
              SubmitOutcome::Saved);
    // Without confidence points, points are refused and stored points left alone.
    state.PoolSort = "Wins";
    state.Members[0].Confidence[0][a] = 7;
    SubmitResult r = CheckSubmission(state, options, {"Ann Smith", "", 1, {{"PIT@ATL", "PIT", 5}}, {}}, sundayNoon);
    EXPECT_EQ(r.Outcome, SubmitOutcome::BadRequest);
    r = CheckSubmission(state, options, {"Ann Smith", "", 1, {{"PIT@ATL", "PIT", {}}}, {}}, sundayNoon);
    ASSERT_EQ(r.Outcome, SubmitOutcome::Saved);
    EXPECT_EQ(PointsOf(r.Record, 1, a), 7);
    // Without the tiebreak, a tiebreak entry is refused.
    state.SecondaryTB = "None";
    EXPECT_EQ(CheckSubmission(state, options, {"Ann Smith", "", 1, {}, 30}, sundayNoon).Outcome,
              SubmitOutcome::BadRequest);
}

TEST_F(PicksSite2024, FormFieldsBecomeTheSamePicksAsTheApi) {
    const int a = SlotOf(state, 1, "PIT", "ATL");
    const std::string g = std::to_string(a + 1);
    const std::map<std::string, std::string> fields = {
        {"csrf", "x"}, {"week", "1"}, {"g" + g, std::to_string(Team("ATL"))}, {"c" + g, "11"}, {"monday", "44"},
        {"c1", ""},  // an empty box is no entry
    };
    const Submission s = SubmissionFromForm(fields, "Ann Smith");
    const SubmitResult r = CheckSubmission(state, options, s, sundayNoon);
    ASSERT_EQ(r.Outcome, SubmitOutcome::Saved) << (r.Errors.empty() ? "" : r.Errors[0].Message);
    EXPECT_EQ(PickOf(r.Record, 1, a), Team("ATL"));
    EXPECT_EQ(PointsOf(r.Record, 1, a), 11);
    EXPECT_EQ(r.Record.Tiebreak[0], 44);
    // Letters in a points box are not taken as a number.
    const Submission bad = SubmissionFromForm({{"week", "1"}, {"g" + g, "PIT"}, {"c" + g, "1e1"}}, "Ann Smith");
    EXPECT_EQ(CheckSubmission(state, options, bad, sundayNoon).Outcome, SubmitOutcome::BadRequest);
}

TEST_F(PicksSite2024, TheAuditLineNamesWhoWhenWhereAndEachChangeOnOneLine) {
    const int a = SlotOf(state, 1, "PIT", "ATL");
    state.Members[0].Name = FitName("Ann\nfake=1");
    const SubmitResult r =
        CheckSubmission(state, options, {"Ann\nfake=1", "493817", 1, {{"PIT@ATL", "PIT", 15}}, 33}, sundayNoon);
    ASSERT_EQ(r.Outcome, SubmitOutcome::Saved);
    const std::string line = AuditLine(state, r, "10.0.0.7", sundayNoon);
    EXPECT_EQ(line, "2024-09-08T12:00:00-04:00 member=\"Ann\\nfake=1\" address=\"10.0.0.7\" week=1 changes: game " +
                        std::to_string(a + 1) + " -/0->PIT/15; tiebreak 0->33");
    EXPECT_EQ(line.find("493817"), std::string::npos);
}

TEST(SignInThrottle, FiveFailuresForAMemberOrAnAddressHoldOffFurtherTriesForFifteenMinutes) {
    const SiteTime t0 = Utc(2024, 9, 8, 12, 0);
    {
        SignInThrottle th;
        for (int i = 0; i < 4; ++i) th.Failed("Ann Smith", "10.0.0." + std::to_string(i), t0 + minutes(i));
        EXPECT_FALSE(th.RetryAfter("Ann Smith", "10.0.0.9", t0 + minutes(4)));
        th.Failed(" ANN SMITH ", "10.0.0.4", t0 + minutes(4));  // same member in other letters
        EXPECT_EQ(th.RetryAfter("ann smith", "10.0.0.9", t0 + minutes(4)), 11 * 60);
        EXPECT_EQ(th.RetryAfter("Ann Smith", "10.0.0.9", t0 + minutes(14) + seconds(59)), 1);
        EXPECT_FALSE(th.RetryAfter("Ann Smith", "10.0.0.9", t0 + minutes(15)));  // the first failure has aged out
        EXPECT_FALSE(th.RetryAfter("Bob Jones", "10.0.0.9", t0 + minutes(5)));
    }
    {
        SignInThrottle th;  // one address trying many names
        for (int i = 0; i < 5; ++i) th.Failed("member " + std::to_string(i), "192.168.1.50", t0 + seconds(i));
        EXPECT_EQ(th.RetryAfter("somebody else", "192.168.1.50", t0 + seconds(10)), 900 - 10);
        EXPECT_FALSE(th.RetryAfter("somebody else", "192.168.1.51", t0 + seconds(10)));
        EXPECT_FALSE(th.RetryAfter("somebody else", "192.168.1.50", t0 + seconds(900)));
    }
    {
        SignInThrottle th;  // failures spread beyond the window never add up to five
        for (int i = 0; i < 10; ++i) th.Failed("Ann", "a", t0 + minutes(4 * i));
        EXPECT_FALSE(th.RetryAfter("Ann", "a", t0 + minutes(37)));
    }
}

}  // namespace
}  // namespace gm
