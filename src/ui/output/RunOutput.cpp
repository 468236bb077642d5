#include "RunOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <memory>
#include <optional>

#include "print/QtPageSurface.h"
#include "ui/output/frmPNFLResults.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/PrinterChoice.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

namespace {

PromptIcon IconOf(OutputMessage::Icon icon) {
    switch (icon) {
        case OutputMessage::Icon::Information:
            return PromptIcon::Information;
        case OutputMessage::Icon::Exclamation:
            return PromptIcon::Exclamation;
        case OutputMessage::Icon::None:
            break;
    }
    return PromptIcon::None;
}

}  // namespace

void ShowOutputMessage(UiContext& ctx, QWidget* parent, const OutputMessage& message) {
    if (message.icon == OutputMessage::Icon::None) return;
    ctx.Prompts.Tell(parent, IconOf(message.icon), Q(message.Title), Q(message.Text));
}

void PutOnClipboard(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

namespace {

// The last change of `file`, or none when there is no such file.
std::optional<fs::file_time_type> Stamp(const QString& file) {
    std::error_code ec;
    const auto t = fs::last_write_time(file.toStdString(), ec);
    if (ec) return std::nullopt;
    return t;
}

// Prints on the printer chosen in Printer Setup (else the system's default),
// or, when Printer Setup chose PDF or no printer is installed, into a PDF file
// the user names; then says which file was written. Cancelling the file
// dialog prints nothing and is no error.
Status PrintWith(UiContext& ctx, QWidget* parent, const std::string& jobName,
                 const std::function<Status(PageSurface&)>& job) {
    std::unique_ptr<QPrinter> fallback;
    QPrinter* printer = ctx.Printer;
    if (!printer) {
        fallback = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = fallback.get();
    }
    if (ReadPrinterChoice(ctx.State).Output == PrinterChoice::Kind::Printer && !NoPrinterInstalled(*printer)) {
        Hourglass wait;
        const auto surface = MakePrinterSurface(*printer, jobName);
        return job(*surface);
    }
    const QString file = AskForPdfFile(ctx, parent, jobName);
    if (file.isEmpty()) return Status::Ok();
    const auto before = Stamp(file);
    Status printed;
    {
        Hourglass wait;
        const auto surface = MakePdfSurface(file.toStdString(), jobName);
        printed = job(*surface);
    }
    // A job with nothing to print leaves no file (and an older one as it was).
    if (const auto after = Stamp(file); printed && after && after != before) TellPdfWritten(ctx, parent, file);
    return printed;
}

}  // namespace

void WindowSink::Tell(const OutputMessage& message) { ShowOutputMessage(ctx_, parent_, message); }

OutputMessage WindowSink::SaveTextFile(const AppState& state, const TextFileOutput& file) {
    Hourglass wait;
    return OutputSink::SaveTextFile(state, file);
}

OutputMessage WindowSink::SaveWebPage(const AppState& state, const WebPageOutput& page) {
    Hourglass wait;
    return OutputSink::SaveWebPage(state, page);
}

OutputMessage WindowSink::PutOnClipboard(const ClipboardOutput& clip) {
    ui::PutOnClipboard(clip.Text);
    return clip.Confirmation;
}

Status WindowSink::Print(const std::string& jobName, const std::function<Status(PageSurface&)>& job) {
    return PrintWith(ctx_, parent_, jobName, job);
}

bool DispatchToWindow(UiContext& ctx, QWidget* parent, const Report& report, const OutputRequest& request) {
    WindowSink sink(ctx, parent);
    return DispatchReport(ctx.State, report, request, sink);
}

void RunReport(UiContext& ctx, QWidget* parent, const Report& report) {
    OutputRequest request;
    {
        frmPNFLResults dialog(ctx, parent);
        dialog.exec();
        request = dialog.Request();
    }
    DispatchToWindow(ctx, parent, report, request);
}

}  // namespace gm::ui
