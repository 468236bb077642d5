#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/data/Status.h"
#include "core/output/OutputMessage.h"
#include "core/output/PageSurface.h"
#include "core/output/PrintJob.h"
#include "core/output/TextOutput.h"

class QWidget;

namespace gm::ui {

struct UiContext;

// The writers a display offers (any may be empty: the display has no such
// output, and choosing it produces nothing).
struct DisplayWriters {
    std::function<OutputMessage()> OutputFile;         // usually WriteTextFile(state, ...)
    std::function<ClipboardOutput()> OutputClipboard;  // text and confirmation
    // Prints `copies` copies on the surface, usually through RunPrintJob.
    std::function<Status(PageSurface&, int copies)> OutputPrinter;
    std::function<OutputMessage()> OutputWeb;  // usually WriteWebPage(state, ...)
    std::string PrintErrorTitle{kPrintErrorTitle};
    std::string JobName = "Gridmoot";  // name of the print job in the spooler
};

// The Print button of a display: opens "Send Output To" (frmPNFLResults)
// modally, then DispatchOutput.
void RunOutput(UiContext& ctx, QWidget* parent, const DisplayWriters& writers);

// Calls the writers the output request asks for, in the order text file,
// clipboard, printer, web page, shows each writer's message through
// ctx.Prompts, then clears the four destination flags (not OnePerPlayer and
// NumCopies). Printing goes to ctx.Printer (or the default printer) with
// CopiesToPrint() copies.
void DispatchOutput(UiContext& ctx, QWidget* parent, const DisplayWriters& writers);

// Prints through the printer of the context and reports a failure in the
// message box with `errorTitle`. For print routines outside the dialog (pick
// sheets, Sports Box sheets). Returns true when the job went through.
bool PrintOnPrinter(UiContext& ctx, QWidget* parent, const std::function<Status(PageSurface&)>& print,
                    const std::string& errorTitle = std::string(kPrintErrorTitle),
                    const std::string& jobName = "Gridmoot");

// Clears the clipboard and puts the text (UTF-8) on it as plain text.
void PutOnClipboard(const std::string& text);

// Shows a writer's message (nothing for OutputMessage::Silent()).
void ShowOutputMessage(UiContext& ctx, QWidget* parent, const OutputMessage& message);

}  // namespace gm::ui
