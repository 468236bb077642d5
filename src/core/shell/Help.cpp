#include "Help.h"

namespace gm {

std::string HelpNoBrowserText(std::string_view file) {
    return "No web browser could be started to show the help page\n" + std::string(file);
}

std::span<const TourStop> QuickTourStops() {
    static constexpr TourStop kTour[] = {
        {Display::Members,
         "Welcome to Gridmoot. A pool starts with its season: read this season's games with Season, "
         "Import Season... (gridmoot-cli import-season does the same from scripts), or type the games in "
         "Edits, NFL Schedule (Help, Contents, Pool Folders and The First Week). "
         "Then add the members of your pool, the Vadorurizizs, here; each member gets a player "
         "number that stays with the name all season."},
        {Display::PoolOptions,
         "Next set the pool options: straight up or against the spread, how members are ranked, "
         "confidence points and the tiebreakers."},
        {Display::PointSpreads,
         "Each week, type the point spread of every game here, beside the underdog or the favourite as "
         "your options say."},
        {Display::CompactSheet,
         "Print pick sheets for the members to fill in. There are five styles; this is the Compact one."},
        {Display::Selections,
         "When the sheets come back, type each member's selections, confidence points and Monday night "
         "tiebreaker here."},
        {Display::PlayerMatrix, "The player matrix shows every member's selections for a week side by side."},
        {Display::SportsBox,
         "The Sports Box runs a squares pool on one game a week: a hundred boxes, a digit for each team."},
        {Display::Scores, "After the games, enter the final scores. Every selection is graded from them."},
        {Display::PoolStandings,
         "The pool standings rank the members for a week or for any range of weeks, and print, copy "
         "or publish them."},
        {Display::PlayerGraphs,
         "Player graphs chart one member's week-by-week record against the pool's average."},
        {Display::PlayerStatPak,
         "The Player StatPak shows one member's season week by week, with the member's rank each week."},
        {Display::NflMarquee,
         "And the NFL marquee runs the week's games and results across the sign. That ends the tour: "
         "enjoy the season!"},
    };
    return kTour;
}

}  // namespace gm
