// Both side games from the main window's menus, as the organiser reaches them.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include "core/pool/fixtures/PoolFixture.h"
#include "core/sidepools/SideFiles.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

// Runs `step` on the modal window named `form` once it shows.
void WhenShown(const QString& form, bool& ran, std::function<void(QDialog&)> step) {
    auto poll = std::make_shared<std::function<void(int)>>();
    *poll = [form, &ran, step, poll](int tries) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == form) {
            ran = true;
            step(*dialog);
            if (dialog->isVisible()) dialog->done(QDialog::Rejected);
            *poll = nullptr;
            return;
        }
        if (tries > 400) {
            if (dialog) dialog->done(QDialog::Rejected);
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(5, [poll, tries] {
            if (*poll) (*poll)(tries + 1);
        });
    };
    QTimer::singleShot(0, [poll] { (*poll)(0); });
}

TEST(SidePoolMenus, EveryItemEnablesAndOpensItsWindow) {
    test::PoolFixture pool;
    test::WriteFile(pool.Dir / "SBPlayer.dat", EncodeBoxPlayers({{FitName("Boxer"), 9}}));
    ScriptedPrompter prompts;
    WindowRegistry windows;
    RegisterSidePoolWindows(windows);
    UiContext ctx{pool.State, prompts};
    ctx.Windows = &windows;
    ctx.ScreenColorsOverride = 1LL << 24;
    frmMain main(ctx);

    struct Case {
        const char* item;
        const char* form;
    } cases[] = {{"PoolItem14", "frmOffBar"}, {"DigitItem0", "frmDPlayer"}, {"DigitItem1", "frmDPool"},
                 {"ReportItem4", "frmSBPrint"}};
    for (const auto& c : cases) {
        QAction* item = main.Item(c.item);
        ASSERT_NE(item, nullptr) << c.item;
        EXPECT_TRUE(item->isEnabled()) << c.item;
        bool ran = false;
        WhenShown(c.form, ran, [](QDialog& d) {
            if (auto* ok = d.findChild<QPushButton*>("cmdOK")) ok->click();
            else d.reject();
        });
        item->trigger();
        EXPECT_TRUE(ran) << c.form << " did not open from " << c.item;
    }
    EXPECT_TRUE(prompts.Asked().empty());
    // OK in the Sports Box saved its file and the counter.
    EXPECT_EQ(test::ReadFile(pool.Dir / "SportBox.Dat").size(), 42000u);
}

}  // namespace
}  // namespace gm::ui
