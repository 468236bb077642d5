#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <cstdio>

#include "core/output/TextOutput.h"
#include "support/TempDir.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

// Sheets in a PDF, from pdfinfo (poppler-utils); -1 when it cannot tell.
int PdfPages(const std::filesystem::path& file) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("pdfinfo '" + file.string() + "' 2>/dev/null").c_str(), "r"), pclose);
    if (!pipe) return -1;
    char line[512];
    while (fgets(line, sizeof line, pipe.get())) {
        int pages = 0;
        if (std::sscanf(line, "Pages: %d", &pages) == 1) return pages;
    }
    return -1;
}

struct Fixture {
    test::TempDir dir;
    AppState state{dir.path()};
    ScriptedPrompter prompts;
    UiContext ctx{state, prompts};
    std::vector<std::string> calls;

    // A report with every writer, recording the order in which they are called.
    struct Recorder : Report {
        Fixture& f;
        ReportWriters has{true, true, true, true};
        std::string errorTitle{kPrintErrorTitle};
        Status printed = Status::Ok();
        explicit Recorder(Fixture& fx) : f(fx) {}
        std::string ReportTitle() const override { return "Recorder"; }
        ReportWriters Writers() const override { return has; }
        std::string PrintErrorTitle() const override { return errorTitle; }
        TextFileOutput TextFile() const override {
            f.calls.push_back("file");
            return {"Points.txt", {"line"}, "PF/PA  Text File", ""};
        }
        ClipboardOutput Clipboard() const override {
            f.calls.push_back("clipboard");
            return ClipboardOutput{
                "Jos\xC3\xA9\r\n",
                OutputMessage::Confirm("Player Standings", "Player Standings are now on the Clipboard")};
        }
        Status Print(PageSurface& s, PrintCopies copies) const override {
            f.calls.push_back("printer " + std::to_string(copies.Count) + (copies.OnePerPlayer ? " per player" : ""));
            if (!printed) return printed;
            return RunPrintJob(s, copies.Count,
                               [](PageSurface& p, int copy) { p.PrintLine("copy " + std::to_string(copy)); });
        }
        WebPageOutput WebPage() const override {
            f.calls.push_back("web");
            return {WebPageId::Points, "", {}, PlainLines({"line"}), "Web", "page"};
        }
    };
};

TEST(DispatchReport, WritersRunInOrderWithTheCopiesAsked) {
    Fixture f;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((f.dir / "printed.pdf").string()));
    f.ctx.Printer = &printer;
    f.state.MemberCount = 12;
    const OutputRequest request{true, true, true, true, true, 3};  // one per player: 12 copies, not 3

    Fixture::Recorder report(f);
    EXPECT_TRUE(DispatchToWindow(f.ctx, nullptr, report, request));

    EXPECT_EQ(f.calls, (std::vector<std::string>{"file", "clipboard", "printer 12 per player", "web"}));
    std::vector<QString> titles;
    for (const auto& r : f.prompts.Asked()) titles.push_back(r.Title);
    EXPECT_EQ(titles, (std::vector<QString>{"PF/PA  Text File", "Player Standings", "Web"}));
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Information);
    EXPECT_EQ(test::ReadFile(f.dir / "Points.txt"), "line\r\n");
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Jos\xC3\xA9\r\n"));
    const int sheets = PdfPages(f.dir / "printed.pdf");
    if (sheets != -1) {
        EXPECT_EQ(sheets, 12);  // one sheet a copy, no empty sheet at the end
    }
}

TEST(DispatchReport, ADisplayWithoutTheWriterProducesNothing) {
    Fixture f;
    Fixture::Recorder report(f);
    report.has.WebPage = false;
    OutputRequest request;
    request.OutWebPage = true;
    EXPECT_TRUE(DispatchToWindow(f.ctx, nullptr, report, request));
    EXPECT_TRUE(f.calls.empty());
    EXPECT_TRUE(f.prompts.Asked().empty());
}

TEST(DispatchReport, PrinterFailureShowsTheSystemsDescription) {
    Fixture f;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((f.dir / "no-such-folder" / "x.pdf").string()));
    f.ctx.Printer = &printer;

    Fixture::Recorder report(f);
    EXPECT_FALSE(DispatchToWindow(f.ctx, nullptr, report, OutputRequest::Printer(2)));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Unable To Print, Please Check Your Printer");
    EXPECT_FALSE(f.prompts.Asked()[0].Text.isEmpty());

    // Sheets of other kinds name the printer in their own words.
    f.prompts.Clear();
    report.errorTitle = kPrintErrorTitleSheets;
    report.printed = Status::Error("Out of paper");
    EXPECT_FALSE(DispatchToWindow(f.ctx, nullptr, report, OutputRequest::Printer()));
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Unable to Print, Please check your Printer");
    EXPECT_EQ(f.prompts.Asked()[0].Text, "Out of paper");
}

}  // namespace
}  // namespace gm::ui
