// The pick sheets and the EZ Entry sheet, opened from the Reports menu and
// printed on the printer chosen in Printer Setup (here: a PDF file).

#include <QCheckBox>
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

TEST(Walkthrough, EveryPickSheetAndTheEzEntrySheetPrintFromTheReportsMenu) {
    Program p([](const gm::test::TempDir& dir) {
        std::string season(7245, '\0');
        // Week 1: Philadelphia (23) at Dallas (8), Dallas favoured by 3.5 and won 24-17.
        season.replace(0, 23, test::Game{8, 23, 24, 17, 24, 17, 0, 3.5f, 8, 23, 0, 0, 2, 2, 1, 1}.Bytes());
        // Week 2, Monday night: Denver (9) at Oakland (22), not yet played.
        season.replace((15 + 14) * 23, 23, test::Game{22, 9, 0, 0, 0, 0, 0, 6.0f}.Bytes());
        gm::test::WriteFile(dir / "1997.NFL", season);
        gm::test::WriteFile(dir / "Pool97.dat", test::MemberBytes("Amy", 1, {8, 0, 0}, {1, 0, 0}, 45) +
                                                    test::MemberBytes("Bob", 2, {23, 0, 0}, {1, 0, 0}, 40));
        gm::test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=2\r\n");
    });
    ASSERT_NE(p.ctx->Printer, nullptr);
    p.ctx->Printer->setOutputFormat(QPrinter::PdfFormat);

    struct Case {
        const char* item;
        const char* form;
        int pages;
        std::vector<std::string> shows;
    } cases[] = {
        {"PiksheetItem0", "frmStandard", 2, {"Player Sheet For Amy", "OAKLAND", "(0-0-0)", "Monday Nite Game"}},
        {"PiksheetItem1", "frmCompact", 1, {"Player Sheet For Amy", "Player Sheet For Bob"}},
        {"PiksheetItem2", "frmTearoff", 2, {"Your Selections", "OAK"}},
        {"PiksheetItem3", "frmTopTen", 2, {"Last Weeks Top 2", "Season Standings", "Amy"}},
        {"PiksheetItem4", "frmNoExcuse", 2, {"NFL Standings", "Dallas", "Conference"}},
    };
    for (const auto& c : cases) {
        const auto pdf = p.dir / (std::string(c.form) + ".pdf");
        p.ctx->Printer->setOutputFileName(QString::fromStdString(pdf.string()));
        p.Menu(c.item, c.form, [](QDialog& w) {
            if (w.findChild<QWidget*>("OpOutput1")) Click(w, "OpOutput1");
            Click(w, "OpName0");  // names on the sheets: one for each member
            Click(w, "cmdOK");
        });
        EXPECT_TRUE(p.prompts.Asked().empty()) << c.form << ": " << p.prompts.Asked().front().Text.toStdString();
        const std::string text = gm::test::PdfText(pdf);
        if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
        EXPECT_EQ(gm::test::Occurrences(text, "\f"), c.pages) << c.form << "\n" << text;
        for (const auto& s : c.shows) EXPECT_NE(text.find(s), std::string::npos) << c.form << ": " << s << "\n" << text;
    }

    const auto pdf = p.dir / "ezentry.pdf";
    p.ctx->Printer->setOutputFileName(QString::fromStdString(pdf.string()));
    p.Menu("ReportItem6", "frmEzEntry", [](QDialog& w) { Click(w, "cmdPrint"); });
    const std::string text = gm::test::PdfText(pdf);
    EXPECT_EQ(gm::test::Occurrences(text, "\f"), 1) << text;
    EXPECT_NE(text.find("Week 2"), std::string::npos);
    EXPECT_NE(text.find("Week 3"), std::string::npos);
    EXPECT_NE(text.find("Denver"), std::string::npos);
}

}  // namespace
}  // namespace gm::ui
