// Printed output goes to the printer chosen in Printer Setup; here the user
// chose to print to a PDF file.

#include <QPrinter>
#include <QScrollBar>
#include <cstdio>

#include "Walkthrough.h"
#include "support/PdfText.h"

namespace gm::ui {
namespace {

using test::Child;
using test::Click;
using test::Program;

TEST(Walkthrough, StandingsPrintOnThePrinterChosenInPrinterSetup) {
    Program p([](const gm::test::TempDir& dir) {
        std::string season(7245, '\0');
        season.replace(0, 23, test::Game{23, 8, 17, 24, 24, 17, 3.5f, 0, 8, 23, 0, 0, 2, 2, 1, 1}.Bytes());
        gm::test::WriteFile(dir / "1997.NFL", season);
        gm::test::WriteFile(dir / "Pool97.dat", test::MemberBytes("amy", 1, {8, 0, 0}, {1, 0, 0}, 45) +
                                                    test::MemberBytes("Bob", 2, {23, 0, 0}, {1, 0, 0}, 40));
    });
    ASSERT_NE(p.ctx->Printer, nullptr);
    const auto pdf = p.dir / "standings.pdf";
    p.ctx->Printer->setOutputFormat(QPrinter::PdfFormat);
    p.ctx->Printer->setOutputFileName(QString::fromStdString(pdf.string()));

    p.Menu("PoolItem2", "frmPoolStn", [](QDialog& w) {
        Program::OnModal("frmPNFLResults", [](QDialog& out) {
            Click(out, "OpPrinter");
            Child<QScrollBar>(out, "hsbCopies")->setValue(2);
            Click(out, "cmdOK");
        });
        Click(w, "cmdPrint");
        Click(w, "cmdOK");
    });
    EXPECT_TRUE(p.prompts.Asked().empty()) << p.prompts.Asked().front().Title.toStdString();
    const std::string text = gm::test::PdfText(pdf);
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    // Two copies, each on its own sheet, each with the banner, the titles and both members.
    auto count = [&](const std::string& s) {
        int n = 0;
        for (size_t at = text.find(s); at != std::string::npos; at = text.find(s, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("Tallbrook Office Football Pools"), 2) << text;
    EXPECT_EQ(count("Player Standings:"), 2) << text;
    EXPECT_EQ(count("\f"), 2) << text;
    EXPECT_EQ(count("amy "), 2);
    EXPECT_EQ(count("Bob "), 2);
}

}  // namespace
}  // namespace gm::ui
