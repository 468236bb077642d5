#include "RunOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinter>
#include <memory>

#include "print/QtPageSurface.h"
#include "ui/output/OutputDialogs.h"
#include "ui/shell/Hourglass.h"
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

bool PrintOnPrinter(UiContext& ctx, QWidget* parent, const std::function<Status(PageSurface&)>& print,
                    const std::string& errorTitle, const std::string& jobName) {
    Status status;
    {
        Hourglass wait;
        // The printer chosen in Printer Setup, else the system's default one.
        std::unique_ptr<QPrinter> fallback;
        QPrinter* printer = ctx.Printer;
        if (!printer) {
            fallback = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer = fallback.get();
        }
        const auto surface = MakePrinterSurface(*printer, jobName);
        status = print(*surface);
    }
    if (status) return true;
    ShowOutputMessage(ctx, parent, PrintFailure(status, errorTitle));
    return false;
}

void DispatchOutput(UiContext& ctx, QWidget* parent, const DisplayWriters& writers) {
    auto& out = ctx.State.Output;
    if (out.OutTextFile && writers.OutputFile) {
        OutputMessage message;
        {
            Hourglass wait;
            message = writers.OutputFile();
        }
        ShowOutputMessage(ctx, parent, message);
    }
    if (out.OutClipboard && writers.OutputClipboard) {
        const ClipboardOutput clip = writers.OutputClipboard();
        PutOnClipboard(clip.Text);
        ShowOutputMessage(ctx, parent, clip.Confirmation);
    }
    if (out.OutPrinter && writers.OutputPrinter) {
        const int copies = CopiesToPrint(ctx.State);
        PrintOnPrinter(
            ctx, parent, [&](PageSurface& surface) { return writers.OutputPrinter(surface, copies); },
            writers.PrintErrorTitle, writers.JobName);
    }
    if (out.OutWebPage && writers.OutputWeb) {
        OutputMessage message;
        {
            Hourglass wait;
            message = writers.OutputWeb();
        }
        ShowOutputMessage(ctx, parent, message);
    }
    out.OutPrinter = out.OutTextFile = out.OutClipboard = out.OutWebPage = false;
}

void RunOutput(UiContext& ctx, QWidget* parent, const DisplayWriters& writers) {
    {
        frmPNFLResults dialog(ctx, parent);
        dialog.exec();
    }
    DispatchOutput(ctx, parent, writers);
}

}  // namespace gm::ui
