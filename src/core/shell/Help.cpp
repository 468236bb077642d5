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
        case help::PlayerAnalyst: return "panalyze.html";
        case help::PlayerGraphs: return "pgraph.html";
        case help::PoolMarquee: return "ptape.html";
        case help::PoolAnalyst: return "poolanalyst.html";
        case help::PoolExperts: return "poolexperts.html";
        default: return "index.html";
    }
}

std::string HelpNoBrowserText(std::string_view file) {
    return "No web browser could be started to show the help page\n" + std::string(file);
}

std::span<const TourStop> QuickTourStops() {
    static constexpr TourStop kTour[] = {
        {"frmPlayer", "Welcome to Gridmoot. A pool starts with its season: type the games in Edits, NFL Schedule, "
                      "or read a whole season with gridmoot-cli import-season (Help, Contents, The First Week). "
                      "Then add the members of your pool, the Vadorurizizs, here; each member gets a player "
                      "number that stays with the name all season."},
        {"frmOptions", "Next set the pool options: straight up or against the spread, how members are ranked, "
                       "confidence points and the tiebreakers."},
        {"frmSpreads", "Each week, type the point spread of every game here, beside the underdog or the favourite as "
                       "your options say."},
        {"frmCompact", "Print pick sheets for the members to fill in. There are five styles; this is the Compact one."},
        {"frmPicks", "When the sheets come back, type each member's selections, confidence points and Monday night "
                     "tiebreaker here."},
        {"frmPMatrix", "The player matrix shows every member's selections for a week side by side."},
        {"frmOffBar", "The Sports Box runs a squares pool on one game a week: a hundred boxes, a digit for each team."},
        {"frmScores", "After the games, enter the final scores. Every selection is graded from them."},
        {"frmPoolStn", "The pool standings rank the members for a week or for any range of weeks, and print, copy "
                       "or publish them."},
        {"frmPGraph", "Player graphs chart one member's week-by-week record against the pool's average."},
        {"frmStats", "The Player StatPak shows one member's season week by week, with the member's rank each week."},
        {"frmNFLDisp", "And the NFL marquee runs the week's games and results across the sign. That ends the tour: "
                       "enjoy the season!"},
    };
    return kTour;
}

}  // namespace gm
