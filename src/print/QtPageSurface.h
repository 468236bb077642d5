#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/data/Status.h"
#include "core/output/PageSurface.h"

class QPrinter;

namespace gm {

// The page surface on a QPainter: the system printer chosen in Printer Setup,
// or a PDF file. Coordinates are twips from the top left of the printable
// area. "Courier New", "Arial", "Sans Serif" and "Times New Roman" are drawn
// with their Liberation twins. The painter is opened at the first drawing, so
// a job that prints nothing sends nothing. Failures throw PrintError.

// Prints on `printer` (not owned; it must outlive the surface).
std::unique_ptr<PageSurface> MakePrinterSurface(QPrinter& printer, const std::string& jobName);

// Writes a PDF file of Letter pages. The file appears, whole, at EndDoc; a job
// that fails leaves any previous file of that name untouched. The file is
// written as every save is: through a link, a pipe or a device alike.
std::unique_ptr<PageSurface> MakePdfSurface(const std::filesystem::path& file, const std::string& jobName);

// The same PDF handed whole to `deliver` at EndDoc (standard output, say);
// its failure fails the job. A job that prints nothing delivers nothing.
using PdfDelivery = std::function<Status(std::string_view pdf)>;
std::unique_ptr<PageSurface> MakePdfSurface(PdfDelivery deliver, const std::string& jobName);

// The family actually used for a font name of the printouts.
std::string ResolveFontFamily(const std::string& name);

}  // namespace gm
