#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace gm {

inline constexpr double kTwipsPerInch = 1440.0;

// Font of the page surface. Size in points; Weight 400 normal, 700 bold
// (Bold forces at least 700).
struct PageFont {
    std::string Name = "Courier New";
    double Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Weight = 400;

    bool operator==(const PageFont&) const = default;
};

// Raised by a surface when the printer (or the PDF file) fails. what() is the
// system's description of the failure.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printer page, measured in twips (1440 per inch) from the top left corner
// of the printable area. Print routines of the displays are written against
// this; the printer, PDF files and the test recorder implement it.
//
// Any member may throw PrintError; RunPrintJob (PrintJob.h) catches it, so
// that nothing more is sent once the printer has failed.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    // Next text position (top left of the text). Printing a line moves
    // CurrentY down one line and CurrentX back to 0.
    double CurrentX = 0;
    double CurrentY = 0;
    // Font used by the next print; may be changed at any time.
    PageFont Font;
    // Line thickness for Line(), in pixels of the original screen (1 = thin).
    int DrawWidth = 1;

    // Prints text (UTF-8) at the current position and ends the line.
    virtual void PrintLine(std::string_view text = {}) = 0;
    // Prints text and keeps the position just after it, on the same line.
    virtual void PrintText(std::string_view text) = 0;

    // Width of text in the current font, in twips.
    virtual double TextWidth(std::string_view text) = 0;
    // Height of one line in the current font, in twips.
    virtual double TextHeight() = 0;

    // A straight line, or with box = true the outline of the rectangle, between
    // two points; leaves CurrentX/CurrentY at the second point.
    virtual void Line(double x1, double y1, double x2, double y2, bool box = false) = 0;

    // Printable width and height of the page.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // 1 portrait, 2 landscape. Set before the first thing is printed.
    virtual int Orientation() const = 0;
    virtual void SetOrientation(int orientation) = 0;

    // Ends the page; the next print starts a new sheet at 0, 0. A NewPage with
    // nothing printed after it produces no empty sheet.
    virtual void NewPage() = 0;
    // Ends the job and hands it to the spooler (or closes the file).
    virtual void EndDoc() = 0;
    // Drops the job after a failure: nothing more is sent.
    virtual void Abort() = 0;
};

}  // namespace gm
