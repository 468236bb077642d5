#include <gtest/gtest.h>

#include <algorithm>

#include "core/data/PoolFile.h"
#include "core/members/Selections.h"
#include "support/BlockedFolder.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;

UnitRandom Fixed(std::vector<double> draws) {
    auto queue = std::make_shared<std::vector<double>>(std::move(draws));
    auto next = std::make_shared<std::size_t>(0);
    return [queue, next] { return (*queue)[(*next)++ % queue->size()]; };
}

TEST(ConfidenceRange, ForEachScale) {
    struct Case {
        int games;
        MaxCPointsKind scale;
        ConfidenceRange range;
    };
    const Case cases[] = {
        {13, MaxCPointsKind::MaxGames, {3, 15}}, {13, MaxCPointsKind::GamesPlayed, {1, 13}},
        {15, MaxCPointsKind::MaxGames, {1, 15}}, {15, MaxCPointsKind::GamesPlayed, {1, 15}},
        {1, MaxCPointsKind::MaxGames, {15, 15}}, {1, MaxCPointsKind::GamesPlayed, {1, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(ConfidenceRangeFor(c.games, c.scale), c.range) << c.games;
}

TEST(PointsText, FavouriteDecidesTheForm) {
    EXPECT_EQ(PointsText(0, 7), " +7");      // home favourite, away gets 7
    EXPECT_EQ(PointsText(3.5f, 0), "+3.5");  // away favourite
    EXPECT_EQ(PointsText(0, 0), " ");
    EXPECT_EQ(PointsText(2, 2), " ");
    EXPECT_EQ(PlainNumber(10.5f), "10.5");
    EXPECT_EQ(PlainNumber(99.5f), "99.5");
}

TEST(ShuffledValues, FisherYatesDrawsFromTheTop) {
    // j = int(0 * k) + 1 = 1 every time: position 1 is swapped with k for k = 4..1.
    EXPECT_EQ(ShuffledValues(4, Fixed({0.0})), (std::vector<int>{2, 3, 4, 1}));
    // j = k every time: nothing moves.
    EXPECT_EQ(ShuffledValues(4, Fixed({0.999})), (std::vector<int>{1, 2, 3, 4}));
    // A generator returning 1.0 stays inside the list.
    EXPECT_EQ(ShuffledValues(3, Fixed({1.0})), (std::vector<int>{1, 2, 3}));
    std::vector<int> v = ShuffledValues(15, ClockSeededRandom());
    std::sort(v.begin(), v.end());
    for (int i = 0; i < 15; ++i) EXPECT_EQ(v[static_cast<std::size_t>(i)], i + 1);
}

TEST(EntryRules, ConfidenceBoxKeepsAtMostTwoDigits) {
    struct Case {
        std::string_view text;
        int selStart, selLength, cursor;
        char digit;
        std::string_view result;
    };
    const Case cases[] = {
        {"", 0, 0, 0, '7', "7"},     {"1", 0, 0, 1, '2', "12"}, {"1", 0, 0, 0, '2', "21"},
        {"12", 0, 0, 2, '3', "23"},  {"12", 0, 2, 0, '9', "9"}, {"12", 1, 1, 1, '5', "15"},
        {"200", 0, 0, 3, '4', "04"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConfidenceAfterDigit(c.text, c.selStart, c.selLength, c.cursor, c.digit), c.result)
            << c.text;
    EXPECT_EQ(MondayEntryText("123"), "12");
    EXPECT_EQ(MondayEntryText("4a5"), "45");
    EXPECT_EQ(MondayEntryText(""), "");
    EXPECT_EQ(ByteBoxValue(""), 0);
    EXPECT_EQ(ByteBoxValue("07"), 7);
    EXPECT_EQ(ByteBoxValue("999"), 255);
}

// A season week 3 of 13 games (slots 0-12) with teams 2g+1 at home and 2g+2
// away; slot 0 even, slot 1 the away side gets 7, slot 2 the home side 3.5.
struct PicksFixture {
    TempDir dir;
    AppState state{dir.path()};

    PicksFixture() {
        for (int g = 0; g < 13; ++g) {
            GameRecord& game = state.Games[2][static_cast<std::size_t>(g)];
            game.HomeTeam = static_cast<std::uint8_t>(2 * g + 1);
            game.AwayTeam = static_cast<std::uint8_t>(2 * g + 2);
        }
        state.Games[2][1].AwaySpread = 7;
        state.Games[2][2].HomeSpread = 3.5f;
        MemberRecord a, b;
        a.Name = FitName("bob");
        b.Name = FitName("Alice");
        a.Picks[2][0] = 1;  // home
        a.Confidence[2][0] = 5;
        a.Picks[2][1] = 4;       // away
        a.Picks[2][3] = 30;      // neither team of that game
        a.Confidence[2][4] = 8;  // no selection: points go
        a.Confidence[5][5] = 77;
        a.Tiebreak[2] = 44;
        test::WriteFile(dir / "Pool97.dat", EncodePool(std::vector<MemberRecord>{a, b}));
        EXPECT_TRUE(LoadPool(state).ok());
    }
};

TEST(SelectionsModel, ChooserIsAlphabeticalAndSheetLoadsTheStoredWeek) {
    PicksFixture f;
    f.state.PSEntrys = "Favorite";
    SelectionsModel model(f.state);
    EXPECT_EQ(model.Order(), (std::vector<int>{1, 0}));  // Alice, bob
    // The chooser shows the 18-character name field, trailing blanks and all.
    EXPECT_EQ(model.ChooserName(1), "Alice             ");

    const Sheet s = model.Load(0, 3);
    EXPECT_EQ(s.GameCount, 13);
    EXPECT_EQ(s.Range, (ConfidenceRange{1, 13}));
    EXPECT_EQ(s.TiebreakText, "44");
    EXPECT_TRUE(s.Rows[12].Exists);
    EXPECT_FALSE(s.Rows[13].Exists);
    EXPECT_EQ(s.Rows[0].Choice, PickChoice::Home);
    EXPECT_EQ(s.Rows[0].ConfidenceText, "5");
    EXPECT_EQ(s.Rows[1].Choice, PickChoice::Away);
    EXPECT_EQ(s.Rows[3].Choice, PickChoice::Neither);
    EXPECT_EQ(s.Rows[4].Choice, PickChoice::None);
    EXPECT_EQ(s.Rows[4].ConfidenceText, "");
    // Captions: city names; the favourite carries the points under "Favorite".
    EXPECT_EQ(s.Rows[0].HomeCaption, "Arizona");
    EXPECT_EQ(s.Rows[0].AwayCaption, "Atlanta");
    EXPECT_EQ(s.Rows[1].HomeCaption, "Baltimore +7");
    EXPECT_EQ(s.Rows[1].AwayCaption, "Buffalo");
    EXPECT_EQ(s.Rows[2].AwayCaption, "Chicago+3.5");

    f.state.PSEntrys = "Underdog";
    SelectionsModel underdog(f.state);
    const Sheet u = underdog.Load(0, 3);
    EXPECT_EQ(u.Rows[1].HomeCaption, "Baltimore");
    EXPECT_EQ(u.Rows[1].AwayCaption, "Buffalo +7");
    EXPECT_EQ(u.Rows[2].HomeCaption, "Carolina+3.5");
}

TEST(SelectionsModel, AvailableListFollowsRangeAndUsedValues) {
    PicksFixture f;
    f.state.MaxCPoints = "MaxGames";
    SelectionsModel model(f.state);
    Sheet s = model.Load(1, 3);  // Alice: nothing entered
    EXPECT_EQ(s.Range, (ConfidenceRange{3, 15}));
    auto shown = AvailableValues(s);
    for (int v = 1; v <= 15; ++v) EXPECT_EQ(shown[v - 1], v >= 3) << v;
    s.Rows[0].ConfidenceText = "15";
    s.Rows[1].ConfidenceText = "3";
    s.Rows[13].ConfidenceText = "4";  // no game in that row: does not count
    shown = AvailableValues(s);
    EXPECT_FALSE(shown[14]);
    EXPECT_FALSE(shown[2]);
    EXPECT_TRUE(shown[3]);
}

TEST(SelectionsModel, StoringDetectsChangedEntries) {
    PicksFixture f;
    SelectionsModel model(f.state);
    Sheet s = model.Load(0, 3);
    s.Rows[3].Choice = PickChoice::Neither;  // stored as 0: differs from team 30
    s.Rows[0].ConfidenceText = "9";
    model.Store(s);
    EXPECT_TRUE(model.Changed());
    const Sheet again = model.Load(0, 3);  // edits live on in the working copy
    EXPECT_EQ(again.Rows[3].Choice, PickChoice::None);
    EXPECT_EQ(again.Rows[0].ConfidenceText, "9");

    // Points or a tiebreak typed alone are changes too, so Cancel asks before dropping them.
    SelectionsModel unchanged(f.state);
    unchanged.Store(unchanged.Load(1, 3));
    EXPECT_FALSE(unchanged.Changed());
    SelectionsModel points(f.state);
    Sheet t = points.Load(1, 3);
    t.Rows[0].ConfidenceText = "9";
    points.Store(t);
    EXPECT_TRUE(points.Changed());
    SelectionsModel tiebreak(f.state);
    t = tiebreak.Load(1, 3);
    t.TiebreakText = "31";
    tiebreak.Store(t);
    EXPECT_TRUE(tiebreak.Changed());
    EXPECT_EQ(tiebreak.Load(1, 3).TiebreakText, "31");
}

TEST(SelectionsModel, CommitSavesTheWeekInPlace) {
    PicksFixture f;
    SelectionsModel model(f.state);
    Sheet s = model.Load(1, 3);  // Alice, record 1
    s.Rows[0].Choice = PickChoice::Away;
    s.Rows[0].ConfidenceText = "13";
    s.Rows[12].Choice = PickChoice::Home;
    s.Rows[12].ConfidenceText = "1";
    s.TiebreakText = "37";
    model.Store(s);
    ASSERT_TRUE(model.Commit(f.state).ok());
    EXPECT_FALSE(model.Changed());

    const std::string bytes = ReadFile(f.dir / "Pool97.dat");
    ASSERT_EQ(bytes.size(), 2u * kMemberRecordSize);
    const std::size_t alice = kMemberRecordSize;
    auto at = [&](std::size_t offset) {
        return static_cast<int>(static_cast<unsigned char>(bytes[alice + offset]));
    };
    EXPECT_EQ(at(18 + 2 + 22 * 0), 2);
    EXPECT_EQ(at(370 + 2 + 22 * 0), 13);
    EXPECT_EQ(at(18 + 2 + 22 * 12), 25);
    EXPECT_EQ(at(370 + 2 + 22 * 12), 1);
    EXPECT_EQ(at(724 + 2), 37);
    // bob's sheet was never shown: his points on a game without a selection stay.
    EXPECT_EQ(static_cast<unsigned char>(bytes[370 + 2 + 22 * 4]), 8);
}

TEST(SelectionsModel, WithoutConfidencePointsStoredPointsStay) {
    PicksFixture f;
    f.state.PoolSort = "Wins";
    SelectionsModel model(f.state);
    Sheet s = model.Load(0, 3);
    s.Rows[0].ConfidenceText = "";
    s.Rows[0].Choice = PickChoice::Away;
    model.Store(s);
    ASSERT_TRUE(model.Commit(f.state).ok());
    const MemberRecord& bob = f.state.Members[0];
    EXPECT_EQ(bob.Picks[2][0], 2);
    EXPECT_EQ(bob.Confidence[2][0], 5);
    EXPECT_EQ(bob.Confidence[2][4], 8);
    EXPECT_EQ(bob.Confidence[5][5], 77);
}

TEST(SelectionsModel, ShownSheetDropsPointsOfGamesWithoutSelection) {
    PicksFixture f;
    SelectionsModel model(f.state);
    model.Store(model.Load(0, 3));
    ASSERT_TRUE(model.Commit(f.state).ok());
    EXPECT_EQ(f.state.Members[0].Confidence[2][4], 0);
    EXPECT_EQ(f.state.Members[0].Picks[2][3], 0);  // the stale selection went too
    EXPECT_EQ(f.state.Members[0].Confidence[5][5], 77);
}

TEST(SelectionsModel, FailedCommitKeepsTheMemberTable) {
    PicksFixture f;
    const std::string before = ReadFile(f.dir / "Pool97.dat");
    const auto members = f.state.Members;
    SelectionsModel model(f.state);
    Sheet s = model.Load(1, 3);
    s.Rows[0].Choice = PickChoice::Home;
    model.Store(s);
    Status st;
    {
        test::BlockedFolder blocked(f.dir.path());
        st = model.Commit(f.state);
    }
    EXPECT_FALSE(st.ok());
    EXPECT_TRUE(model.Changed());
    EXPECT_EQ(f.state.Members, members);
    EXPECT_EQ(ReadFile(f.dir / "Pool97.dat"), before);
}

TEST(QuickPicks, EachButton) {
    PicksFixture f;
    SelectionsModel model(f.state);
    const Sheet base = model.Load(1, 3);
    auto choices = [](const Sheet& s, int rows) {
        std::vector<PickChoice> out;
        for (int g = 0; g < rows; ++g) out.push_back(s.Rows[static_cast<std::size_t>(g)].Choice);
        return out;
    };
    using P = PickChoice;
    struct Case {
        QuickPick pick;
        std::vector<double> draws;
        std::vector<P> first3;
        bool changed;
    };
    const Case cases[] = {
        // Row 0 even, row 1 away gets points (home favourite), row 2 home gets points.
        {QuickPick::Favorites, {0}, {P::Home, P::Home, P::Away}, false},
        {QuickPick::Underdogs, {0}, {P::Away, P::Away, P::Home}, false},
        {QuickPick::Home, {0}, {P::Home, P::Home, P::Home}, false},
        {QuickPick::Away, {0}, {P::Away, P::Away, P::Away}, false},
        {QuickPick::Random, {0.2, 0.7, 0.49}, {P::Away, P::Home, P::Away}, true},
    };
    for (const Case& c : cases) {
        Sheet s = base;
        EXPECT_EQ(ApplyQuickPick(s, c.pick, Fixed(c.draws)), c.changed);
        EXPECT_EQ(choices(s, 3), c.first3) << static_cast<int>(c.pick);
        EXPECT_EQ(s.Rows[14].Choice,
                  (c.pick == QuickPick::Home || c.pick == QuickPick::Away) ? c.first3[0] : P::None);
    }
    Sheet s = base;
    ApplyQuickPick(s, QuickPick::Home, Fixed({0}));
    EXPECT_TRUE(ApplyQuickPick(s, QuickPick::Clear, Fixed({0})));
    EXPECT_EQ(choices(s, 15), std::vector<P>(15, P::None));
}

TEST(ConfidenceButtons, UnderBothScales) {
    PicksFixture f;
    SelectionsModel model(f.state);
    const Sheet base = model.Load(1, 3);  // 13 games
    auto values = [](const Sheet& s) {
        std::vector<std::string> out;
        for (const auto& r : s.Rows) out.push_back(r.ConfidenceText);
        return out;
    };
    auto expect = [](std::vector<int> v) {
        std::vector<std::string> out;
        for (int x : v) out.push_back(std::to_string(x));
        out.resize(15);
        return out;
    };
    struct Case {
        ConfidenceFill fill;
        MaxCPointsKind scale;
        std::vector<int> first;
    };
    const Case cases[] = {
        {ConfidenceFill::Ascend, MaxCPointsKind::MaxGames, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {ConfidenceFill::Ascend, MaxCPointsKind::GamesPlayed, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {ConfidenceFill::Descend, MaxCPointsKind::MaxGames, {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3}},
        {ConfidenceFill::Descend, MaxCPointsKind::GamesPlayed, {13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
        // Draws of 0: the shuffle of 1..13 becomes 2, 3, ..., 13, 1.
        {ConfidenceFill::Random, MaxCPointsKind::GamesPlayed, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1}},
        {ConfidenceFill::Random, MaxCPointsKind::MaxGames, {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 3}},
    };
    for (const Case& c : cases) {
        Sheet s = base;
        EXPECT_TRUE(ApplyConfidenceFill(s, c.fill, c.scale, Fixed({0})));
        EXPECT_EQ(values(s), expect(c.first)) << static_cast<int>(c.fill);
    }
    Sheet s = base;
    s.Rows[2].ConfidenceText = "0";
    EXPECT_FALSE(ApplyConfidenceFill(s, ConfidenceFill::Clear, MaxCPointsKind::GamesPlayed, Fixed({0})));
    s.Rows[2].ConfidenceText = "4";
    EXPECT_TRUE(ApplyConfidenceFill(s, ConfidenceFill::Clear, MaxCPointsKind::GamesPlayed, Fixed({0})));
    EXPECT_EQ(values(s), std::vector<std::string>(15));
}

TEST(ConfidenceChecks, DuplicatesAboveThenBelowAndRange) {
    PicksFixture f;
    SelectionsModel model(f.state);
    Sheet s = model.Load(1, 3);  // 1 to 13
    s.Rows[1].ConfidenceText = "7";
    s.Rows[5].ConfidenceText = "7";
    s.Rows[9].ConfidenceText = "7";
    s.Rows[13].ConfidenceText = "7";  // no game there
    s.Rows[6].ConfidenceText = "07";  // compared as text
    EXPECT_EQ(DuplicateRows(s, 5), (std::vector<int>{1, 9}));
    EXPECT_FALSE(OutsideRange(s, 5));
    s.Rows[5].ConfidenceText = "14";
    EXPECT_TRUE(OutsideRange(s, 5));
    s.Rows[5].ConfidenceText = "0";
    EXPECT_TRUE(OutsideRange(s, 5));
    s.Rows[5].ConfidenceText = "";
    EXPECT_FALSE(OutsideRange(s, 5));
    EXPECT_TRUE(DuplicateRows(s, 5).empty());
    EXPECT_EQ(RangeQuestion({3, 15}),
              "You should be entering a value between 3 and 15. Would you like to correct it ?");
}

}  // namespace
}  // namespace gm
