#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>

#include <cerrno>

#include "Fixture.h"
#include "core/data/FileIO.h"
#include "ui/shell/frmBgColor.h"

namespace gm::ui {
namespace {

// A full disk while "Save As Startup Color" writes the settings: the user is
// told which file and why, the scheme stays in force for this run, and no
// settings file appears.
TEST(BgColorDialog, AFailedSaveIsToldAndTheSchemeStaysForTheRun) {
    test::ShellFixture f(1LL << 24);
    frmBgColor d(*f.ctx);
    d.findChild<QRadioButton*>("OpColor10")->click();
    {
        ScopedSaveFault full([](SaveStep step, const fs::path&) { return step == SaveStep::Write ? ENOSPC : 0; });
        d.findChild<QPushButton*>("cmdSave")->click();
    }
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    const auto& box = f.prompts.Asked()[0];
    EXPECT_EQ(box.Icon, PromptIcon::Exclamation);
    EXPECT_EQ(box.Title, "Set Main BackGround Colors");
    EXPECT_TRUE(box.Text.contains("\"Vask97.ini\"")) << box.Text.toStdString();
    EXPECT_TRUE(box.Text.contains("No space left on device")) << box.Text.toStdString();
    EXPECT_EQ(f.state->ColorScheme, 11);
    EXPECT_FALSE(std::filesystem::exists(f.state->Settings.path()));
    for (const auto& entry : std::filesystem::directory_iterator(f.state->DataFolder))
        EXPECT_FALSE(IsSaveTemporary(entry.path().filename().string())) << entry.path();
}

}  // namespace
}  // namespace gm::ui
