#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "core/nfl/fixtures/NflFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "support/SendOutputTo.h"
#include "ui/nfl/frmNFLResults.h"
#include "ui/nfl/frmTResults.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct ResultsWindowFixture {
    ResultsWindowFixture() {
        std::filesystem::create_directory(dir / "TxtFiles");
        std::filesystem::create_directory(dir / "Webpages");
    }
    test::TempDir dir;
    AppState state = test::NflFixtureState(dir.path(), 2);
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};
};

QString Text(QWidget& window, const QString& label) {
    auto* l = window.findChild<QLabel*>(label);
    if (!l) ADD_FAILURE() << "no label " << label.toStdString();
    return l ? l->text() : QString();
}

using test::ChooseOutput;
using test::PdfText;

TEST(frmNFLResults, ShowsTheWeekSpinsAndWritesItsTextFile) {
    ResultsWindowFixture f;
    frmNFLResults window(f.ctx);
    EXPECT_EQ(window.windowTitle(), " NFL  Results");
    EXPECT_EQ(Text(window, "lblWeek"), "2");
    EXPECT_EQ(Text(window, "lblWonT14"), "+6.5 ARIZONA");
    EXPECT_EQ(Text(window, "lblWon14"), "21");
    EXPECT_EQ(Text(window, "lblLost14"), "14");
    EXPECT_EQ(Text(window, "lblLostT14"), "Dallas");
    EXPECT_FALSE(window.findChild<QLabel*>("lblWonT2")->isVisibleTo(&window));  // two games and Monday night
    EXPECT_TRUE(window.findChild<QLabel*>("lblWonT1")->isVisibleTo(&window));

    auto* spin = window.findChild<SpinButton*>("SpinButton1");
    emit spin->SpinDown();
    EXPECT_EQ(Text(window, "lblWeek"), " 1");
    EXPECT_EQ(f.state.CurrentWeek, 1);
    EXPECT_EQ(Text(window, "lblWonT2"), "Arizona");
    EXPECT_TRUE(window.findChild<QLabel*>("lblWonT2")->isVisibleTo(&window));
    emit spin->SpinDown();  // refused at week 1
    EXPECT_EQ(Text(window, "lblWeek"), " 1");
    EXPECT_EQ(f.state.CurrentWeek, 1);

    ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.dir / "TxtFiles" / "NFLWk 1.txt"), TextFileBytes(window.Model().ResultsLines()));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "NFL Results Text File");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A text file named NFLWk 1.txt was created.");

    // The clipboard gets the same text and no message.
    ChooseOutput("OpClipboard");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), window.Model().Clipboard().Text);
    EXPECT_EQ(f.prompts.Asked().size(), 1u);
}

TEST(frmNFLResults, PrintsTheWeekOnThePrinter) {
    ResultsWindowFixture f;
    const test::PdfPrinter printer(f.ctx, f.dir / "week.pdf");
    frmNFLResults window(f.ctx);
    ChooseOutput("OpPrinter", 1);
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_TRUE(f.prompts.Asked().empty());
    const std::string text = printer.Text();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("NFL Results: Week 2"), std::string::npos) << text;
    EXPECT_NE(text.find("Monday Nite Game"), std::string::npos) << text;
    EXPECT_NE(text.find("NY GIANTS"), std::string::npos) << text;
    EXPECT_NE(text.find("Washington"), std::string::npos) << text;
    EXPECT_NE(text.find("+6.5"), std::string::npos) << text;
}

TEST(frmTResults, OpensOnResultsTeamChoosesTeamsAndTogglesTheSpreadColumn) {
    ResultsWindowFixture f;
    f.state.ResultsTeam = test::Dal - 1;
    auto window = std::make_unique<frmTResults>(f.ctx);
    auto* combo = window->findChild<QComboBox*>("Combo1");
    EXPECT_EQ(combo->count(), 30);
    EXPECT_EQ(combo->currentText(), "Dallas");
    EXPECT_EQ(combo->currentData().toInt(), test::Dal);
    auto* list = window->findChild<QListWidget*>("lstTResults");
    ASSERT_EQ(list->count(), 22);
    EXPECT_EQ(list->item(1)->text(), "Week  2  @ Arizona         14-21    1  1  0    LOST");
    EXPECT_EQ(Text(*window, "lblHome"), "2 - 0 - 0");
    EXPECT_EQ(Text(*window, "lblAway"), "0 - 1 - 0");
    EXPECT_EQ(Text(*window, "lblPS"), "1 - 1 - 1");
    EXPECT_EQ(Text(*window, "lblPointsFor"), "73");
    EXPECT_EQ(Text(*window, "lblAvgPA"), "16.0");

    auto* ck = window->findChild<QCheckBox*>("ckPSResults");
    auto* frame = window->findChild<QGroupBox*>("TFrame");
    EXPECT_TRUE(ck->isChecked());
    EXPECT_EQ(frame->title(), " Week       Opponent       Result   W- L- T  PS.Result ");
    const int wide = list->width();
    ck->click();
    EXPECT_EQ(frame->title(), " Week       Opponent       Result   W- L- T ");
    EXPECT_FALSE(window->findChild<QLabel*>("lblPS")->isVisibleTo(window.get()));
    EXPECT_LT(list->width(), wide);
    EXPECT_EQ(list->item(1)->text().right(4), "LOST");  // only the width hides the column

    combo->setCurrentIndex(test::Den - 1);
    EXPECT_EQ(Text(*window, "lblHome"), "1 - 0 - 0");
    EXPECT_EQ(list->item(0)->text().left(27), "Week  1  @ Buffalo         ");

    // Printed without the spread column to the text file, named after the team.
    ChooseOutput("OpText");
    window->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.dir / "TxtFiles" / "Den.txt"), TextFileBytes(window->Model().OutputLines()));
    EXPECT_EQ(window->Model().OutputLines()[3], " Week       Opponent       Result   W- L- T ");
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Denver Broncos Text File");

    // A hostile abbreviation: the page goes into Webpages under the team number.
    f.state.Teams.TeamCityAbbr[test::Den] = "../..";
    ChooseOutput("OpWeb");
    window->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_TRUE(std::filesystem::exists(f.dir / "Webpages" / "Team9.htm"));
    ASSERT_EQ(f.prompts.Asked().size(), 2u);
    EXPECT_TRUE(f.prompts.Asked()[1].Text.startsWith("A Web Page named Team9.htm was created."));

    // Closing puts ResultsTeam back to the first team.
    window->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(f.state.ResultsTeam, 0);
}

// With or without the spread column the frame keeps to its list, even in a
// window made wider, and the team caption shows whole.
TEST(frmTResults, TheFrameKeepsToItsListAndTheTeamCaptionShowsWhole) {
    ResultsWindowFixture f;
    frmTResults window(f.ctx);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* frame = window.findChild<QGroupBox*>("TFrame");
    auto* list = window.findChild<QListWidget*>("lstTResults");
    auto* caption = window.findChild<QLabel*>("lblTeam");
    ASSERT_TRUE(caption);
    for (const bool spread : {true, false}) {
        SCOPED_TRACE(spread ? "with the spread column" : "without it");
        window.findChild<QCheckBox*>("ckPSResults")->setChecked(spread);
        QTest::qWait(50);
        for (const int wider : {0, 300}) {
            window.resize(window.sizeHint().width() + wider, window.height());
            QTest::qWait(50);
            EXPECT_LE(frame->width(), list->width() + 40) << "window wider by " << wider;
            EXPECT_GE(caption->width(), caption->sizeHint().width());
            EXPECT_GE(frame->width(), frame->minimumSizeHint().width());  // its heading whole
        }
    }
}

TEST(frmTResults, EscapeClosesAndResetsTheTeam) {
    ResultsWindowFixture f;
    f.state.ResultsTeam = 5;
    frmTResults window(f.ctx);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(f.state.ResultsTeam, 0);
}

// Writes pictures of both windows on the real 1997 season for a person to
// look at; runs only when GRIDMOOT_SCREENSHOTS names a folder.
TEST(Screenshots, ResultsWindows) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    ResultsWindowFixture f;
    f.state.Games = test::RealSeason1997();
    f.state.CurrentWeek = 9;
    f.state.ResultsTeam = test::Den - 1;
    frmNFLResults week(f.ctx);
    week.show();
    EXPECT_TRUE(week.grab().save(folder + "/nflresults.png"));
    frmTResults team(f.ctx);
    team.show();
    EXPECT_TRUE(team.grab().save(folder + "/tresults.png"));
    team.findChild<QCheckBox*>("ckPSResults")->click();
    QTest::qWait(200);  // the window narrows once the window system has resized it
    EXPECT_TRUE(team.grab().save(folder + "/tresults-nospread.png"));
}

}  // namespace
}  // namespace gm::ui
