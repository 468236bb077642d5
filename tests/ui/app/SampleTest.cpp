// The sample pool as a newcomer meets it: the title bar says it is the
// sample, the displays show the season through week 8, and the week-9 pick
// sheets print.

#include <QDir>
#include <QPrinter>

#include "Walkthrough.h"
#include "core/sample/SamplePool.h"
#include "support/PdfText.h"
#include "ui/shell/SpinButton.h"

namespace gm::ui {
namespace {

using test::Click;
using test::Program;

// The sample made beside the program's folder, then copied over it.
void SeedWithSample(const gm::test::TempDir& dir) {
    const auto made = dir / "made";
    const std::filesystem::path share = std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "share";
    ASSERT_TRUE(MakeSamplePool(made, {share / "seasons"}, {share / "sample"}));
    for (const auto& e : std::filesystem::directory_iterator(made))
        if (e.is_regular_file())
            std::filesystem::copy_file(e.path(), dir.path() / e.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove_all(made);
}

TEST(Sample, SaysItIsTheSampleAndPrintsTheWeekNinePickSheets) {
    Program p(SeedWithSample);
    EXPECT_EQ(p.main->windowTitle(), "Gridmoot - Sample Pool");
    EXPECT_EQ(p.state->CurrentWeek, 9);
    EXPECT_EQ(p.state->MemberCount, 12);

    ASSERT_NE(p.ctx->Printer, nullptr);
    p.ctx->Printer->setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = p.dir / "standard.pdf";
    p.ctx->Printer->setOutputFileName(QString::fromStdString(pdf.string()));
    p.Menu("PiksheetItem0", "frmStandard", [](QDialog& w) {
        if (w.findChild<QWidget*>("OpOutput1")) Click(w, "OpOutput1");
        Click(w, "OpName0");  // one sheet for each member
        Click(w, "cmdOK");
    });
    const std::string text = gm::test::PdfText(pdf);
    ASSERT_FALSE(text.empty()) << "no printout";
    EXPECT_EQ(gm::test::Occurrences(text, "Player Sheet For "), 12) << text;
    EXPECT_NE(text.find("Week 9"), std::string::npos) << text;
    EXPECT_NE(text.find("Monday Nite Game"), std::string::npos) << text;
    EXPECT_NE(text.find("Sandra Kim"), std::string::npos) << text;
}

// Pictures of the displays a newcomer opens first; runs only when
// GRIDMOOT_SCREENSHOTS names a folder.
TEST(Sample, Screenshots) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    QDir().mkpath(folder);
    Program p(SeedWithSample);
    const struct {
        const char* item;
        const char* form;
    } displays[] = {{"PoolItem2", "frmPoolStn"},  {"PoolItem0", "frmPMatrix"}, {"PoolItem4", "frmStats"},
                    {"PoolItem10", "frmPoolStat"}, {"PoolItem8", "frmPoolRoom"}, {"NFLITEM3", "frmLeague"}};
    for (const auto& d : displays) {
        p.Menu(d.item, d.form, [&](QDialog& w) {
            // Week 9 has no picks yet: the season so far, and week 8's sheets.
            if (auto* season = w.findChild<QAbstractButton*>("OpSeason")) season->click();
            if (std::string_view(d.form) == "frmPMatrix")
                emit test::Child<SpinButton>(w, "SpinButton1")->SpinDown();
            EXPECT_TRUE(w.grab().save(folder + "/sample-" + d.form + ".png"));
            w.reject();
        });
    }
}

}  // namespace
}  // namespace gm::ui
