#include <gtest/gtest.h>

#include "core/data/Settings.h"
#include "core/shell/OptionsForm.h"
#include "support/TempDir.h"

namespace gm {
namespace {

TEST(OptionsForm, OpensOnTheDefaults) {
    test::TempDir dir;
    AppState state(dir.path());
    const OptionsControls c = OptionsFromState(state);
    EXPECT_FALSE(c.ckPS);
    EXPECT_TRUE(c.OpUnd);
    EXPECT_EQ(c.OpSort, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(c.OpCPts, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(c.OpTBMethod, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_TRUE(c.ckMondayAlso);
    EXPECT_EQ(c.OpTb, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(c.OpWBack, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(c.txtTitle, "The Acme Office Pool");
    EXPECT_FALSE(CheckOptions(c).has_value());
}

TEST(OptionsForm, ValuesOutsideTheirSetsShowTheFallbacks) {
    test::TempDir dir;
    AppState state(dir.path());
    state.PointSpreads = "yes";
    state.PSEntrys = "x";
    state.MondayPts = "";
    state.MaxCPoints = "?";
    state.PoolSort = "Bogus";
    state.TBMethod = "Coin";
    state.Color = "RGB";
    const OptionsControls c = OptionsFromState(state);
    EXPECT_FALSE(c.ckPS);
    EXPECT_TRUE(c.OpFav);
    EXPECT_EQ(c.OpTb, (std::array<bool, 2>{false, false}));
    EXPECT_EQ(c.OpCPts, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(c.OpSort, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(c.OpTBMethod, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_FALSE(c.ckMondayAlso);
    EXPECT_EQ(c.OpWBack, (std::array<bool, 2>{false, true}));
}

TEST(OptionsForm, TiebreakLinkage) {
    OptionsControls c;
    ChooseTBMethod(c, 3);
    EXPECT_FALSE(c.ckMondayAlso);

    ChooseTb(c, 1);  // a Monday measure brings the Monday tiebreaker back
    EXPECT_TRUE(c.ckMondayAlso);
    EXPECT_FALSE(c.OpTBMethod[3]);
    EXPECT_EQ(c.OpTb, (std::array<bool, 2>{false, true}));

    ChooseTBMethod(c, 0);
    EXPECT_TRUE(c.ckMondayAlso);
    ChooseTBMethod(c, 3);  // no tiebreakers: nothing Monday is left
    EXPECT_FALSE(c.ckMondayAlso);
    EXPECT_EQ(c.OpTb, (std::array<bool, 2>{false, false}));

    SetMondayAlso(c, true);
    EXPECT_FALSE(c.OpTBMethod[3]);
    ASSERT_TRUE(CheckOptions(c).has_value());
    EXPECT_EQ(CheckOptions(c)->Title, "Missing Data");
    EXPECT_EQ(CheckOptions(c)->Text,
              "You need to specify if the Monday Nite Tiebreaker\nuses Total Points or Winning Margin. ");

    ChooseTBMethod(c, 0);
    ChooseTb(c, 0);
    SetMondayAlso(c, false);  // unchecking drops the Monday first tiebreaker too
    EXPECT_FALSE(c.OpTBMethod[0]);
    EXPECT_EQ(c.OpTb, (std::array<bool, 2>{false, false}));
    EXPECT_FALSE(CheckOptions(c).has_value());
}

TEST(OptionsForm, ChangeDetection) {
    test::TempDir dir;
    AppState state(dir.path());
    const OptionsControls opened = OptionsFromState(state);
    OptionsControls c = opened;
    EXPECT_FALSE(OptionsChanged(c, opened, state));
    c.txtTitle = "The Acme Office Pool ";
    EXPECT_TRUE(OptionsChanged(c, opened, state));
    c = opened;
    ChooseSort(c, 0);
    EXPECT_TRUE(OptionsChanged(c, opened, state));
    ChooseSort(c, 2);
    EXPECT_FALSE(OptionsChanged(c, opened, state));
}

TEST(OptionsForm, NoTiebreakersWritesEveryKeyInOrder) {
    test::TempDir dir;
    AppState state(dir.path());
    OptionsControls c = OptionsFromState(state);
    ChooseTBMethod(c, 3);
    c.txtTitle = "  Friday Pool  ";
    c.ckPS = true;
    ChooseWBack(c, 1);
    ASSERT_TRUE(ApplyOptions(state, c).ok());
    EXPECT_EQ(state.Title, "Friday Pool");
    EXPECT_EQ(test::ReadFile(dir / "Vask97.ini"),
              "[Options]\r\nPoolSort=Confidence\r\nMondayPts=NotUsed\r\nPointSpreads=Yes\r\n"
              "MaxCPoints=GamesPlayed\r\nTBMethod=NotUsed\r\nSecondaryTB=None\r\nPSEntrys=Underdog\r\n\r\n"
              "[WebPage]\r\nTitle=Friday Pool\r\nColor=WB\r\n");
}

TEST(OptionsForm, AFailedWriteKeepsItsReasonAndSaysTheOptionsStillHold) {
    EXPECT_EQ(OptionsNotSavedText("Vask97.ini is read-only."),
              "Vask97.ini is read-only.\nThe options are used for this session but were not saved.");
}

}  // namespace
}  // namespace gm
