#pragma once

#include <span>
#include <string_view>

namespace gm {

// Every window of the program. The catalogue below gives each its name,
// menu caption, report name, opening rule and help page, so that the menus,
// the window registry, the menu rules, the command line and the help buttons
// all name a window by this enum and never by text.
enum class Display {
    NflTeams,
    NflSchedule,
    PointSpreads,
    Scores,
    Members,
    Selections,
    WeeklyResults,
    TeamResults,
    LeagueStandings,
    ConferenceStandings,
    WhosHot,
    FavoriteUnderdog,
    Matchups,
    PointsForAgainst,
    NflGraphs,
    NflMarquee,
    NflAnalyzer,
    PlayerMatrix,
    PoolStandings,
    PlayerStatPak,
    PlayerAnalyst,
    PlayerGraphs,
    PoolRoom,
    PoolMarquee,
    PoolStatPak,
    PoolAnalyst,
    PoolExperts,
    SportsBox,
    DigitalPlayers,
    DigitalPool,
    PoolOptions,
    BackgroundColors,
    StandardSheet,
    CompactSheet,
    TearoffSheet,
    TopTenSheet,
    NoExcuseSheet,
    AllPicks,
    SportsBoxSheet,
    EzEntrySheet,
    PicksSite,
    About,
};

// What must hold before a menu command opens the display.
enum class OpenRule {
    Always,
    // Grades the members' selections, which are for the current season only.
    Grades,
    // Grades them, and shows nothing without members.
    MembersGrades,
    // As MembersGrades, and needs three weeks of history.
    Experts,
    // Takes the selections: members and the current season.
    EntersSelections,
};

struct DisplayRow {
    Display Id;
    std::string_view Window;   // the window's objectName, "frmPoolStn"
    std::string_view Caption;  // its menu item, the access key marked by '&'
    std::string_view Cli;      // `gridmoot-cli report NAME`; empty when there is none
    OpenRule Rule;
    std::string_view NoMembers;  // the refusal's second line when the rule needs members
    std::string_view HelpPage;   // the page under docs/ that tells about it
};

// The catalogue, in the order of the enum.
std::span<const DisplayRow> AllDisplays();
const DisplayRow& DisplayInfo(Display display);
inline std::string_view WindowName(Display display) {
    return DisplayInfo(display).Window;
}
inline std::string_view DisplayCaption(Display display) {
    return DisplayInfo(display).Caption;
}
inline std::string_view CliName(Display display) {
    return DisplayInfo(display).Cli;
}

}  // namespace gm
