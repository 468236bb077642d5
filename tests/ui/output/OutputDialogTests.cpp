#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <memory>

#include "support/TempDir.h"
#include "ui/output/CopyCountBox.h"
#include "ui/output/frmAPrint.h"
#include "ui/output/frmCopies.h"
#include "ui/output/frmPNFLResults.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Fixture {
    test::TempDir dir;
    AppState state{dir.path()};
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};
};

template <typename T = QWidget>
T* Find(QWidget& w, const char* name) {
    auto* found = w.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

bool IncompleteDataShown(const ScriptedPrompter& prompts, const QString& what) {
    if (prompts.Asked().size() != 1) return false;
    const auto& r = prompts.Asked().front();
    return r.Icon == PromptIcon::Exclamation && r.Title == "Incomplete Data" &&
           r.Text == "You need to specify the number\r\nof " + what + " to print";
}

TEST(SendOutputTo, OkNeedsADestinationAndACopyCountForThePrinter) {
    Fixture f;
    frmPNFLResults dialog(f.ctx);
    auto* ok = Find<QPushButton>(dialog, "cmdOK");
    EXPECT_EQ(Find<QLabel>(dialog, "lblCopies")->text(), "0");

    ok->click();  // nothing chosen: stays open, says nothing
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(f.prompts.Asked().empty());

    Find<QRadioButton>(dialog, "OpPrinter")->click();
    ok->click();  // printer with a count of 0
    EXPECT_TRUE(IncompleteDataShown(f.prompts, "copies"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.Request().OutPrinter);

    Find<QScrollBar>(dialog, "hsbCopies")->setValue(3);
    EXPECT_EQ(Find<QLabel>(dialog, "lblCopies")->text(), "3");
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const OutputRequest& out = dialog.Request();
    EXPECT_TRUE(out.OutPrinter);
    EXPECT_EQ(out.NumCopies, 3);
    EXPECT_FALSE(out.OnePerPlayer);
    EXPECT_FALSE(out.OutTextFile || out.OutClipboard || out.OutWebPage);
}

TEST(SendOutputTo, EachDestinationSetsOnlyItsFlag) {
    struct Case {
        const char* option;
        bool OutputRequest::*flag;
    };
    for (const Case c :
         {Case{"OpText", &OutputRequest::OutTextFile}, Case{"OpClipboard", &OutputRequest::OutClipboard},
          Case{"OpWeb", &OutputRequest::OutWebPage}}) {
        Fixture f;
        frmPNFLResults dialog(f.ctx);
        Find<QRadioButton>(dialog, c.option)->click();
        Find<QPushButton>(dialog, "cmdOK")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.option;
        const OutputRequest& out = dialog.Request();
        EXPECT_EQ(out.OutTextFile + out.OutClipboard + out.OutWebPage + out.OutPrinter, 1) << c.option;
        EXPECT_TRUE(out.*c.flag) << c.option;
    }
}

TEST(SendOutputTo, CopyControlsShowOnlyForThePrinterAndOnePerPlayerHidesTheCount) {
    Fixture f;
    frmPNFLResults dialog(f.ctx);
    auto* bar = Find<QScrollBar>(dialog, "hsbCopies");
    auto* count = Find<QLabel>(dialog, "lblCopies");
    auto* select = Find<QLabel>(dialog, "lblSelect");
    auto* one = Find<QCheckBox>(dialog, "ckOnePerPlayer");
    auto shown = [&] {
        return std::vector<bool>{!select->isHidden(), !bar->isHidden(), !count->isHidden(), !one->isHidden()};
    };
    const std::vector<bool> all(4, true), none(4, false);

    EXPECT_EQ(shown(), none);
    Find<QRadioButton>(dialog, "OpPrinter")->click();
    EXPECT_EQ(shown(), all);
    Find<QRadioButton>(dialog, "OpText")->click();
    EXPECT_EQ(shown(), none);
    Find<QRadioButton>(dialog, "OpPrinter")->click();

    bar->setValue(4);
    one->click();  // checked: count blanked, only the check box stays
    EXPECT_EQ(count->text(), "");
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, false, true}));
    one->click();  // unchecked: back to 0
    EXPECT_EQ(shown(), all);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(count->text(), "0");

    one->click();
    bar->setValue(2);  // a count clears the check and keeps the count
    EXPECT_FALSE(one->isChecked());
    EXPECT_EQ(bar->value(), 2);
    EXPECT_EQ(shown(), all);

    one->click();
    Find<QPushButton>(dialog, "cmdOK")->click();  // one per player needs no count
    EXPECT_TRUE(f.prompts.Asked().empty());
    EXPECT_TRUE(dialog.Request().OutPrinter);
    EXPECT_TRUE(dialog.Request().OnePerPlayer);
    EXPECT_EQ(dialog.Request().NumCopies, 0);
}

// Hidden controls give their room back: the dialogs close up around what is
// shown, the OK row straight after the last control shown.
TEST(OutputDialogs, HiddenCopyControlsLeaveNoEmptyRoom) {
    Fixture f;
    const auto height = [](QWidget& d) {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();  // layouts settle from the inside out
        return d.height();
    };
    // The most a dialog may be: what it shows, its margins and the spacing between.
    const auto closeFit = [](QWidget& d, std::initializer_list<QWidget*> shown) {
        const QMargins m = d.layout()->contentsMargins();
        int h = m.top() + m.bottom() + d.layout()->spacing() * static_cast<int>(shown.size());
        for (QWidget* w : shown) h += w->sizeHint().height();
        return h;
    };

    frmPNFLResults send(f.ctx);
    send.show();
    auto* ok = Find<QPushButton>(send, "cmdOK");
    const int destinationsOnly = height(send);
    EXPECT_LE(destinationsOnly, closeFit(send, {Find(send, "frOutput"), ok}));
    Find<QRadioButton>(send, "OpPrinter")->click();
    const int withCount = height(send);
    Find<QCheckBox>(send, "ckOnePerPlayer")->click();
    const int onePerPlayer = height(send);
    EXPECT_LT(destinationsOnly, onePerPlayer);
    EXPECT_LT(onePerPlayer, withCount);
    Find<QRadioButton>(send, "OpText")->click();
    EXPECT_EQ(height(send), destinationsOnly);

    frmCopies copies(f.ctx);
    copies.show();
    const int counting = height(copies);
    auto* one = Find<QCheckBox>(copies, "ckOnePerPlayer");
    one->click();
    EXPECT_LT(height(copies), counting);
    EXPECT_LE(height(copies), closeFit(copies, {one, Find(copies, "cmdOK")}));
}

// The count is set from the keyboard: Right adds one, Page Down five, Left and
// Page Up take them away.
TEST(CopyCount, KeyboardSetsTheCountInBothDialogs) {
    Fixture f;
    for (QDialog* dialog : std::initializer_list<QDialog*>{new frmPNFLResults(f.ctx), new frmCopies(f.ctx)}) {
        std::unique_ptr<QDialog> owner(dialog);
        if (auto* printer = dialog->findChild<QRadioButton*>("OpPrinter")) printer->click();
        auto* bar = Find<QScrollBar>(*dialog, "hsbCopies");
        auto press = [&](Qt::Key key) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(bar, &event);
        };
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        EXPECT_EQ(bar->value(), 2) << dialog->objectName().toStdString();
        press(Qt::Key_PageDown);
        EXPECT_EQ(bar->value(), 7);
        press(Qt::Key_Left);
        press(Qt::Key_PageUp);
        EXPECT_EQ(bar->value(), 1);
        EXPECT_EQ(Find<QLabel>(*dialog, "lblCopies")->text(), "1");
    }
}

TEST(SendOutputTo, CancelAndEscapeAskForNothing) {
    for (bool escape : {false, true}) {
        Fixture f;
        frmPNFLResults dialog(f.ctx);
        Find<QRadioButton>(dialog, "OpPrinter")->click();
        Find<QCheckBox>(dialog, "ckOnePerPlayer")->click();
        if (escape) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &key);
        }
        if (!escape) Find<QPushButton>(dialog, "cmdCancel")->click();
        const OutputRequest& out = dialog.Request();
        EXPECT_FALSE(out.OutPrinter || out.OutTextFile || out.OutClipboard || out.OutWebPage ||
                     out.OnePerPlayer);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST(ThreeDestinations, OkWithoutChoiceClosesAndCancelClears) {
    Fixture f;
    {
        frmAPrint dialog(f.ctx);
        EXPECT_EQ(dialog.findChild<QRadioButton*>("OpWeb"), nullptr);
        Find<QPushButton>(dialog, "cmdOK")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const OutputRequest& out = dialog.Request();
        EXPECT_FALSE(out.OutPrinter || out.OutTextFile || out.OutClipboard);
    }
    {
        frmAPrint dialog(f.ctx);
        Find<QRadioButton>(dialog, "OpClipboard")->click();
        Find<QPushButton>(dialog, "cmdOK")->click();
        EXPECT_TRUE(dialog.Request().OutClipboard);
        EXPECT_FALSE(dialog.Request().OutPrinter || dialog.Request().OutTextFile);
    }
    {
        frmAPrint dialog(f.ctx);
        Find<QRadioButton>(dialog, "OpClipboard")->click();
        Find<QPushButton>(dialog, "cmdCancel")->click();
        EXPECT_FALSE(dialog.Request().OutClipboard);
    }
}

TEST(Copies, CountOrOnePerPlayerBeforePrinting) {
    Fixture f;
    f.state.MemberCount = 12;
    frmCopies dialog(f.ctx);
    auto* bar = Find<QScrollBar>(dialog, "hsbCopies");
    auto* count = Find<QLabel>(dialog, "lblCopies");
    auto* one = Find<QCheckBox>(dialog, "ckOnePerPlayer");
    EXPECT_EQ(count->text(), "");

    Find<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_TRUE(IncompleteDataShown(f.prompts, "Picksheets"));
    EXPECT_FALSE(dialog.GoToPrinter());

    bar->setValue(5);
    EXPECT_EQ(count->text(), "5");
    EXPECT_EQ(dialog.Copies(), 5);
    one->click();
    EXPECT_EQ(dialog.Copies(), 12);
    EXPECT_TRUE(bar->isHidden() && count->isHidden());
    Find<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_TRUE(dialog.GoToPrinter());
    EXPECT_EQ(dialog.Copies(), 12);

    frmCopies cancelled(f.ctx);
    Find<QScrollBar>(cancelled, "hsbCopies")->setValue(3);
    Find<QPushButton>(cancelled, "cmdCancel")->click();
    EXPECT_EQ(cancelled.Copies(), 0);
    EXPECT_FALSE(cancelled.GoToPrinter());
}

}  // namespace
}  // namespace gm::ui
