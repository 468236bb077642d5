#include "PlayerGraph.h"

#include <algorithm>
#include <cmath>

#include "core/output/PrintJob.h"
#include "core/output/TextOutput.h"
#include "core/output/WeekChart.h"
#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"

namespace gm {

PlayerGraph::PlayerGraph(AppState& state) : state_(state) {
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    Compute();
}

// Every week graded for every member once: the pool's totals here, a
// member's own weeks when chosen.
void PlayerGraph::Compute() {
    const int count = std::clamp(state_.MemberCount, 0, static_cast<int>(state_.Members.size()));
    const std::span<const MemberRecord> members(state_.Members.data(), static_cast<std::size_t>(count));
    const GradingRules rules = GradingRules::From(state_);
    weeks_ = {};
    pool_ = {};
    for (int w = 0; w < Weeks(); ++w) {
        std::vector<StandingsRow> rows = NewRows(count);
        PlayerGraphPoolWeek& pool = pool_[static_cast<std::size_t>(w)];
        pool.Players = TallyWeek(rows, state_.Games, members, rules, w);
        ComputePercentages(rows);
        for (const StandingsRow& r : rows) {
            pool.Wins += r.WeekWins;
            pool.Points += r.WeekPoints;
            pool.Pct += r.WeekPct;
            if (r.MemberIndex == member_)
                weeks_[static_cast<std::size_t>(w)] = {r.WeekWins, r.WeekLosses, r.WeekTies,
                                                       r.WeekPoints, r.WeekPct,   r.PlayedWeek};
        }
    }
}

std::vector<std::string> PlayerGraph::MemberChoices() const {
    std::vector<std::string> names;
    for (int i = 0; i < state_.MemberCount; ++i) names.push_back(NameField(state_.Members[static_cast<std::size_t>(i)]));
    return names;
}

void PlayerGraph::SelectMember(int index) {
    member_ = index >= 0 && index < state_.MemberCount ? index : -1;
    Compute();
}

int PlayerGraph::ActiveWeeks() const {
    return static_cast<int>(std::count_if(weeks_.begin(), weeks_.end(), [](const auto& w) { return w.Played; }));
}

double PlayerGraph::Value(const PlayerGraphWeek& week) const {
    switch (method_) {
        case PlayerGraphMethod::Wins: return week.Wins;
        case PlayerGraphMethod::ConfidencePoints: return week.Points;
        case PlayerGraphMethod::WinPct: return week.Pct;
    }
    return 0;
}

double PlayerGraph::PoolValue(const PlayerGraphPoolWeek& week) const {
    switch (method_) {
        case PlayerGraphMethod::Wins: return week.Wins;
        case PlayerGraphMethod::ConfidencePoints: return week.Points;
        case PlayerGraphMethod::WinPct: return week.Pct;
    }
    return 0;
}

PlayerGraphSeries PlayerGraph::MemberSeries() const {
    PlayerGraphSeries series(static_cast<std::size_t>(Weeks()));
    for (std::size_t w = 0; w < series.size(); ++w) series[w] = Value(weeks_[w]);
    return series;
}

PlayerGraphSeries PlayerGraph::PoolAverages() const {
    PlayerGraphSeries series(static_cast<std::size_t>(Weeks()));
    for (std::size_t w = 0; w < series.size(); ++w)
        series[w] = pool_[w].Players > 0 ? PoolValue(pool_[w]) / pool_[w].Players : 0.0;
    return series;
}

int PlayerGraph::TickIntervals() const {
    switch (method_) {
        case PlayerGraphMethod::Wins: return state_.League().Slots;
        case PlayerGraphMethod::ConfidencePoints: return state_.League().Slots == kSlots ? 12 : 8;
        case PlayerGraphMethod::WinPct: return 10;
    }
    return 10;
}

int PlayerGraph::AxisMaximum() const {
    const int games = state_.League().Slots;  // the most games of a week
    const int documented = method_ == PlayerGraphMethod::Wins               ? games
                           : method_ == PlayerGraphMethod::ConfidencePoints ? games * (games + 1) / 2
                                                                            : 100;
    // Confidence entries above the week's game count can push a week past
    // the top; the axis then grows so that no bar is cut off.
    double top = 0;
    for (double v : MemberSeries()) top = std::max(top, v);
    for (double v : PoolAverages()) top = std::max(top, v);
    if (top <= documented) return documented;
    const int step = std::max(1, documented / TickIntervals());
    return static_cast<int>(std::ceil(top / step)) * step;
}

std::string PlayerGraph::PlayerAverageText() const {
    const int active = ActiveWeeks();
    double total = 0;
    for (const auto& w : weeks_) total += Value(w);
    return Format1(active > 0 ? total / active : 0.0);
}

std::string PlayerGraph::PoolAverageText() const {
    double total = 0;
    int players = 0;
    for (const auto& w : pool_) {
        total += PoolValue(w);
        players += w.Players;
    }
    return Format1(players > 0 ? total / players : 0.0);
}

std::string PlayerGraph::PlayerTotalText() const {
    int wins = 0, losses = 0, ties = 0;
    double points = 0;
    for (const auto& w : weeks_) {
        wins += w.Wins;
        losses += w.Losses;
        ties += w.Ties;
        points += w.Points;
    }
    switch (method_) {
        case PlayerGraphMethod::Wins: return N(wins);
        case PlayerGraphMethod::ConfidencePoints: return Format1(points);
        case PlayerGraphMethod::WinPct: return Format1(WinningPct(wins, losses, ties));
    }
    return {};
}

std::string PlayerGraph::ChartTitle() const {
    return member_ >= 0 ? state_.Members[static_cast<std::size_t>(member_)].TrimmedName() : std::string();
}

std::string_view PlayerGraph::MethodCaption() const {
    switch (method_) {
        case PlayerGraphMethod::Wins: return "Wins";
        case PlayerGraphMethod::ConfidencePoints: return "Confidence Points";
        case PlayerGraphMethod::WinPct: return "Win Pct.";
    }
    return {};
}

std::string PlayerGraph::PictureFileName() const {
    // Member names are stored text: only their letters and digits reach the
    // file system.
    return SafeFileStem(ChartTitle(), "Player" + N(member_ + 1)) + "Graph.bmp";
}

std::string PlayerGraph::PictureConfirmation() const {
    return "A Windows Bitmap file has been created showing " + ChartTitle() + "'s" +
           " season record against the rest of the pool.";
}

Status PlayerGraph::Print(PageSurface& surface, PrintCopies copies) const {
    surface.SetOrientation(2);
    return Report::Print(surface, copies);
}

// The chart on paper, landscape: the value axis with its ticks, the season's weeks
// along the bottom, the member's values as filled bars (or a thick line) and
// the pool's averages as open bars (or a thin line), the boxes underneath.
void PlayerGraph::PrintCopy(PageSurface& s, int) const {
    s.Font = PageFont{"Arial", 18, true};
    PrintCentered(s, ChartTitle());
    s.Font = PageFont{"Arial", 12};
    PrintCentered(s, std::string(MethodCaption()) + ":  " + ChartTitle() + " (filled) against the " +
                         std::string(kPoolSeriesName) + " (open)");
    s.PrintLine();

    WeekChart chart;
    const PlayerGraphSeries member = MemberSeries();
    const PlayerGraphSeries pool = PoolAverages();
    std::copy(member.begin(), member.end(), chart.Filled.begin());
    std::copy(pool.begin(), pool.end(), chart.Open.begin());
    chart.Weeks = Weeks();
    chart.Maximum = AxisMaximum();
    chart.Ticks = TickIntervals();
    chart.Line = line_;
    const double bottom = PrintWeekChart(s, chart);
    s.Font = PageFont{"Arial", 12};
    s.CurrentX = 0;
    s.CurrentY = bottom + 480;
    PrintCentered(s, "Player Avg. " + PlayerAverageText() + "        Pool Avg. " + PoolAverageText() +
                         "        Player Tot. " + PlayerTotalText());
}

}  // namespace gm
