#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <cstdio>
#include <memory>

#include "core/output/PrintJob.h"
#include "print/QtPageSurface.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;

// Output of a command (pdftotext and friends from poppler-utils).
std::string Shell(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe.get())) > 0) out.append(buf, n);
    return out;
}

// pdftotext does not keep runs of blanks exactly: compare with single blanks.
std::string Squeeze(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

bool HavePoppler() {
    return !Shell("command -v pdftotext pdfinfo pdffonts").empty();
}

std::string Quote(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

// A standings-like printout: banner, centred title, then a long underlined
// body that breaks pages and repeats its heading.
Status PrintSample(PageSurface& s, int copies) {
    const PageFont body{"Courier New", 12, false, false, true, 500};
    const std::vector<std::string> heading{"", "Pos  Vadorurizizs         TW   TL", ""};
    return RunPrintJob(s, copies, [&](PageSurface& p, int copy) {
        p.Font = {"Sans Serif", 12, false, true, false, 500};
        p.CurrentX = 360;
        p.PrintText("Tallbrook Office Football Pools");
        p.CurrentX = p.ScaleWidth() * 0.4;
        p.PrintLine("Copy " + std::to_string(copy + 1));
        p.DrawWidth = 2;
        p.Line(0, p.CurrentY, p.ScaleWidth(), p.CurrentY);
        p.CurrentY += 50;
        p.Font = {"Arial", 14, true, false, false, 700};
        PrintCentered(p, "Season Standings   Week 1 To Week 5");
        p.PrintLine("Jos\xC3\xA9 gives 3\xC2\xBD");  // text is UTF-8 whatever the page's encoding
        p.Font = body;
        for (const auto& l : heading) p.PrintLine(l);
        const double bottom = PageBottom(p);
        for (int i = 1; i <= 70; ++i) {
            BreakPageIfNeeded(p, bottom, body, body, heading);
            char line[80];
            std::snprintf(line, sizeof line, "%3d Member %-12d %4d %4d", i, i, i % 7, 7 - i % 7);
            p.PrintLine(line);
        }
    });
}

TEST(PdfSurface, PrintoutReadsBackWithItsPagesHeadingsAndFonts) {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
    TempDir dir;
    const auto file = dir / "standings.pdf";
    test::WriteFile(file, "an older printout");
    {
        const auto surface = MakePdfSurface(file, "Pool Standings");
        EXPECT_GT(surface->ScaleWidth(), 11000);  // Letter less quarter-inch margins: 8 inches
        EXPECT_LT(surface->ScaleWidth(), 11600);
        const Status status = PrintSample(*surface, 2);
        ASSERT_TRUE(status) << status.message;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "standings.pdf.part"));

    const std::string info = Shell("pdfinfo " + Quote(file));
    const auto pagesAt = info.find("Pages:");
    ASSERT_NE(pagesAt, std::string::npos) << info;
    const int pages = std::stoi(info.substr(pagesAt + 6));
    EXPECT_GE(pages, 4);  // two copies, each longer than one sheet
    EXPECT_EQ(pages % 2, 0);

    const std::string text = Squeeze(Shell("pdftotext -layout " + Quote(file) + " -"));
    EXPECT_NE(text.find("Tallbrook Office Football Pools"), std::string::npos) << text;
    EXPECT_NE(text.find("Season Standings Week 1 To Week 5"), std::string::npos);
    EXPECT_NE(text.find(" 70 Member 70"), std::string::npos);
    EXPECT_NE(text.find("Copy 2"), std::string::npos);
    EXPECT_NE(text.find("Jos\xC3\xA9 gives 3\xC2\xBD"), std::string::npos);
    // Every sheet carries the column heading (form feeds separate the sheets).
    std::size_t sheets = 0, withHeading = 0, start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\f', start), text.size());
        const std::string sheet = text.substr(start, end - start);
        if (sheet.find_first_not_of(" \n") != std::string::npos) {
            ++sheets;
            if (sheet.find("Pos Vadorurizizs TW TL") != std::string::npos) ++withHeading;
        }
        start = end + 1;
    }
    EXPECT_EQ(sheets, static_cast<std::size_t>(pages));
    EXPECT_EQ(withHeading, sheets);

    const std::string fonts = Shell("pdffonts " + Quote(file));
    EXPECT_NE(fonts.find("LiberationMono"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
}

TEST(PdfSurface, FailureLeavesNoFileAndSaysWhy) {
    TempDir dir;
    const auto file = dir / "missing-folder" / "out.pdf";
    const auto surface = MakePdfSurface(file, "x");
    const Status status = PrintSample(*surface, 1);
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.message.empty());
    EXPECT_FALSE(std::filesystem::exists(file));
}

// No printer installed: the job fails, and the printer can still be set up
// afterwards, so that the next job goes where the user chose.
TEST(PrinterSurface, AFailedStartLeavesThePrinterFreeToChange) {
    test::TempDir dir;
    QPrinter printer;
    printer.setPrinterName(QString());
    printer.setOutputFileName(QString());
    auto print = [&printer] {
        return RunPrintJob(*MakePrinterSurface(printer, "Pool Standings"), 1,
                           [](PageSurface& s, int) { s.PrintLine("Standings"); });
    };
    EXPECT_FALSE(print());

    const auto file = dir / "chosen.pdf";
    printer.setOutputFileName(QString::fromStdString(file.string()));
    EXPECT_EQ(printer.outputFileName().toStdString(), file.string());
    EXPECT_TRUE(print());
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(PdfSurface, NothingPrintedWritesNothing) {
    TempDir dir;
    const auto file = dir / "empty.pdf";
    const auto surface = MakePdfSurface(file, "x");
    EXPECT_TRUE(RunPrintJob(*surface, 0, [](PageSurface&, int) {}));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(PdfSurface, MetricsFollowTheFont) {
    TempDir dir;
    const auto surface = MakePdfSurface(dir / "m.pdf", "x");
    surface->Font = {"Courier New", 12, false, false, false, 400};
    // Fixed pitch at 0.6 em: 10 characters of 12 points are 1440 twips.
    EXPECT_NEAR(surface->TextWidth("0123456789"), 1440, 15);
    EXPECT_NEAR(surface->TextWidth("iiiii"), surface->TextWidth("WWWWW"), 1);
    const double twelve = surface->TextHeight();
    surface->Font.Size = 24;
    EXPECT_NEAR(surface->TextHeight(), 2 * twelve, 2);
    surface->Font = {"Arial", 12, false, false, false, 400};
    EXPECT_LT(surface->TextWidth("iiiii"), surface->TextWidth("WWWWW"));
    surface->SetOrientation(2);
    EXPECT_GT(surface->ScaleWidth(), surface->ScaleHeight());
    EXPECT_EQ(ResolveFontFamily("COURIER NEW"), "Liberation Mono");
    EXPECT_EQ(ResolveFontFamily("Sans Serif"), "Liberation Sans");
}

}  // namespace
}  // namespace gm
