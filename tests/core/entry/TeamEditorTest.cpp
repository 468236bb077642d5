#include <gtest/gtest.h>

#include "core/data/Settings.h"
#include "core/entry/TeamEditor.h"
#include "support/TempDir.h"

namespace gm {
namespace {

constexpr int kTennessee = 12;

struct TeamFixture : ::testing::Test {
    test::TempDir dir;
    AppState state{dir.path()};
    std::filesystem::path Ini() const { return dir / "Vask97.ini"; }
    void SetUp() override { LoadTeamTables(state); }
};

TEST(TeamText, TrimmedAndCut) {
    EXPECT_EQ(CleanTeamText("  Nashvilleabcdefghijk  ", kTeamNameMax), "Nashvilleabcd");
    EXPECT_EQ(CleanTeamText("Nash", kTeamAbbrMax), "Nas");
    EXPECT_EQ(CleanTeamText("   ", kTeamNameMax), "");
    EXPECT_EQ(CleanTeamText("Zürich", 3), "Zür");
}

TEST(TeamText, ListLineColumns) {
    EXPECT_EQ(TeamListLine({"Tennessee", "Oilers", "Ten", "Oil"}),
              "Tennessee       Ten     Oilers        Oil");
    // Columns count characters, not bytes.
    EXPECT_EQ(TeamListLine({"Zürich", "Lions", "Zür", "Lio"}).find("Zür     Lions"), 16u + 1u);
}

TEST_F(TeamFixture, RenamingOneLocationWritesOnlyThatKey) {
    TeamEditor editor(state.Teams);
    EXPECT_TRUE(editor.Edit(kTennessee, {"  Nashville Music City  ", "Oilers", "Ten", "Oil"}));
    EXPECT_EQ(editor.Names(kTennessee)[kCityField], "Nashville Mus");
    EXPECT_TRUE(editor.TeamsChanged());
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Tennessee");  // live table waits for Save

    ASSERT_TRUE(editor.Save(state));
    EXPECT_EQ(test::ReadFile(Ini()), "[Team Location]\r\n12=Nashville Mus\r\n");
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Nashville Mus");
    EXPECT_EQ(state.Teams.TeamName[kTennessee], "Oilers");
}

TEST_F(TeamFixture, AbbreviationsKeepThreeLetters) {
    TeamEditor editor(state.Teams);
    editor.Edit(kTennessee, {"Tennessee", "Oilers", "Tenn", "Tita"});
    ASSERT_TRUE(editor.Save(state));
    EXPECT_EQ(state.Teams.TeamCityAbbr[kTennessee], "Ten");
    EXPECT_EQ(state.Teams.TeamNameAbbr[kTennessee], "Tit");
    EXPECT_EQ(test::ReadFile(Ini()), "[Team Name Abr]\r\n12=Tit\r\n");
}

TEST_F(TeamFixture, RetypingTheOldNamesIsNoChange) {
    TeamEditor editor(state.Teams);
    editor.Edit(3, {" Baltimore", "Ravens", "Bal", "Rav "});
    EXPECT_FALSE(editor.TeamsChanged());
    ASSERT_TRUE(editor.Save(state));
    EXPECT_FALSE(std::filesystem::exists(Ini()));

    // Blanks around the nickname count as a change, as they always have.
    editor.Edit(3, {"Baltimore", " Ravens ", "Bal", "Rav"});
    EXPECT_TRUE(editor.TeamsChanged());
}

TEST_F(TeamFixture, ResetRestoresTheBuiltInNames) {
    TeamEditor editor(state.Teams);
    editor.Edit(kTennessee, {"Nashville", "Titans", "Nas", "Tit"});
    ASSERT_TRUE(editor.Save(state));
    ASSERT_TRUE(state.Settings.Write("Options", "PSEntrys", "Favorite"));

    ASSERT_TRUE(TeamEditor::Reset(state));
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Tennessee");
    EXPECT_EQ(state.Teams.TeamName[kTennessee], "Oilers");
    EXPECT_EQ(state.Teams.TeamCityAbbr[kTennessee], "Ten");
    EXPECT_EQ(state.Teams.TeamNameAbbr[kTennessee], "Oil");
    const std::string ini = test::ReadFile(Ini());
    EXPECT_EQ(ini.find("Team"), std::string::npos) << ini;
    EXPECT_NE(ini.find("PSEntrys=Favorite"), std::string::npos) << ini;
}

TEST_F(TeamFixture, NamesOutsideWindows1252AreKeptWithQuestionMarks) {
    TeamEditor editor(state.Teams);
    EXPECT_FALSE(editor.Edit(1, {"Kraków", "Łosie", "Kra", "Łos"}));
    EXPECT_EQ(editor.Names(1)[kNameField], "?osie");
    EXPECT_TRUE(editor.Edit(1, {"Zürich", "Löwen", "Zür", "Löw"}));
    ASSERT_TRUE(editor.Save(state));
    EXPECT_EQ(state.Teams.TeamCity[1], "Zürich");
    EXPECT_NE(test::ReadFile(Ini()).find("1=Z\xFCrich"), std::string::npos);
}

TEST_F(TeamFixture, AFailedSaveKeepsTheEditsForAnotherTry) {
    TeamEditor editor(state.Teams);
    editor.Edit(kTennessee, {"Nashville", "Titans", "Nas", "Tit"});
    // A folder where the settings file should be: every write fails (even for root).
    std::filesystem::create_directory(Ini());
    const Status failed = editor.Save(state);
    std::filesystem::remove(Ini());
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.message.find("Vask97.ini"), std::string::npos) << failed.message;
    EXPECT_EQ(state.Teams.TeamCity[kTennessee], "Tennessee");
    EXPECT_TRUE(editor.TeamsChanged());

    ASSERT_TRUE(editor.Save(state));
    EXPECT_EQ(state.Teams.TeamName[kTennessee], "Titans");
}

}  // namespace
}  // namespace gm
