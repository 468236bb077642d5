#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/OutputMessage.h"
#include "core/output/OutputRequest.h"
#include "core/output/PageSurface.h"
#include "core/output/PrintJob.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm {

// Which of the four writers a display has.
struct ReportWriters {
    bool TextFile = false;
    bool Clipboard = false;
    bool Printer = false;
    bool WebPage = false;
};

// The copies of one print job, and whether copy k is member k's ("One Per
// Player"): displays that print a member's page take it from here.
struct PrintCopies {
    PrintCopies(int count, bool onePerPlayer = false) : Count(count), OnePerPlayer(onePerPlayer) {}
    int Count;
    bool OnePerPlayer;
};

// What one display can write, whichever destination the user picks. Every
// display model provides it; the windows (after "Send Output To") and
// gridmoot-cli hand it to DispatchReport. A destination the display has no
// writer for produces nothing.
class Report {
public:
    virtual ~Report() = default;

    // The display's title: window caption and the report's heading.
    virtual std::string ReportTitle() const = 0;
    virtual ReportWriters Writers() const = 0;

    // Each is called only when Writers() names it.
    virtual TextFileOutput TextFile() const { return {}; }
    virtual ClipboardOutput Clipboard() const { return {}; }
    virtual WebPageOutput WebPage() const { return {}; }
    // The text file's lines handed over one at a time, for a writer that
    // streams them; by default the lines of TextFile(). A display with very
    // many lines overrides it so that they are never all held at once.
    virtual void ForEachTextLine(const std::function<void(std::string_view)>& line) const;

    // One printed copy; the copy index runs from 0 (displays printed "One
    // Per Player" take it as the member index).
    virtual void PrintCopy(PageSurface& surface, int copyIndex) const;
    // The whole job: RunPrintJob over PrintCopy.
    virtual Status Print(PageSurface& surface, PrintCopies copies) const;
    // Name of the job in the print spooler (default: the title).
    virtual std::string PrintJobName() const { return ReportTitle(); }
    // Title of the message box when printing fails.
    virtual std::string PrintErrorTitle() const { return std::string(kPrintErrorTitle); }
};

// Where the dispatch puts what the report wrote and how the user hears of it:
// the window's message boxes, clipboard and printer, or the command line's
// standard output and PDF files.
class OutputSink {
public:
    virtual ~OutputSink() = default;

    // Shows a writer's confirmation or failure (nothing for Silent()).
    virtual void Tell(const OutputMessage& message) = 0;

    // Writes the text file or page; by default into TxtFiles / Webpages.
    virtual OutputMessage SaveTextFile(const AppState& state, const TextFileOutput& file);
    virtual OutputMessage SaveWebPage(const AppState& state, const WebPageOutput& page);
    // The report's text file: by default SaveTextFile with report.TextFile().
    // A sink that can write line by line overrides it (Report::ForEachTextLine).
    virtual OutputMessage SaveReportText(const AppState& state, const Report& report);

    // Puts the text on the clipboard; returns the confirmation to show.
    virtual OutputMessage PutOnClipboard(const ClipboardOutput& clip) = 0;

    // Runs the print job on a surface of the sink's choosing (the printer,
    // a PDF file) and returns how it went.
    virtual Status Print(const std::string& jobName, const std::function<Status(PageSurface&)>& job) = 0;
};

// Every printout of every display, after "Send Output To" or a window's own
// choice: calls the writers `request` asks for in the order text file,
// clipboard, printer, web page and tells each writer's message through the
// sink. Printing makes CopiesToPrint(state, request) copies; a failed job is
// told under the report's print error title. Returns false when any writer
// failed.
bool DispatchReport(const AppState& state, const Report& report, const OutputRequest& request, OutputSink& sink);

}  // namespace gm
