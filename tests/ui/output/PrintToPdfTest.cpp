#include <gtest/gtest.h>

#include <QPrinter>

#include "core/nfl/NflResults.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/ui/PdfPrinter.h"
#include "support/PdfText.h"
#include "support/SendOutputTo.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/PrinterChoice.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

// A pool folder, its program state and a printer that has nothing to print
// on (no printer installed); the save dialog is answered by `Answer`.
struct Fixture {
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    QPrinter none;  // no printer, and no file to write
    struct Asked {
        QString Title, Suggested;
    };
    std::vector<Asked> asked;
    std::function<QString(const QString& suggested)> Answer = [](const QString& s) { return s; };

    Fixture() {
        none.setOutputFormat(QPrinter::PdfFormat);
        ctx.Printer = &none;
        ctx.ChooseSaveFile = [this](QWidget*, const QString& title, const QString& suggested) {
            asked.push_back({title, suggested});
            return Answer(suggested);
        };
    }

    // The week's NFL results through the display's Print button: Send Output To, Printer, one copy.
    void PrintResults() {
        pool.State.CurrentWeek = 1;
        NflResults results(pool.State);
        test::ChooseOutput("OpPrinter", 1);
        RunReport(ctx, nullptr, results);
    }
};

std::filesystem::path P(const QString& s) { return s.toStdString(); }

TEST(PrintToPdf, WithoutAPrinterThePrintoutGoesToTheFileTheUserNamesAndSaysWhere) {
    Fixture f;
    f.PrintResults();

    // Offered in the data folder, named after the printout.
    ASSERT_EQ(f.asked.size(), 1u);
    EXPECT_EQ(f.asked[0].Title, "Print to File");
    const std::filesystem::path file = P(f.asked[0].Suggested);
    EXPECT_EQ(file.parent_path(), f.pool.Dir.path());
    EXPECT_EQ(file.extension(), ".pdf");
    EXPECT_NE(file.stem().string().find("NFL"), std::string::npos) << file;

    const std::string text = test::PdfText(file);
    if (!text.empty()) EXPECT_NE(text.find("PITTSBURGH        24 - 20   NY Giants +6.5"), std::string::npos) << text;
    EXPECT_TRUE(std::filesystem::is_regular_file(file));

    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    const auto& said = f.prompts.Asked()[0];
    EXPECT_EQ(said.Icon, PromptIcon::Information);
    EXPECT_EQ(said.Title, "Print to File");
    EXPECT_TRUE(said.Text.contains(f.asked[0].Suggested)) << said.Text.toStdString();
}

TEST(PrintToPdf, CancellingTheFileDialogPrintsNothingAndSaysNothing) {
    Fixture f;
    f.Answer = [](const QString&) { return QString(); };
    f.PrintResults();
    EXPECT_EQ(f.asked.size(), 1u);
    EXPECT_TRUE(f.prompts.Asked().empty());
    for (const auto& e : std::filesystem::directory_iterator(f.pool.Dir.path()))
        EXPECT_NE(e.path().extension(), ".pdf") << e.path();
}

// The folder of the last PDF is where the next one is offered, also after a
// restart; a name typed without ".pdf" gets it.
TEST(PrintToPdf, TheNextPrintoutStartsInTheFolderOfTheLast) {
    Fixture f;
    const std::filesystem::path elsewhere = f.pool.Dir / "printouts";
    std::filesystem::create_directory(elsewhere);
    f.Answer = [&](const QString&) { return QString::fromStdString((elsewhere / "week three").string()); };
    f.PrintResults();
    EXPECT_TRUE(std::filesystem::is_regular_file(elsewhere / "week three.pdf"));

    AppState restarted(f.pool.Dir.path());
    EXPECT_EQ(P(SuggestedPdfFile(restarted, ReadPrinterChoice(restarted), "Pool Standings")),
              elsewhere / "Pool Standings.pdf");
}

// "Print to File (PDF)" kept from Printer Setup: every printout asks for its
// file even where a printer is installed, after a restart too; the pool's
// own settings stay as they were.
TEST(PrintToPdf, PdfChosenInPrinterSetupIsKeptAcrossARestart) {
    Fixture f;
    const std::string before = test::ReadFile(f.pool.Dir / "Vask97.ini");
    const std::filesystem::path folder = f.pool.Dir / "pdfs";
    std::filesystem::create_directory(folder);
    QPrinter setup;
    setup.setOutputFormat(QPrinter::PdfFormat);
    setup.setOutputFileName(QString::fromStdString((folder / "print.pdf").string()));
    ASSERT_TRUE(WritePrinterChoice(f.pool.State, ChoiceFromPrinter(setup)).ok());

    const std::string after = test::ReadFile(f.pool.Dir / "Vask97.ini");
    EXPECT_EQ(after.substr(0, before.size()), before);  // the documented keys untouched
    EXPECT_NE(after.find("[Printer]"), std::string::npos);

    AppState restarted(f.pool.Dir.path());
    ScriptedPrompter prompts;
    UiContext ctx{restarted, prompts};
    ctx.ChooseSaveFile = f.ctx.ChooseSaveFile;
    const test::PdfPrinter printer(ctx, f.pool.Dir / "paper.pdf");  // a printer that would print
    NflResults results(restarted);
    DispatchToWindow(ctx, nullptr, results, OutputRequest::Printer());

    ASSERT_EQ(f.asked.size(), 1u);
    EXPECT_EQ(P(f.asked[0].Suggested).parent_path(), folder);
    EXPECT_TRUE(std::filesystem::is_regular_file(P(f.asked[0].Suggested)));
    EXPECT_FALSE(std::filesystem::exists(f.pool.Dir / "paper.pdf"));

    // Choosing a printer again is kept too.
    ASSERT_TRUE(WritePrinterChoice(restarted, {PrinterChoice::Kind::Printer, "Office Laser", {}}).ok());
    const PrinterChoice kept = ReadPrinterChoice(AppState(f.pool.Dir.path()));
    EXPECT_EQ(kept.Output, PrinterChoice::Kind::Printer);
    EXPECT_EQ(kept.PrinterName, "Office Laser");
}

}  // namespace
}  // namespace gm::ui
