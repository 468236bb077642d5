#include "Report.h"

namespace gm {

void Report::PrintCopy(PageSurface&, int) const {}

Status Report::Print(PageSurface& surface, PrintCopies copies) const {
    return RunPrintJob(surface, copies.Count, [this](PageSurface& s, int copy) { PrintCopy(s, copy); });
}

void Report::ForEachTextLine(const std::function<void(std::string_view)>& line) const {
    for (const std::string& text : TextFile().Lines) line(text);
}

OutputMessage OutputSink::SaveReportText(const AppState& state, const Report& report) {
    return SaveTextFile(state, report.TextFile());
}

OutputMessage OutputSink::SaveTextFile(const AppState& state, const TextFileOutput& file) {
    return WriteTextFile(state, file);
}

OutputMessage OutputSink::SaveWebPage(const AppState& state, const WebPageOutput& page) {
    return WriteWebPage(state, page);
}

bool DispatchReport(const AppState& state, const Report& report, const OutputRequest& out, OutputSink& sink) {
    const ReportWriters has = report.Writers();
    bool ok = true;
    const auto tell = [&](const OutputMessage& message) {
        if (message.failed()) ok = false;
        sink.Tell(message);
    };
    if (out.OutTextFile && has.TextFile) tell(sink.SaveReportText(state, report));
    if (out.OutClipboard && has.Clipboard) tell(sink.PutOnClipboard(report.Clipboard()));
    if (out.OutPrinter && has.Printer) {
        const PrintCopies copies(CopiesToPrint(state, out), out.OnePerPlayer);
        const Status printed =
            sink.Print(report.PrintJobName(), [&](PageSurface& surface) { return report.Print(surface, copies); });
        if (!printed) tell(PrintFailure(printed, report.PrintErrorTitle()));
    }
    if (out.OutWebPage && has.WebPage) tell(sink.SaveWebPage(state, report.WebPage()));
    return ok;
}

}  // namespace gm
