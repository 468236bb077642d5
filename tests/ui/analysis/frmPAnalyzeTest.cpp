// The Player Analyst window: the member box, the week spins, the lists and
// labels it shows, and Print through its three-destination dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include "core/pool/fixtures/PoolFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "ui/analysis/frmPAnalyze.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct WindowFixture {
    explicit WindowFixture(const std::string& options = "") : pool(options) {
        std::filesystem::create_directory(pool.Dir / "TxtFiles");
        // Conference fields as schedule setup writes them.
        for (auto& week : pool.State.Games)
            for (auto& g : week) {
                g.HomeConference = static_cast<std::uint8_t>(TeamConference(g.HomeTeam));
                g.AwayConference = static_cast<std::uint8_t>(TeamConference(g.AwayTeam));
            }
    }
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

template <typename T>
T* Child(QWidget& w, const char* name) {
    auto* c = w.findChild<T*>(name);
    if (!c) ADD_FAILURE() << "no control " << name;
    return c;
}

std::vector<std::string> Lines(QWidget& w, const char* list) {
    std::vector<std::string> lines;
    auto* l = Child<QListWidget>(w, list);
    for (int i = 0; i < l->count(); ++i) lines.push_back(l->item(i)->text().toStdString());
    return lines;
}

// Answers the three-destination dialog once it is up.
void Choose(const char* option) {
    QTimer::singleShot(0, [option] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog to answer";
        if (dialog->objectName() != "frmAPrint") {
            dialog->reject();
            return ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
        }
        if (option) dialog->findChild<QRadioButton*>(option)->click();
        dialog->findChild<QPushButton*>(option ? "cmdOK" : "cmdCancel")->click();
    });
}

TEST(frmPAnalyze, OpensOnTheFirstMemberAndFollowsTheBoxAndSpins) {
    WindowFixture f("PoolSort=WinPct\r\n");
    frmPAnalyze window(f.ctx);
    auto* combo = Child<QComboBox>(window, "CboPlayer");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0).toStdString(), "Al Adams          ");
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(Child<QLabel>(window, "lblStart")->text(), "1");
    EXPECT_EQ(Child<QLabel>(window, "lblEnd")->text(), "3");
    EXPECT_EQ(Child<QLabel>(window, "lblWonLoss")->text(), "Gms     W   L T    Pct.");
    EXPECT_EQ(Child<QLabel>(window, "lblTeamHeadOA")->text(), " Teams         W  L T   Pct. ");
    EXPECT_EQ(Lines(window, "cboTeamOA"), window.Model().TeamLines(false));
    EXPECT_EQ(Lines(window, "cboTeamON").size(), 30u);
    EXPECT_EQ(Lines(window, "cboDivON").size(), 6u);
    // Straight up: Al won all five decided games but tied Green Bay's.
    EXPECT_EQ(Child<QLabel>(window, "lblOverall")->text(), "  5     4   0 1    90.0");
    EXPECT_EQ(Child<QLabel>(window, "lblNFCHome")->text(), "  3     2   0 1    83.3");

    combo->setCurrentIndex(3);  // Dee: no selections
    EXPECT_EQ(Child<QLabel>(window, "lblOverall")->text(), "  0     0   0 0     0.0");
    combo->setCurrentIndex(1);
    EXPECT_EQ(Child<QLabel>(window, "lblOverall")->text(), "  5     0   4 1    10.0");

    auto* end = Child<SpinButton>(window, "SpinButton2");
    emit end->SpinDown();
    emit end->SpinDown();
    EXPECT_EQ(Child<QLabel>(window, "lblEnd")->text(), " 1");
    EXPECT_EQ(f.pool.State.CurrentWeek, 1);
    EXPECT_EQ(Child<QLabel>(window, "lblOverall")->text(), "  3     0   3 0     0.0");
    emit end->SpinDown();  // refused at week 1
    EXPECT_EQ(window.Model().EndWeek(), 1);
    emit Child<SpinButton>(window, "SpinButton1")->SpinUp();  // start after end: empty
    EXPECT_EQ(Child<QLabel>(window, "lblStart")->text(), " 2");
    EXPECT_EQ(Child<QLabel>(window, "lblOverall")->text(), "  0     0   0 0     0.0");
    QString opened;
    f.ctx.OpenUrl = [&](const QString& url) {
        opened = url;
        return true;
    };
    Child<QPushButton>(window, "cmdHelp")->click();
    EXPECT_TRUE(opened.endsWith("panalyze.html")) << opened.toStdString();
}

// Both team lists show most of the teams at once, and both frames are filled
// down to their division lists.
TEST(frmPAnalyze, TeamListsShowMostTeamsAndFillTheirFrames) {
    WindowFixture f;
    frmPAnalyze window(f.ctx);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const auto& [teams, divisions] : {std::pair{"cboTeamOA", "cboDivOA"}, std::pair{"cboTeamON", "cboDivON"}}) {
        SCOPED_TRACE(teams);
        auto* list = Child<QListWidget>(window, teams);
        EXPECT_GE(list->viewport()->height() / list->visualItemRect(list->item(0)).height(), 17);
        auto* divisionList = Child<QListWidget>(window, divisions);
        auto* frame = qobject_cast<QGroupBox*>(divisionList->parent());
        ASSERT_TRUE(frame);
        EXPECT_LT(frame->height() - divisionList->geometry().bottom(), 30);
        EXPECT_EQ(divisionList->verticalScrollBar()->maximum(), 0);  // all six divisions
    }
}

TEST(frmPAnalyze, PrintWritesTheChosenDestinationOnly) {
    WindowFixture f;
    frmPAnalyze window(f.ctx);
    auto* print = Child<QPushButton>(window, "cmdPrint");

    Choose("OpText");
    print->click();
    const auto file = f.pool.Dir / "TxtFiles" / "Analyst.txt";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(test::ReadFile(file).find("Al Adams's Personalized Handicapping Record\r\n"), std::string::npos);
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "The Players Analyst");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A Handicapping text file named Analyst.txt\r\n was created.");

    // Cancel writes nothing.
    f.prompts.Clear();
    std::filesystem::remove(file);
    Choose(nullptr);
    print->click();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(f.prompts.Asked().empty());

    // The printer: one copy whatever the copy count says.
    const test::PdfPrinter printer(f.ctx, f.pool.Dir / "analyst.pdf");
    Choose("OpPrinter");
    print->click();
    ASSERT_TRUE(std::filesystem::exists(printer.File()));
    const std::string text = printer.Text();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(text.find("The Pool Players Analyst"), std::string::npos) << text;
    EXPECT_NE(text.find("Tallbrook Office Football Pools"), std::string::npos);
    EXPECT_EQ(text.find('\f'), text.rfind('\f'));  // one page
}

}  // namespace
}  // namespace gm::ui

namespace gm::ui {
namespace {

// A picture of the window as it opens, for a person to look at; runs only
// when GRIDMOOT_SCREENSHOTS names a folder.
TEST(Screenshots, PlayerAnalyst) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    WindowFixture f("PoolSort=Confidence\r\n");
    frmPAnalyze window(f.ctx);
    window.show();
    EXPECT_TRUE(window.grab().save(folder + "/panalyze.png"));
}

}  // namespace
}  // namespace gm::ui
