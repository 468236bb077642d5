#include "Help.h"

namespace gm {

std::string_view HelpPage(int topic) {
    switch (topic) {
        case help::Spreads: return "spreads.html";
        case help::Standings: return "standings.html";
        case help::Options: return "options.html";
        case help::AllPicks: return "allpicks.html";
        case help::Matchups: return "matchups.html";
        case help::PlayerStatPak: return "statpak.html";
        case help::PoolRoom: return "poolroom.html";
        case help::PoolStatPak: return "poolstat.html";
        case help::SportsBox: return "sportsbox.html";
        case help::DigitalPool: return "digital.html";
        case help::NflResults: return "nflresults.html";
        case help::PickSheets: return "picksheets.html";
        default: return "index.html";
    }
}

std::string HelpNoBrowserText(std::string_view file) {
    return "No web browser could be started to show the help page\n" + std::string(file);
}

std::span<const TourStop> QuickTourStops() {
    static constexpr TourStop kTour[] = {
        {"frmPlayer", "First add the members of your pool. Each member gets a player number."},
        {"frmOptions", "Then set the pool options: point spreads, how players are ranked, confidence points and "
                       "the tiebreakers."},
        {"frmSpreads", "Each week, enter the point spreads of the week's games."},
        {"frmCompact", "Print pick sheets for the members to fill in."},
        {"frmPicks", "Type each member's selections and Monday night tiebreaker into the selections window."},
        {"frmPMatrix", "The player matrix shows everybody's selections side by side."},
        {"frmOffBar", "The Sports Box runs a squares pool on one game a week."},
        {"frmScores", "After the games, enter the final scores."},
        {"frmPoolStn", "The pool standings grade every selection and rank the members."},
        {"frmPGraph", "Player graphs chart each member's weeks."},
        {"frmStats", "The StatPak shows a member's statistics week by week."},
        {"frmNFLDisp", "And the NFL marquee scrolls the week's results across the sign. Enjoy the season!"},
    };
    return kTour;
}

}  // namespace gm
