#pragma once

// A printer that writes a PDF file, standing in for the printer of Printer
// Setup while it lives, and the text of what it printed.

#include <QPrinter>
#include <filesystem>
#include <string>

#include "support/PdfText.h"
#include "ui/shell/UiContext.h"

namespace gm::test {

class PdfPrinter {
public:
    PdfPrinter(ui::UiContext& ctx, std::filesystem::path file)
        : ctx_(ctx), previous_(ctx.Printer), file_(std::move(file)) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(QString::fromStdString(file_.string()));
        ctx_.Printer = &printer_;
    }
    ~PdfPrinter() { ctx_.Printer = previous_; }
    PdfPrinter(const PdfPrinter&) = delete;
    PdfPrinter& operator=(const PdfPrinter&) = delete;

    const std::filesystem::path& File() const { return file_; }
    // What pdftotext reads from the file; "" when it is not installed.
    std::string Text() const { return PdfText(file_); }

private:
    ui::UiContext& ctx_;
    QPrinter* previous_;
    std::filesystem::path file_;
    QPrinter printer_;
};

}  // namespace gm::test
