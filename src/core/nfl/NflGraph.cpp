#include "NflGraph.h"

#include <algorithm>

#include "core/output/PrintJob.h"
#include "core/output/TextOutput.h"
#include "core/output/WeekChart.h"

namespace gm {

namespace {

// The team a tally follows in this game, or 0 when the game counts for none.
// For "All" locations of the straight and spread methods both teams count,
// which the caller handles.
int CreditedTeam(const GameRecord& g, GraphMethod method, Venue location) {
    int team = 0;
    switch (method) {
        case GraphMethod::Favorites: team = FavoriteTeam(g); break;
        case GraphMethod::Underdogs: team = UnderdogTeam(g); break;
        case GraphMethod::Spread:
        case GraphMethod::Straight: team = location == Venue::Road ? g.AwayTeam : g.HomeTeam; break;
    }
    if (team == 0) return 0;
    if (location == Venue::Home && team != g.HomeTeam) return 0;
    if (location == Venue::Road && team != g.AwayTeam) return 0;
    return team;
}

}  // namespace

WeekTallies TallyWeeks(const SeasonGrid& games, GraphMethod method, Venue location, const League& league) {
    WeekTallies tallies{};
    for (int w = 0; w < league.Weeks; ++w) {
        WeekTally& tally = tallies[static_cast<std::size_t>(w)];
        for (int slot = 0; slot < league.Slots; ++slot) {
            const GameRecord& g = games[static_cast<std::size_t>(w)][static_cast<std::size_t>(slot)];
            if (!Counts(g)) continue;
            const bool spread = method != GraphMethod::Straight;
            const int team = CreditedTeam(g, method, location);
            if (team == 0) continue;
            const Outcome o = spread ? SpreadOutcome(g, team) : StraightUpOutcome(g, team);
            if (o == Outcome::Tie || o == Outcome::None) continue;
            const bool bothSides =
                location == Venue::Overall && (method == GraphMethod::Straight || method == GraphMethod::Spread);
            if (bothSides) {
                ++tally.GraphWins;
                ++tally.GraphLosses;
            } else if (o == Outcome::Win) {
                ++tally.GraphWins;
            } else {
                ++tally.GraphLosses;
            }
        }
    }
    return tallies;
}

WeekTallies GetRegHome(const SeasonGrid& games) { return TallyWeeks(games, GraphMethod::Straight, Venue::Home); }
WeekTallies GetFavOverall(const SeasonGrid& games) {
    return TallyWeeks(games, GraphMethod::Favorites, Venue::Overall);
}

int TotalWins(const WeekTallies& tallies) {
    int total = 0;
    for (const auto& t : tallies) total += t.GraphWins;
    return total;
}

int TotalLosses(const WeekTallies& tallies) {
    int total = 0;
    for (const auto& t : tallies) total += t.GraphLosses;
    return total;
}

NflGraph::NflGraph(const AppState& state) : state_(state) { Rebuild(); }

void NflGraph::SetMethod(GraphMethod method) {
    method_ = method;
    Rebuild();
}

void NflGraph::SetLocation(Venue location) {
    location_ = location;
    Rebuild();
}

void NflGraph::Rebuild() { tallies_ = TallyWeeks(state_.Games, method_, location_, state_.League()); }

std::string NflGraph::ChartTitle() const { return state_.SeasonYear + " NFL League Data"; }

std::string NflGraph::PictureFileName() const { return SafeFileStem(state_.SeasonYear, "Season") + "NFLGraph.bmp"; }

int NflGraph::AxisMaximum() const {
    int top = 0;
    for (const auto& t : tallies_) top = std::max({top, t.GraphWins, t.GraphLosses});
    return std::max(5, (top + 4) / 5 * 5);
}

std::string NflGraph::SeriesCaption() const {
    static constexpr std::array<std::string_view, 4> methods{"Favorites", "Underdogs", "NFL vs. Spread",
                                                             "NFL - No Spreads"};
    const std::string_view where = location_ == Venue::Home ? "At Home" : location_ == Venue::Road ? "On Road" : "All";
    return std::string(methods[static_cast<std::size_t>(method_)]) + "  " + std::string(where);
}

Status NflGraph::Print(PageSurface& surface, PrintCopies copies) const {
    surface.SetOrientation(2);
    return Report::Print(surface, copies);
}

// The chart on paper, landscape: axes with a tick every fifth of the axis,
// the season's weeks along the bottom, wins filled and losses open (bars side
// by side, or lines through the weekly points), and the totals underneath.
void NflGraph::PrintCopy(PageSurface& s, int) const {
    s.Font = PageFont{"Arial", 18, true};
    PrintCentered(s, ChartTitle());
    s.Font = PageFont{"Arial", 12};
    PrintCentered(s, SeriesCaption());
    s.PrintLine();

    WeekChart chart;
    chart.Weeks = Weeks();
    for (int w = 0; w < chart.Weeks; ++w) {
        chart.Filled[static_cast<std::size_t>(w)] = tallies_[static_cast<std::size_t>(w)].GraphWins;
        chart.Open[static_cast<std::size_t>(w)] = tallies_[static_cast<std::size_t>(w)].GraphLosses;
    }
    chart.Maximum = AxisMaximum();
    chart.Line = line_;
    const double bottom = PrintWeekChart(s, chart);
    s.Font = PageFont{"Arial", 12};
    s.CurrentX = 0;
    s.CurrentY = bottom + 480;
    PrintCentered(s, "Total Wins " + std::to_string(Wins()) + "   (filled)        Total Losses " +
                         std::to_string(Losses()) + "   (open)");
}

}  // namespace gm
