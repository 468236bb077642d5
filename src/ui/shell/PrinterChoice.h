#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "core/data/AppState.h"
#include "core/data/Settings.h"
#include "core/data/Status.h"

class QPrinter;
class QWidget;

namespace gm::ui {

struct UiContext;

// Where printouts go: a printer (the one named, or the system's default), or
// PDF files in a folder. Printer Setup sets it; it is kept in the settings
// file so that the next start prints the same way.
struct PrinterChoice {
    enum class Kind { Printer, Pdf };
    Kind Output = Kind::Printer;
    std::string PrinterName;  // empty: the system's default printer
    fs::path PdfFolder;       // empty: the data folder
};

// The program's own keys for it, in a section of their own.
namespace printer_keys {
inline constexpr SettingKey Output{"Printer", "Output", "Printer", 8};  // "Printer" or "PDF"
inline constexpr SettingKey Name{"Printer", "Name", "", 256};
inline constexpr SettingKey PdfFolder{"Printer", "PdfFolder", "", 1024};
}  // namespace printer_keys

PrinterChoice ReadPrinterChoice(const AppState& state);
// Writes only the keys that changed, so the rest of the file stays as it is.
Status WritePrinterChoice(const AppState& state, const PrinterChoice& choice);

// What Printer Setup left in `printer`: its "Print to File (PDF)" (with the
// folder of the file it names), or the printer picked.
PrinterChoice ChoiceFromPrinter(const QPrinter& printer);
// Prepares `printer` for Printer Setup to show `choice`: the kept printer when
// it is still installed, or "Print to File (PDF)" in the kept folder.
void ApplyPrinterChoice(const AppState& state, const PrinterChoice& choice, QPrinter& printer);
// After Printer Setup: back to printing on paper (PDF files are asked for at
// each printout instead of overwriting one file).
void UsePaperPrinter(QPrinter& printer);

// True when `printer` cannot print: no printer is installed (and it is not
// set to write a file).
bool NoPrinterInstalled(const QPrinter& printer);

// Where a printout that goes to PDF is offered first: the kept folder (when it
// still exists, else the data folder) and a file named after the printout.
QString SuggestedPdfFile(const AppState& state, const PrinterChoice& choice, const std::string& jobName);

// Asks for the PDF file of a printout (a save dialog, or the context's
// stand-in); "" when the user cancels. The folder chosen is offered next time.
QString AskForPdfFile(UiContext& ctx, QWidget* parent, const std::string& jobName);

// Says which file a printout was written to.
inline constexpr const char* kPrintToFileTitle = "Print to File";
QString PdfWrittenText(const QString& file);
void TellPdfWritten(UiContext& ctx, QWidget* parent, const QString& file);

}  // namespace gm::ui
