#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/OutputMessage.h"
#include "core/output/OutputRequest.h"
#include "core/output/PageSurface.h"

namespace gm {

// Titles of the message box shown when printing fails.
inline constexpr std::string_view kPrintErrorTitle = "Unable To Print, Please Check Your Printer";
// The pick sheets, the NFL weekly results and the EZ Entry sheet use this one.
inline constexpr std::string_view kPrintErrorTitleSheets = "Unable to Print, Please check your Printer";

// Copies of a printout: one per pool member with "One Per Player", otherwise
// the count chosen in the dialog.
int CopiesToPrint(const AppState& state, const OutputRequest& request);
int CopiesToPrint(int memberCount, int count, bool onePerPlayer);

// The output dialogs refuse OK until they know where the output goes and,
// for the printer, how many copies: a count of 0 is only right with "One Per
// Player".
inline constexpr std::string_view kIncompleteTitle = "Incomplete Data";
inline constexpr std::string_view kNoDestinationText = "You need to specify where you want the output to go.";
inline constexpr std::string_view kNoCopiesText = "You need to specify the number\r\nof copies to print";
inline constexpr std::string_view kNoPicksheetsText = "You need to specify the number\r\nof Picksheets to print";
bool CopiesMissing(int count, bool onePerPlayer);

// The publisher's banner and web address printed at the head of the pool
// standings and the pick sheets.
inline constexpr std::string_view kPrintedBanner = "Tallbrook Office Football Pools";
inline constexpr std::string_view kPrintedWebAddress = "www.tallbrookpools.example";

// Half an inch above the bottom of the printable area.
double PageBottom(PageSurface& surface);

// Prints text centred across the page and ends the line.
void PrintCentered(PageSurface& surface, std::string_view text);

// Before a body line: when CurrentY is past `pageBottom`, start a new page,
// print an empty line, restore `bodyFont` and call `repeatHeading` (which
// prints the column heading again). Returns true when it broke the page.
bool BreakPageIfNeeded(PageSurface& surface, double pageBottom, const PageFont& bodyFont,
                       const std::function<void(PageSurface&)>& repeatHeading);

// The common case: the heading is `headingLines`, printed in `headingFont`,
// after which the body font is set again.
bool BreakPageIfNeeded(PageSurface& surface, double pageBottom, const PageFont& bodyFont,
                       const PageFont& headingFont, std::span<const std::string> headingLines);

// Runs a whole print job: for each copy, start the page with an empty line,
// put the position at 0, 0, call printCopy(surface, copyIndex) and end with
// NewPage; after the last copy EndDoc. A PrintError (or any exception) aborts
// the job and comes back as an error whose message is its description.
Status RunPrintJob(PageSurface& surface, int copies,
                   const std::function<void(PageSurface&, int copyIndex)>& printCopy);

// The message box for a failed job.
OutputMessage PrintFailure(const Status& status, std::string_view title = kPrintErrorTitle);

}  // namespace gm
