// The player graph window: the chart follows the member and the options,
// the boxes, "Wake Up!" without a member, printing and the picture file.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QValueAxis>
#include <algorithm>

#include "core/pool/fixtures/PoolFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "ui/analysis/frmPAnalyze.h"
#include "ui/analysis/frmPGraph.h"
#include "ui/analysis/frmPTape.h"
#include "ui/display/ChartView.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

struct WindowFixture {
    WindowFixture() { std::filesystem::create_directory(pool.Dir / "Webpages"); }
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

QString Box(QWidget& w, const char* name) { return Child<QLineEdit>(w, name)->text(); }

TEST(frmPGraph, ChartAndBoxesFollowTheMemberAndOptions) {
    WindowFixture f;
    frmPGraph window(f.ctx);
    EXPECT_EQ(Child<QComboBox>(window, "CboPlayer")->currentIndex(), -1);
    EXPECT_TRUE(Child<QRadioButton>(window, "OpMethod2")->isChecked());  // Win Pct.
    EXPECT_TRUE(Child<QRadioButton>(window, "OpType0")->isChecked());    // BAR
    EXPECT_EQ(Box(window, "TxtPlAvg"), "");

    Child<QComboBox>(window, "CboPlayer")->setCurrentIndex(0);
    QChart* chart = window.Chart()->chart();
    EXPECT_EQ(chart->title(), "Al Adams");
    auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(axis);
    EXPECT_EQ(axis->max(), 100);
    EXPECT_EQ(axis->tickCount(), 11);

    Child<QRadioButton>(window, "OpMethod0")->click();  // Wins
    axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    EXPECT_EQ(axis->max(), 15);
    EXPECT_EQ(axis->tickCount(), 16);
    auto* bars = qobject_cast<QBarSeries*>(chart->series().value(0));
    ASSERT_TRUE(bars);
    ASSERT_EQ(bars->count(), 2);
    EXPECT_EQ(bars->barSets()[0]->count(), 21);
    EXPECT_EQ(bars->barSets()[0]->at(0), 3);  // Al's week 1
    EXPECT_NEAR(bars->barSets()[1]->at(0), 5.0 / 3, 1e-9);  // the pool's average
    EXPECT_EQ(Box(window, "TxtPlAvg"), "1.3");
    EXPECT_EQ(Box(window, "TxtPoolAvg"), "0.9");
    EXPECT_EQ(Box(window, "txtPlTot"), "4");

    Child<QRadioButton>(window, "OpType1")->click();  // LINE
    EXPECT_EQ(chart->series().size(), 2);
    EXPECT_TRUE(qobject_cast<QLineSeries*>(chart->series().value(0)));

    Child<QRadioButton>(window, "OpMethod1")->click();  // Confidence Points
    EXPECT_EQ(qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0))->max(), 120);
    EXPECT_EQ(Box(window, "txtPlTot"), "8.5");
}

TEST(frmPGraph, WithoutAMemberPrintAndPictureAskForOne) {
    WindowFixture f;
    frmPGraph window(f.ctx);
    for (const char* button : {"cmdBMP", "cmdPrint"}) {
        f.prompts.Clear();
        Child<QPushButton>(window, button)->click();
        ASSERT_EQ(f.prompts.Asked().size(), 1u) << button;
        EXPECT_EQ(f.prompts.Asked()[0].Title, "Wake Up!");
        EXPECT_EQ(f.prompts.Asked()[0].Text, "You First Need to Select a Player from the Listbox");
    }
    EXPECT_TRUE(std::filesystem::is_empty(f.pool.Dir / "Webpages"));
}

TEST(frmPGraph, PrintsAndSavesThePictureUnderASafeName) {
    WindowFixture f;
    frmPGraph window(f.ctx);
    Child<QComboBox>(window, "CboPlayer")->setCurrentIndex(1);  // "<b>Bob & Al</b>"
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const test::PdfPrinter printer(f.ctx, f.pool.Dir / "graph.pdf");
    Child<QPushButton>(window, "cmdPrint")->click();
    ASSERT_TRUE(std::filesystem::exists(printer.File()));
    const std::string text = printer.Text();
    // The model's chart on paper, as `report playergraph` prints it: the name
    // as typed, in the title and the legend (not read as markup), and the
    // averages underneath.
    if (!text.empty()) {
        EXPECT_NE(text.find("Player Avg."), std::string::npos) << text;
        const auto title = text.find("<b>Bob & Al</b>");
        ASSERT_NE(title, std::string::npos) << text;
        EXPECT_NE(text.find("<b>Bob & Al</b>", title + 1), std::string::npos) << text;
    }

    Child<QPushButton>(window, "cmdBMP")->click();
    const auto picture = f.pool.Dir / "Webpages" / "bBobAlbGraph.bmp";
    EXPECT_TRUE(std::filesystem::exists(picture));
    EXPECT_GT(std::filesystem::file_size(picture), 1000u);
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Windows Bitmap");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "A Windows Bitmap file has been created showing <b>Bob & Al</b>'s season "
                                         "record against the rest of the pool.");

    // Where the picture cannot be written there is no confirmation.
    f.prompts.Clear();
    std::filesystem::remove(picture);
    std::filesystem::create_directory(picture);
    Child<QPushButton>(window, "cmdBMP")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.startsWith("The picture bBobAlbGraph.bmp could not be written"));
}

// Every access key of a window leads to one control only.
std::vector<QChar> AccessKeys(QWidget& window) {
    std::vector<QChar> keys;
    auto add = [&](const QString& text) {
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&') continue;
            if (text[i + 1] != '&') keys.push_back(text[i + 1].toLower());
            ++i;
        }
    };
    for (auto* b : window.findChildren<QAbstractButton*>()) add(b->text());
    for (auto* l : window.findChildren<QLabel*>())
        if (l->buddy()) add(l->text());
    for (auto* g : window.findChildren<QGroupBox*>()) add(g->title());
    return keys;
}

TEST(frmPGraph, AccessKeysOfThePlayerWindowsAreUnique) {
    WindowFixture f;
    frmPAnalyze analyst(f.ctx);
    frmPGraph graph(f.ctx);
    frmPTape tape(f.ctx);
    for (QWidget* w : std::initializer_list<QWidget*>{&analyst, &graph, &tape}) {
        auto keys = AccessKeys(*w);
        EXPECT_GE(keys.size(), 3u) << w->objectName().toStdString();
        std::sort(keys.begin(), keys.end());
        EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end())
            << w->objectName().toStdString() << ": " << QString(keys.data(), keys.size()).toStdString();
    }
}

}  // namespace
}  // namespace gm::ui
