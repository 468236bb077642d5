#pragma once

#include <span>
#include <string>
#include <string_view>

namespace gm {

// Help topics the windows' Help buttons open.
namespace help {
inline constexpr int Contents = 0;
inline constexpr int Spreads = 3;
inline constexpr int Standings = 4;
inline constexpr int Options = 5;
inline constexpr int AllPicks = 6;
inline constexpr int Matchups = 7;
inline constexpr int PlayerStatPak = 12;
inline constexpr int PoolRoom = 13;
inline constexpr int PoolStatPak = 14;
inline constexpr int SportsBox = 16;
inline constexpr int DigitalPool = 17;
inline constexpr int NflResults = 20;  // weekly results and team results
inline constexpr int PickSheets = 21;  // the five pick sheets and the EZ Entry sheet
inline constexpr int PlayerAnalyst = 31;
inline constexpr int PlayerGraphs = 32;
inline constexpr int PoolMarquee = 33;
inline constexpr int PoolAnalyst = 34;
inline constexpr int PoolExperts = 35;
}  // namespace help

// The page of the help pages for a topic; unknown topics open the contents.
std::string_view HelpPage(int topic);

// What the help commands say when the pages or a browser are missing.
inline constexpr std::string_view kHelpTitle = "Gridmoot Help";
inline constexpr std::string_view kHelpMissingText =
    "The help pages could not be found.\nThey are installed in share/gridmoot/docs beside the program.";
std::string HelpNoBrowserText(std::string_view file);

// The Quick Tour: the windows it opens in order, each after a box (title
// kQuickTourTitle) saying what it is for. Windows not built are passed over.
struct TourStop {
    std::string_view Form;
    std::string_view Text;
};
std::span<const TourStop> QuickTourStops();
inline constexpr std::string_view kQuickTourTitle = "The Gridmoot Quick Tour";

}  // namespace gm
