#include "PrinterChoice.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

constexpr std::string_view kPdfValue = "PDF";
constexpr std::string_view kPrinterValue = "Printer";

bool SameText(std::string_view a, std::string_view b) {
    return QString::compare(Q(a), Q(b), Qt::CaseInsensitive) == 0;
}

// A file name from a printout's title: characters no file name may hold go.
QString FileNameFor(const std::string& jobName) {
    QString name;
    for (const QChar c : Q(jobName).simplified())
        if (c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c)) name += c;
    name = name.trimmed();
    return (name.isEmpty() ? QStringLiteral("Gridmoot") : name) + ".pdf";
}

QString FolderOf(const AppState& state, const PrinterChoice& choice) {
    std::error_code ec;
    if (!choice.PdfFolder.empty() && fs::is_directory(choice.PdfFolder, ec))
        return QString::fromStdString(choice.PdfFolder.string());
    return QString::fromStdString(state.DataFolder.string());
}

}  // namespace

PrinterChoice ReadPrinterChoice(const AppState& state) {
    PrinterChoice choice;
    choice.Output =
        SameText(ReadSetting(state.Settings, printer_keys::Output), kPdfValue) ? PrinterChoice::Kind::Pdf
                                                                                : PrinterChoice::Kind::Printer;
    choice.PrinterName = ReadSetting(state.Settings, printer_keys::Name);
    choice.PdfFolder = ReadSetting(state.Settings, printer_keys::PdfFolder);
    return choice;
}

Status WritePrinterChoice(const AppState& state, const PrinterChoice& choice) {
    const PrinterChoice kept = ReadPrinterChoice(state);
    const std::string output{choice.Output == PrinterChoice::Kind::Pdf ? kPdfValue : kPrinterValue};
    if (ReadSetting(state.Settings, printer_keys::Output) != output)
        if (Status s = WriteSetting(state.Settings, printer_keys::Output, output); !s) return s;
    if (kept.PrinterName != choice.PrinterName)
        if (Status s = WriteSetting(state.Settings, printer_keys::Name, choice.PrinterName); !s) return s;
    if (kept.PdfFolder != choice.PdfFolder)
        if (Status s = WriteSetting(state.Settings, printer_keys::PdfFolder, choice.PdfFolder.string()); !s) return s;
    return Status::Ok();
}

PrinterChoice ChoiceFromPrinter(const QPrinter& printer) {
    PrinterChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        choice.Output = PrinterChoice::Kind::Pdf;
        if (!printer.outputFileName().isEmpty())
            choice.PdfFolder = QFileInfo(printer.outputFileName()).absolutePath().toStdString();
    } else {
        choice.PrinterName = printer.printerName().toStdString();
    }
    return choice;
}

void ApplyPrinterChoice(const AppState& state, const PrinterChoice& choice, QPrinter& printer) {
    if (choice.Output == PrinterChoice::Kind::Pdf) {
        printer.setOutputFileName(FolderOf(state, choice) + "/Gridmoot.pdf");
        return;
    }
    UsePaperPrinter(printer);
    // A printer removed since is passed over: the default one prints.
    if (!choice.PrinterName.empty() && QPrinterInfo::availablePrinterNames().contains(Q(choice.PrinterName)))
        printer.setPrinterName(Q(choice.PrinterName));
}

void UsePaperPrinter(QPrinter& printer) {
    // No file name: back to the native format, when there is a printer to use.
    printer.setOutputFileName(QString());
}

bool NoPrinterInstalled(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) return false;  // writes a file: needs no printer
    return printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty();
}

QString SuggestedPdfFile(const AppState& state, const PrinterChoice& choice, const std::string& jobName) {
    return QDir(FolderOf(state, choice)).filePath(FileNameFor(jobName));
}

QString AskForPdfFile(UiContext& ctx, QWidget* parent, const std::string& jobName) {
    PrinterChoice choice = ReadPrinterChoice(ctx.State);
    const QString suggested = SuggestedPdfFile(ctx.State, choice, jobName);
    QString file = ctx.ChooseSaveFile
                       ? ctx.ChooseSaveFile(parent, kPrintToFileTitle, suggested)
                       : QFileDialog::getSaveFileName(parent, kPrintToFileTitle, suggested,
                                                      QObject::tr("PDF files (*.pdf)"));
    if (file.isEmpty()) return {};
    if (QFileInfo(file).suffix().isEmpty()) file += ".pdf";
    file = QFileInfo(file).absoluteFilePath();
    // The next printout starts where this one went.
    choice.PdfFolder = QFileInfo(file).absolutePath().toStdString();
    (void)WritePrinterChoice(ctx.State, choice);
    return file;
}

QString PdfWrittenText(const QString& file) {
    return "The printout was written to the PDF file\n" + QDir::toNativeSeparators(file);
}

void TellPdfWritten(UiContext& ctx, QWidget* parent, const QString& file) {
    ctx.Prompts.Tell(parent, PromptIcon::Information, kPrintToFileTitle, PdfWrittenText(file));
}

}  // namespace gm::ui
