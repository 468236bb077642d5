#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"
#include "core/pool/Grading.h"
#include "core/pool/StatPakText.h"

namespace gm {

// The whole pool's figures for one week: every member's selections added
// together. Sums over members are 64-bit: a pool may hold 32,767 members.
struct PoolStatWeek {
    std::int64_t Wins = 0;
    std::int64_t Losses = 0;
    std::int64_t Ties = 0;
    std::int64_t HalfPoints = 0;  // confidence points in halves
    std::int64_t SeasonWins = 0;
    std::int64_t SeasonLosses = 0;
    std::int64_t SeasonTies = 0;
    std::int64_t SeasonHalfPoints = 0;
    std::int64_t DiffSum = 0;  // Monday-night differences of the members who played
    std::int64_t Players = 0;  // members who made a selection that week
    float Pct = 0.0f;
    float SeasonPct = 0.0f;

    bool operator==(const PoolStatWeek&) const = default;
};

struct PoolStatTotals {
    std::int64_t Wins = 0;
    std::int64_t Losses = 0;
    std::int64_t Ties = 0;
    std::int64_t HalfPoints = 0;

    bool operator==(const PoolStatTotals&) const = default;
};

struct PoolStatAverages {
    std::string Wins, Losses, Pct, Tb, CPts;
};

// Winning percentage of pool-wide sums (the engine's rule).
float PoolPct(std::int64_t wins, std::int64_t losses, std::int64_t ties);

// The Pool StatPak: the pool as a whole, week by week with running totals,
// and the per-player averages of the week shown.
class PoolStatPak : public Report {
public:
    // Opens on weeks 1 to CurrentWeek; grades against the spread first when
    // spreads are on.
    explicit PoolStatPak(AppState& state);

    // Spin control: refused (false) beyond week 1 and the league's last week; CurrentWeek follows.
    bool Spin(int step);
    int Week() const { return shown_.Week(); }
    const std::string& WeekLabel() const { return shown_.Label(); }
    std::string PoolWeekText() const;  // lblPoolWeek

    bool ConfidenceMode() const;
    std::string Heading() const;
    std::vector<std::string> Lines() const;
    PoolStatAverages Averages() const;

    const PoolStatWeek& WeekFigures(int week) const;  // week 1 to Week()
    const PoolStatTotals& Totals() const { return totals_; }

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void AddWeek(int week);
    void RemoveWeek();
    std::string Line(int week) const;
    StatPakPage Page(bool printed) const;

    AppState& state_;
    StatPakWeeks shown_;
    PoolStatTotals totals_;
    std::vector<PoolStatWeek> weeks_;  // [week - 1]
    std::vector<StandingsRow> scratch_;
};

}  // namespace gm
