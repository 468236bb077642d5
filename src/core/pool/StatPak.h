#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"
#include "core/pool/Grading.h"
#include "core/pool/StatPakText.h"

namespace gm {

// One member's figures for one week of the Player StatPak: the week itself,
// the season to date after it, and the member's ranks as they stood then.
struct StatPakWeek {
    std::uint8_t Wins = 0;
    std::uint8_t Losses = 0;
    std::uint8_t Ties = 0;
    bool Played = false;         // made a selection that week
    std::uint16_t Diff = 0;      // Monday-night difference of the week (0 when not played)
    std::int32_t HalfPoints = 0;  // confidence points of the week, in halves
    std::int32_t SeasonWins = 0;
    std::int32_t SeasonLosses = 0;
    std::int32_t SeasonTies = 0;
    std::int32_t SeasonHalfPoints = 0;
    std::int32_t DiffTotal = 0;  // running Monday-night difference total
    float Pct = 0.0f;
    float SeasonPct = 0.0f;
    std::int32_t WeekRank = 0;
    std::int32_t SeasonRank = 0;

    bool operator==(const StatPakWeek&) const = default;
};

// A member's running totals over the weeks computed so far.
struct StatPakTotals {
    std::int32_t Wins = 0;
    std::int32_t Losses = 0;
    std::int32_t Ties = 0;
    std::int64_t HalfPoints = 0;
    std::int32_t DiffTotal = 0;
    std::int32_t WeeksPlayed = 0;

    bool operator==(const StatPakTotals&) const = default;
};

// What the Player StatPak shows below its list, formatted.
struct StatPakAverages {
    std::string Wins, Losses, Pct, Tb, WRank, SRank, CPts;
};

inline constexpr const char* kWakeUpTitle = "Wake Up!";
inline constexpr const char* kWakeUpText = "You First Need to Select a Player from the Listbox";

// The Player StatPak: every member computed week by week with running
// totals; the window shows one member. Moving a week forward adds only that
// week, moving back removes only the last one.
class StatPak : public Report {
public:
    // Opens on weeks 1 to CurrentWeek. Opened from the standings, it ranks by
    // the standings' sort and shows CurrentPlayer (a record index); otherwise
    // it ranks by the "PoolSort" option and shows the first member.
    explicit StatPak(AppState& state);
    ~StatPak() override;

    // The window closes: CurrentPlayer and StatPakFromStandings are cleared.
    // "PoolSort" itself is never changed while the StatPak is open.
    void Close();

    // Spin control: refused (false) beyond week 1 and the league's last week; CurrentWeek follows.
    bool Spin(int step);
    int Week() const { return shown_.Week(); }
    const std::string& WeekLabel() const { return shown_.Label(); }

    // The member chooser: names in member (alphabetical) order, each with its
    // record index.
    std::vector<std::pair<std::string, int>> MemberChoices() const;
    // Selects by record index; false (nothing changes) for an index outside the pool.
    bool SelectMember(int memberIndex);
    int SelectedMember() const { return selected_; }  // -1: none
    bool HasMember() const { return selected_ >= 0; }

    bool ConfidenceMode() const;
    std::string Heading() const;
    std::string RankedBy() const;  // lblRank
    std::vector<std::string> Lines() const { return LinesFor(selected_); }
    std::vector<std::string> LinesFor(int member) const;
    StatPakAverages Averages() const { return AveragesFor(selected_); }
    StatPakAverages AveragesFor(int member) const;

    // The computed figures.
    const StatPakWeek& WeekOf(int member, int week) const;  // week 1 to Week()
    const StatPakTotals& TotalsOf(int member) const;

    // The writers: the member shown, or with "One Per Player" member k on copy k.
    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    Status Print(PageSurface& surface, PrintCopies copies) const override;

private:
    void AddWeek(int week);
    void RemoveWeek();
    std::string Line(int member, int week) const;
    StatPakPage Page(int member, bool printed) const;
    std::string MemberName(int member) const;

    AppState& state_;
    PoolSortKind sort_;
    StatPakWeeks shown_;
    int selected_ = -1;
    bool closed_ = false;
    std::vector<StatPakTotals> totals_;           // per member
    std::vector<std::vector<StatPakWeek>> weeks_;  // [week - 1][member]
    std::vector<StandingsRow> scratch_;           // the engine's tally of one week
};

}  // namespace gm
