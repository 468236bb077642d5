#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/shell/Displays.h"

namespace gm {

// The contents of the help pages; each display's own page is in its row of
// the catalogue (core/shell/Displays.h).
inline constexpr std::string_view kHelpContentsPage = "index.html";
inline std::string_view HelpPage(Display display) {
    return DisplayInfo(display).HelpPage;
}

// What the help commands say when the pages or a browser are missing.
inline constexpr std::string_view kHelpTitle = "Gridmoot Help";
inline constexpr std::string_view kHelpMissingText =
    "The help pages could not be found.\nThey are installed in share/gridmoot/docs beside the program.";
std::string HelpNoBrowserText(std::string_view file);

// The Quick Tour: the windows it opens in order, each after a box (title
// kQuickTourTitle) saying what it is for. Windows not built are passed over.
struct TourStop {
    Display Form;
    std::string_view Text;
};
std::span<const TourStop> QuickTourStops();
inline constexpr std::string_view kQuickTourTitle = "The Gridmoot Quick Tour";

}  // namespace gm
