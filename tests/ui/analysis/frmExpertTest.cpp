#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>

#include "core/analysis/fixtures/PoolAnalystFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "support/SendOutputTo.h"
#include "ui/analysis/frmExpert.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct Fixture {
    explicit Fixture(int week) : pool(week) {}
    test::AnalysisFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
};

QString Text(QWidget& window, const QString& label) {
    auto* l = window.findChild<QLabel*>(label);
    EXPECT_NE(l, nullptr) << label.toStdString();
    return l ? l->text() : QString();
}

TEST(frmExpert, ShowsTheGamesAndStopsAtWeekFourWithTheMessage) {
    Fixture f(5);
    frmExpert window(f.ctx);
    EXPECT_EQ(window.windowTitle(), "The Pool Experts");
    EXPECT_EQ(Text(window, "lblWeek"), "5");
    EXPECT_EQ(Text(window, "lblGame0"), "");  // week 5 has no games

    auto* spin = window.findChild<SpinButton*>("SpinButton1");
    emit spin->SpinDown();
    EXPECT_EQ(f.pool.State.CurrentWeek, 4);
    EXPECT_EQ(Text(window, "lblWeek"), " 4");
    EXPECT_EQ(Text(window, "lblGame0"), "Phi at Dal");
    EXPECT_EQ(Text(window, "lblPlayer0").trimmed(), "Ben");
    EXPECT_EQ(Text(window, "lblRecord0"), " 2-1");
    EXPECT_EQ(Text(window, "lblPick0"), "Phi");
    EXPECT_EQ(Text(window, "lblWon0"), "No");
    EXPECT_EQ(Text(window, "lblWinner0") + Text(window, "lblWonScore0") + Text(window, "lblLoser0") +
                  Text(window, "lblLossScore0"),
              "Dal30Phi10");
    EXPECT_EQ(Text(window, "lblPick3"), "***");
    EXPECT_EQ(Text(window, "lblExpertWLT"), "1 - 1 - 0");
    EXPECT_EQ(Text(window, "lblExpertPct"), "50.00");
    EXPECT_EQ(Text(window, "lblPoolWLT"), "3 - 1 - 0");
    EXPECT_EQ(Text(window, "lblPoolPct"), "75.00");
    EXPECT_EQ(Text(window, "lblStats0"), "Week 4 Stats");
    EXPECT_EQ(Text(window, "lblRecordWeek"), "Expert Records are From Week 1 to Week 3");
    EXPECT_TRUE(f.prompts.Asked().empty());

    emit spin->SpinDown();  // at week 4: the message, nothing moves
    EXPECT_EQ(f.pool.State.CurrentWeek, 4);
    EXPECT_EQ(Text(window, "lblWeek"), " 4");
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "The Pool Experts");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A Minimum of Three Weeks of Data is Needed to Use This Display.");
}

TEST(frmExpert, PrintWritesTheTextFileAndPrints) {
    Fixture f(4);
    frmExpert window(f.ctx);
    test::ChooseOutput("OpText");
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(test::ReadFile(f.pool.Dir / "TxtFiles" / "Experts.txt"), TextFileBytes(window.Model().ReportLines()));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A text file named Experts.txt was created.");

    const test::PdfPrinter printer(f.ctx, f.pool.Dir / "experts.pdf");
    test::ChooseOutput("OpPrinter", 1);
    window.findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(f.prompts.Asked().size(), 1u);
    const std::string text = printer.Text();
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("The Pool Experts"), std::string::npos) << text;
    EXPECT_NE(text.find("Phi at Dal"), std::string::npos) << text;
    EXPECT_NE(text.find("Pool (Overall)"), std::string::npos) << text;
    EXPECT_NE(text.find("75.00"), std::string::npos) << text;
}

TEST(frmExpert, HelpOpensItsOwnPage) {
    Fixture f{4};
    std::vector<QString> urls;
    f.ctx.OpenUrl = [&](const QString& url) {
        urls.push_back(url);
        return true;
    };
    frmExpert window(f.ctx);
    window.findChild<QPushButton*>("cmdHelp")->click();
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_TRUE(urls[0].endsWith("/docs/poolexperts.html")) << urls[0].toStdString();
}

}  // namespace
}  // namespace gm::ui
