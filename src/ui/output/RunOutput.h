#pragma once

#include <functional>
#include <string>

#include "core/data/Status.h"
#include "core/output/OutputMessage.h"
#include "core/output/PageSurface.h"
#include "core/output/PrintJob.h"
#include "core/output/Report.h"

class QWidget;

namespace gm::ui {

struct UiContext;

// Where a window's output goes: message boxes through ctx.Prompts, the
// system clipboard, and the printer chosen in Printer Setup (or the default
// printer). Files are written with the hourglass showing.
class WindowSink : public OutputSink {
public:
    WindowSink(UiContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}

    void Tell(const OutputMessage& message) override;
    OutputMessage SaveTextFile(const AppState& state, const TextFileOutput& file) override;
    OutputMessage SaveWebPage(const AppState& state, const WebPageOutput& page) override;
    OutputMessage PutOnClipboard(const ClipboardOutput& clip) override;
    Status Print(const std::string& jobName, const std::function<Status(PageSurface&)>& job) override;

private:
    UiContext& ctx_;
    QWidget* parent_;
};

// The Print button of a display: opens "Send Output To" (frmPNFLResults)
// modally, then dispatches the report to what the user chose.
void RunReport(UiContext& ctx, QWidget* parent, const Report& report);

// The dispatch alone, for windows with their own choice of destination (the
// pick-sheet dialogs, the Sports Box's copies) or none (the graphs and sheets
// that only print). Every printout of a window goes through here. Returns
// false when a writer failed (and said so).
bool DispatchToWindow(UiContext& ctx, QWidget* parent, const Report& report, const OutputRequest& request);

// Clears the clipboard and puts the text (UTF-8) on it as plain text.
void PutOnClipboard(const std::string& text);

// Shows a writer's message (nothing for OutputMessage::Silent()).
void ShowOutputMessage(UiContext& ctx, QWidget* parent, const OutputMessage& message);

}  // namespace gm::ui
