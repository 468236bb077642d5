#include "Displays.h"

#include <array>

namespace gm {
namespace {

using D = Display;
using R = OpenRule;

constexpr std::array kDisplays{
    DisplayRow{D::NflTeams, "frmNFLCity", "NFL &Teams", "", R::Always, "", "teams.html"},
    DisplayRow{D::NflSchedule, "frmSchedule", "&NFL Schedule", "", R::Always, "", "schedule.html"},
    DisplayRow{D::PointSpreads, "frmSpreads", "N&FL Point Spreads", "", R::Always, "", "spreads.html"},
    DisplayRow{D::Scores, "frmScores", "NF&L Scores", "", R::Always, "", "scores.html"},
    DisplayRow{D::Members, "frmPlayer", "Pool &Members", "", R::Always, "", "members.html"},
    DisplayRow{D::Selections, "frmPicks", "Pool &Selections", "", R::EntersSelections,
               "to enter player selections. ", "selections.html"},
    DisplayRow{D::WeeklyResults, "frmNFLResults", "Weekly &Results", "results", R::Always, "",
               "nflresults.html"},
    DisplayRow{D::TeamResults, "frmTResults", "&Team Results", "team", R::Always, "", "nflresults.html"},
    DisplayRow{D::LeagueStandings, "frmLeague", "&League Standings", "league", R::Always, "",
               "nflstandings.html"},
    DisplayRow{D::ConferenceStandings, "frmConference", "&Conference Standings", "conference", R::Always, "",
               "nflstandings.html"},
    DisplayRow{D::WhosHot, "frmWhosHot", "&Who's Hot Who's Not", "whoshot", R::Always, "",
               "nflstandings.html"},
    DisplayRow{D::FavoriteUnderdog, "frmFavUnd", "Favorite/&Underdog", "favund", R::Always, "",
               "nflstandings.html"},
    DisplayRow{D::Matchups, "frmThisWeek", "This Weeks &Matchups", "matchup", R::Always, "", "matchups.html"},
    DisplayRow{D::PointsForAgainst, "frmPFPA", "&Points For/ Points Against", "points", R::Always, "",
               "nflstandings.html"},
    DisplayRow{D::NflGraphs, "frmGraph", "NFL &Graphs", "graph", R::Always, "", "nflgraph.html"},
    DisplayRow{D::NflMarquee, "frmNFLDisp", "NFL Marque&e", "", R::Always, "", "nflgraph.html"},
    DisplayRow{D::NflAnalyzer, "frmAnalyze", "The NFL &Analyzer", "analyzer", R::Always, "", "analyzer.html"},
    DisplayRow{D::PlayerMatrix, "frmPMatrix", "Player Matri&x", "matrix", R::Grades, "", "matrix.html"},
    DisplayRow{D::PoolStandings, "frmPoolStn", "Pool &Standings", "standings", R::Grades, "",
               "standings.html"},
    DisplayRow{D::PlayerStatPak, "frmStats", "Player StatPa&k", "statpak", R::MembersGrades,
               "to use the Player Statpak. ", "statpak.html"},
    DisplayRow{D::PlayerAnalyst, "frmPAnalyze", "The Player &Analyst", "playeranalyst", R::MembersGrades,
               "to use the Player Analyst. ", "panalyze.html"},
    DisplayRow{D::PlayerGraphs, "frmPGraph", "Player &Graphs", "playergraph", R::MembersGrades,
               "to view Player Graphs. ", "pgraph.html"},
    DisplayRow{D::PoolRoom, "frmPoolRoom", "&The Pool Room", "poolroom", R::MembersGrades,
               "to enter the Pool Room. ", "poolroom.html"},
    // The pool marquee and the Pool StatPak open on any season shown, as the
    // Pool menu has always let them: they only add up the week's selections
    // against the games of that season.
    DisplayRow{D::PoolMarquee, "frmPTape", "The Pool &Marquee", "", R::Always, "", "ptape.html"},
    DisplayRow{D::PoolStatPak, "frmPoolStat", "The P&ool StatPak", "poolstat", R::Always, "",
               "poolstat.html"},
    DisplayRow{D::PoolAnalyst, "frmOddEnd", "The &Pool Analyst", "poolanalyst", R::MembersGrades,
               "to use the Pool Analyst. ", "poolanalyst.html"},
    DisplayRow{D::PoolExperts, "frmExpert", "The Pool E&xperts", "experts", R::Experts,
               "to view the Pool Experts. ", "poolexperts.html"},
    DisplayRow{D::SportsBox, "frmOffBar", "Sports &Box", "sportsbox", R::Always, "", "sportsbox.html"},
    DisplayRow{D::DigitalPlayers, "frmDPlayer", "&Edit Players", "", R::Always, "", "digital.html"},
    DisplayRow{D::DigitalPool, "frmDPool", "&Open Digital Pool", "digital", R::Always, "", "digital.html"},
    DisplayRow{D::PoolOptions, "frmOptions", "&Pool Options", "", R::Always, "", "options.html"},
    DisplayRow{D::BackgroundColors, "frmBgColor", "&Background Colors", "", R::Always, "", "colors.html"},
    // One report prints all five pick sheets (--style); it is the standard sheet's.
    DisplayRow{D::StandardSheet, "frmStandard", "&Standard", "picksheet", R::Always, "", "picksheets.html"},
    DisplayRow{D::CompactSheet, "frmCompact", "&Compact", "", R::Always, "", "picksheets.html"},
    DisplayRow{D::TearoffSheet, "frmTearoff", "&Tear-off", "", R::Always, "", "picksheets.html"},
    // It prints the pool's standings beside the week's games.
    DisplayRow{D::TopTenSheet, "frmTopTen", "T&opTen", "", R::Grades, "", "picksheets.html"},
    DisplayRow{D::NoExcuseSheet, "frmNoExcuse", "&No Excuse", "", R::Always, "", "picksheets.html"},
    DisplayRow{D::AllPicks, "frmMatrix", "&All-Picks Report", "allpicks", R::Grades, "", "allpicks.html"},
    DisplayRow{D::SportsBoxSheet, "frmSBPrint", "&Sport Box ", "", R::Always, "", "sportsbox.html"},
    DisplayRow{D::EzEntrySheet, "frmEzEntry", "&EZ Entry NFL Sheet", "ezentry", R::Always, "",
               "picksheets.html"},
    // The members' picks site, served while the program runs.
    DisplayRow{D::PicksSite, "frmSite", "Picks S&ite...", "", R::Always, "", "picksite.html"},
    DisplayRow{D::About, "frmAbout", "&About", "", R::Always, "", "index.html"},
};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kDisplays.size(); ++i)
        if (static_cast<std::size_t>(kDisplays[i].Id) != i) return false;
    return kDisplays.size() == static_cast<std::size_t>(D::About) + 1;
}
static_assert(InEnumOrder(), "one row for each display, in the order of the enum");

}  // namespace

std::span<const DisplayRow> AllDisplays() {
    return kDisplays;
}

const DisplayRow& DisplayInfo(Display display) {
    return kDisplays[static_cast<std::size_t>(display)];
}

}  // namespace gm
