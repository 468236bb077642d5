#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "core/data/Settings.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "ui/output/frmCompact.h"
#include "ui/output/frmEzEntry.h"
#include "ui/output/frmNoExcuse.h"
#include "ui/output/frmStandard.h"
#include "ui/output/frmTearoff.h"
#include "ui/output/frmTopTen.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct WindowFixture {
    WindowFixture() { std::filesystem::create_directory(pool.Dir / "TxtFiles"); }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

template <typename T = QWidget>
T* Get(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void Click(QWidget& w, const char* name) { Get<QAbstractButton>(w, name)->click(); }

void TypeWeek(QWidget& w, const QString& text) {
    auto* box = Get<QLineEdit>(w, "txtWeek");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

TEST(PickSheetDialogs, OpenWithTheWeekAndStoredChoices) {
    WindowFixture f;
    f.pool.State.GroupBy = "HomeAway";
    f.pool.State.Team = "Name";
    f.pool.State.Comment = "Due Thursday";
    frmTopTen window(f.ctx);
    EXPECT_EQ(window.objectName(), "frmTopTen");
    EXPECT_EQ(Get<QLineEdit>(window, "txtWeek")->text(), "3");
    EXPECT_EQ(Get<QLineEdit>(window, "txtComment")->text(), "Due Thursday");
    EXPECT_TRUE(Get<QRadioButton>(window, "OpGroup1")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(window, "OpTName")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(window, "OpName1")->isChecked());
    EXPECT_EQ(Get<QLabel>(window, "lblNumCopies")->text(), "0");

    frmCompact compact(f.ctx);
    EXPECT_FALSE(compact.findChild<QRadioButton*>("OpOutput0"));  // printer only
    EXPECT_EQ(Get<QLabel>(compact, "lblSelect")->text(), "Select # of Picksheets to print");
    EXPECT_TRUE(compact.findChild<QLabel*>("lblTwoPerPage"));
}

TEST(PickSheetDialogs, NamesDestinationsAndCopyControls) {
    WindowFixture f;
    frmStandard window(f.ctx);
    window.show();
    auto* onePerPlayer = Get<QCheckBox>(window, "CkNum");
    auto* bar = Get<QScrollBar>(window, "hsbNumCopies");

    Click(window, "OpName0");  // YES: one per player, on the printer
    EXPECT_TRUE(onePerPlayer->isChecked());
    EXPECT_TRUE(onePerPlayer->isVisible());
    EXPECT_TRUE(Get<QRadioButton>(window, "OpOutput1")->isChecked());
    EXPECT_FALSE(bar->isVisible());

    Click(window, "OpOutput0");  // text file: no names, no copies
    EXPECT_TRUE(Get<QRadioButton>(window, "OpName1")->isChecked());
    EXPECT_FALSE(onePerPlayer->isVisible());
    EXPECT_FALSE(bar->isVisible());

    Click(window, "OpOutput1");
    Click(window, "OpName1");  // NO on the printer: the count comes back
    EXPECT_FALSE(onePerPlayer->isChecked());
    EXPECT_TRUE(bar->isVisible());

    // The spin moves the week and CurrentWeek, and beeps at 21.
    auto* spin = Get<SpinButton>(window, "SpinButton1");
    for (int i = 0; i < 25; ++i) emit spin->SpinUp();
    EXPECT_EQ(Get<QLineEdit>(window, "txtWeek")->text(), "21");
    EXPECT_EQ(f.pool.State.CurrentWeek, 21);

    // A new week asks for a new count...
    onePerPlayer->setChecked(true);
    TypeWeek(window, "4");
    EXPECT_EQ(f.pool.State.CurrentWeek, 4);
    EXPECT_FALSE(onePerPlayer->isChecked());
    // ...but a sheet with names stays one per member.
    Click(window, "OpName0");
    TypeWeek(window, "5");
    EXPECT_TRUE(onePerPlayer->isChecked());
}

TEST(PickSheetDialogs, OkRefusesIncompleteChoicesAndStaysOpen) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QDialog>(UiContext&)> make;
        std::function<void(QDialog&)> choose;
        int members;
        const char* title;
        std::string text;
    };
    const auto standard = [](UiContext& c) { return std::make_unique<frmStandard>(c); };
    const auto tearoff = [](UiContext& c) { return std::make_unique<frmTearoff>(c); };
    const auto compact = [](UiContext& c) { return std::make_unique<frmCompact>(c); };
    const auto noExcuse = [](UiContext& c) { return std::make_unique<frmNoExcuse>(c); };
    const auto nothing = [](QDialog&) {};
    const auto printer = [](QDialog& w) { Click(w, "OpOutput1"); };
    const auto onePerPlayer = [](QDialog& w) { Get<QCheckBox>(w, "CkNum")->setChecked(true); };
    const Case cases[] = {
        {"week out of range", standard, [](QDialog& w) { TypeWeek(w, "22"); }, 4, "Invalid Week",
         std::string(kBadWeekText)},
        {"week not a number", compact, [](QDialog& w) { TypeWeek(w, "x"); }, 4, "Invalid Week",
         std::string(kBadWeekText)},
        {"standard, no destination", standard, nothing, 4, "Incomplete Data",
         "You need to specify where\r\nyou want the output to go to."},
        {"standard, no copies", standard, printer, 4, "Incomplete Data",
         "You need to specify the number\r\nof copies to print."},
        {"tear-off, no destination", tearoff, nothing, 4, "Incomplete Data",
         "You need to specify where you want the output to go."},
        {"tear-off, no copies", tearoff, printer, 4, "Incomplete Data",
         "You need to specify the number\r\nof copies to print"},
        {"compact, no copies", compact, nothing, 4, "Incomplete Data",
         "You need to specify the number\r\nof Picksheets to print"},
        {"one per player, no members", noExcuse, onePerPlayer, 0, "Incomplete Data",
         std::string(kNoMembersSheetText)},
        {"names, no members", standard, [](QDialog& w) { Click(w, "OpName0"); }, 0, "Incomplete Data",
         std::string(kNoMembersSheetText)},
    };
    for (const auto& c : cases) {
        WindowFixture f;
        f.pool.State.MemberCount = c.members;
        auto window = c.make(f.ctx);
        window->show();
        c.choose(*window);
        Click(*window, "cmdOK");
        ASSERT_EQ(f.prompts.Asked().size(), 1u) << c.what;
        EXPECT_EQ(f.prompts.Asked()[0].Title.toStdString(), c.title) << c.what;
        EXPECT_EQ(f.prompts.Asked()[0].Text.toStdString(), c.text) << c.what;
        EXPECT_TRUE(window->isVisible()) << c.what;
        EXPECT_FALSE(std::filesystem::exists(f.pool.Dir / "TxtFiles" / "Pksht3.txt")) << c.what;
    }
}

TEST(PickSheetDialogs, TextFileStoresTheChoicesAndCloses) {
    WindowFixture f;
    frmTearoff window(f.ctx);
    window.show();
    TypeWeek(window, "2");
    Click(window, "OpGroup1");
    Click(window, "OpTName");
    auto* comment = Get<QLineEdit>(window, "txtComment");
    comment->setText("Sheets by Friday");
    QTest::keyClick(comment, Qt::Key_Return);  // swallowed: nothing is written yet
    EXPECT_TRUE(window.isVisible());
    Click(window, "OpOutput0");
    Click(window, "cmdOK");

    EXPECT_FALSE(window.isVisible());
    const std::string written = test::ReadFile(f.pool.Dir / "TxtFiles" / "Pksht2.txt");
    EXPECT_EQ(written, TextFileBytes(window.Model().TextFile().Lines));
    EXPECT_NE(written.find("_____  Falcons" + std::string(13, ' ') + "Cardinals"), std::string::npos) << written;
    EXPECT_NE(written.find("Sheets by Friday"), std::string::npos);
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Tear-Off Sheet Text File");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A text file named Pksht2.txt was created.");
    EXPECT_EQ(f.pool.State.CurrentWeek, 2);

    // The choices are in the settings file for next time.
    AppState reread(f.pool.Dir.path());
    EXPECT_EQ(ReadSetting(reread.Settings, keys::GroupBy), "HomeAway");
    EXPECT_EQ(ReadSetting(reread.Settings, keys::Team), "Name");
    EXPECT_EQ(ReadSetting(reread.Settings, keys::Comment), "Sheets by Friday");
}

TEST(frmEzEntry, OpensWithinTheSeasonAndSpins) {
    WindowFixture f;
    f.pool.State.CurrentWeek = 21;
    frmEzEntry window(f.ctx);
    EXPECT_EQ(Get<QLabel>(window, "lblWeek")->text(), "20");
    EXPECT_EQ(Get<QLabel>(window, "lblWeek2")->text(), "21");
    auto* spin = Get<SpinButton>(window, "SpinButton1");
    emit spin->SpinUp();
    EXPECT_EQ(Get<QLabel>(window, "lblWeek")->text(), "20");
    emit spin->SpinDown();
    EXPECT_EQ(Get<QLabel>(window, "lblWeek")->text(), "19");
    EXPECT_EQ(Get<QLabel>(window, "lblWeek2")->text(), "20");
    EXPECT_EQ(f.pool.State.CurrentWeek, 20);
}

}  // namespace
}  // namespace gm::ui
