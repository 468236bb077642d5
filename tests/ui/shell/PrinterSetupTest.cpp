#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

#include "Fixture.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/PrinterChoice.h"

namespace gm::ui {
namespace {

// Answers the Printer Setup dialog once it is up: "Print to File (PDF)" with
// the file `pdf`, then OK. Any other dialog fails the test.
void ChoosePrintToFile(const QString& pdf) {
    QTimer::singleShot(0, [pdf] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no Printer Setup dialog";
        auto* printers = dialog->findChild<QComboBox*>("printers");
        auto* file = dialog->findChild<QLineEdit*>("filename");
        if (!printers || !file) {
            dialog->reject();
            return ADD_FAILURE() << "Printer Setup without its printer list";
        }
        printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)" comes last
        file->setText(pdf);
        dialog->accept();
    });
}

// "Print to File (PDF)" chosen in Printer Setup is kept in the settings file,
// in a section of the program's own, and is there at the next start.
TEST(PrinterSetup, PrintToFileIsKeptForTheNextStart) {
    test::ShellFixture f;
    const std::string before = f.Settings();
    const std::filesystem::path folder = f.dir / "printouts";
    std::filesystem::create_directory(folder);
    {
        frmMain w(*f.ctx);
        ChoosePrintToFile(QString::fromStdString((folder / "setup.pdf").string()));
        w.PrinterSetup();
        // Paper is the printer's own state again: each printout asks for its file.
        EXPECT_TRUE(f.ctx->Printer->outputFileName().isEmpty());
    }
    const std::string after = f.Settings();
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_NE(after.find("[Printer]"), std::string::npos);

    AppState restarted(f.dir.path());
    (void)LoadAtStartup(restarted, 1LL << 24);
    const PrinterChoice kept = ReadPrinterChoice(restarted);
    EXPECT_EQ(kept.Output, PrinterChoice::Kind::Pdf);
    EXPECT_EQ(kept.PdfFolder, folder);
    EXPECT_EQ(SuggestedPdfFile(restarted, kept, "Week 3 Picksheets").toStdString(),
              (folder / "Week 3 Picksheets.pdf").string());
}

// A printer the desktop no longer has is passed over: the default one prints.
TEST(PrinterSetup, APrinterNoLongerInstalledIsPassedOver) {
    test::ShellFixture f;
    ASSERT_TRUE(WritePrinterChoice(*f.state, {PrinterChoice::Kind::Printer, "Gone Laser", {}}).ok());
    frmMain w(*f.ctx);
    EXPECT_NE(f.ctx->Printer->printerName(), "Gone Laser");
    EXPECT_TRUE(f.ctx->Printer->outputFileName().isEmpty());
    // On a desktop without printers the main window's printer counts as none,
    // so printouts offer a PDF instead of failing.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) EXPECT_TRUE(NoPrinterInstalled(*f.ctx->Printer));
}

// Printouts are named after what they print, in the data folder unless a
// folder was kept that still exists; no character a file name cannot hold.
TEST(PrinterSetup, SuggestedPdfNames) {
    test::ShellFixture f;
    const struct {
        std::string job;
        std::string file;
    } cases[] = {{"Pool Standings", "Pool Standings.pdf"},
                 {"Week 3/4: \"Top\" Ten?", "Week 34 Top Ten.pdf"},
                 {"", "Gridmoot.pdf"},
                 {"  Week  3  ", "Week 3.pdf"}};
    for (const auto& c : cases)
        EXPECT_EQ(SuggestedPdfFile(*f.state, {}, c.job).toStdString(), (f.dir / c.file).string()) << c.job;
    const PrinterChoice gone{PrinterChoice::Kind::Pdf, "", f.dir / "removed"};
    EXPECT_EQ(SuggestedPdfFile(*f.state, gone, "X").toStdString(), (f.dir / "X.pdf").string());
}

}  // namespace
}  // namespace gm::ui
