#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "core/analysis/fixtures/PoolAnalystFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "support/SendOutputTo.h"
#include "ui/analysis/frmOddEnd.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Fixture {
    explicit Fixture(int week = 3) : pool(week) {}
    test::AnalysisFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

std::vector<std::string> ListLines(QWidget& window) {
    std::vector<std::string> lines;
    auto* list = window.findChild<QListWidget*>("lstPlayer");
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

QRadioButton* Option(QWidget& window, const QString& name) { return window.findChild<QRadioButton*>(name); }

TEST(frmOddEnd, GroupsTeamModeAndWeek) {
    Fixture f;
    frmOddEnd window(f.ctx);
    EXPECT_EQ(window.windowTitle(), "The Pool Analyst");
    EXPECT_TRUE(Option(window, "opPick0")->isChecked());
    EXPECT_TRUE(Option(window, "opWhichGames0")->isChecked());
    EXPECT_EQ(window.findChild<QGroupBox*>("frHeading")->title(), ". Vadorurizizs        W    L   T    Pct.   Pts.");
    auto* teams = window.findChild<QComboBox*>("cboTeam");
    ASSERT_EQ(teams->count(), 30);
    EXPECT_EQ(teams->currentText(), "Arizona");
    EXPECT_EQ(ListLines(window), window.Model().Lines());
    EXPECT_EQ(window.findChild<QLabel*>("lblWeek")->text(), "3");

    Option(window, "opPick2")->click();  // NFC East
    EXPECT_EQ(window.Model().Group(), 2);
    EXPECT_EQ(ListLines(window)[0].substr(0, 3), "Ben");

    // A team clears the group options; the mode then keeps the team.
    teams->setCurrentIndex(teams->findText("Dallas"));
    window.findChild<QPushButton*>("cmdTeam")->click();
    for (int i = 0; i < PoolAnalyst::kGroupCount; ++i)
        EXPECT_FALSE(Option(window, QString("opPick%1").arg(i))->isChecked()) << i;
    Option(window, "opWhichGames1")->click();
    EXPECT_EQ(window.Model().Team(), test::team::Dal);
    EXPECT_EQ(window.Model().CurrentMode(), PoolAnalyst::Mode::WhenBettingOn);
    EXPECT_EQ(ListLines(window), window.Model().Lines());
    EXPECT_EQ(ListLines(window)[0].substr(19), "  1    1   0   50.0     4.0");  // Ann took Dallas twice

    // Choosing a team in the box is enough.
    teams->setCurrentIndex(teams->findText("Denver"));
    emit teams->activated(teams->currentIndex());
    EXPECT_EQ(window.Model().Team(), test::team::Den);

    auto* spin = window.findChild<SpinButton*>("SpinButton1");
    emit spin->SpinDown();
    emit spin->SpinDown();
    emit spin->SpinDown();  // refused at week 1
    EXPECT_EQ(window.findChild<QLabel*>("lblWeek")->text(), " 1");
    EXPECT_EQ(f.pool.State.CurrentWeek, 1);
    EXPECT_EQ(ListLines(window), window.Model().Lines());
}

TEST(frmOddEnd, PrintWritesTheTextFileAndPrints) {
    Fixture f;
    frmOddEnd window(f.ctx);
    test::ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.pool.Dir / "TxtFiles" / "Poolpros.txt"), TextFileBytes(window.Model().TextFile().Lines));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "The Pool Analyst");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A text file named Poolpros.txt has been created.");

    const test::PdfPrinter printer(f.ctx, f.pool.Dir / "analyst.pdf");
    test::ChooseOutput("OpPrinter", 1);
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(f.prompts.Asked().size(), 1u);
    const std::string text = printer.Text();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("The Pool Analyst: Week 3"), std::string::npos) << text;
    EXPECT_NE(text.find("Category: In Games Involving All Teams"), std::string::npos) << text;
    // The first line of the list: Ann, 2-2-2, 50.0 per cent and 10 points.
    const auto ann = text.find("Ann");
    ASSERT_NE(ann, std::string::npos) << text;
    const std::string line = text.substr(ann, text.find('\n', ann) - ann);
    EXPECT_NE(line.find("50.0"), std::string::npos) << line;
    EXPECT_NE(line.find("10.0"), std::string::npos) << line;
}

TEST(frmOddEnd, HelpOpensItsOwnPage) {
    Fixture f{};
    std::vector<QString> urls;
    f.ctx.OpenUrl = [&](const QString& url) {
        urls.push_back(url);
        return true;
    };
    frmOddEnd window(f.ctx);
    window.findChild<QPushButton*>("cmdHelp")->click();
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].endsWith("/docs/poolanalyst.html")) << urls[0].toStdString();
}

}  // namespace
}  // namespace gm::ui
