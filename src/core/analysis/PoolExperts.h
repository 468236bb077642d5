#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"

namespace gm {

// One member's past record in the games of two teams. Plain ints: a season
// of selections never wraps.
struct ExpertRow {
    int MemberIndex = 0;
    int Wins = 0;
    int Losses = 0;
    int Ties = 0;
    float Pct = 0.0f;
};

// What one game row of the display shows; every text is blank for an empty slot.
struct ExpertGame {
    bool HasGame = false;
    int Expert = -1;  // member index; -1 when the pool has no members
    ExpertRow Record;
    std::string Game;       // "Phi at Dal"
    std::string Player;     // the expert's 18-character name
    std::string RecordText; // " 2-1"
    std::string Pick;       // city abbreviation or "***"
    std::string Won;        // "Yes", "No", "Tie" or "***"
    std::string Winner, WonScore, Loser, LossScore;
};

// "The Pool Experts": for every game of the week shown, the member with the
// best record over the weeks before it in games of the two teams that meet,
// that member's selection and whether it won; then the experts' record for
// the week beside the whole pool's.
class PoolExperts : public Report {
public:
    static constexpr std::string_view kTitle = "The Pool Experts";
    static constexpr std::string_view kMinimumDataText =
        "A Minimum of Three Weeks of Data is Needed to Use This Display.";
    // The first week with three weeks of data behind it.
    static constexpr int kFirstWeek = 4;

    // Opens on CurrentWeek. With point spreads on, the spread results of
    // every game are refreshed first.
    explicit PoolExperts(AppState& state);

    enum class SpinResult { Moved, AtLimit, MinimumData };
    // Down is refused at week 4 and below with the minimum-data message, up
    // at the league's last week (a beep). CurrentWeek follows.
    SpinResult Spin(int step);

    int Week() const { return week_; }
    const std::string& WeekLabel() const { return weekLabel_; }
    // One row per game slot of the league (15 in 1997, 16 today).
    std::span<const ExpertGame> Games() const { return {games_.data(), static_cast<std::size_t>(slots_)}; }

    std::string ExpertWLT() const;  // "1 - 1 - 0"
    std::string PoolWLT() const;
    std::string ExpertPct() const;  // "50.00"
    std::string PoolPct() const;
    std::string StatsLabel() const;       // "Week 4 Stats"
    std::string RecordWeekNote() const;   // "Expert Records are From Week 1 to Week 3"

    // The thirteen groups of lines every destination uses (the rule included).
    std::vector<std::string> ReportLines() const;
    static std::string ColumnHeading();
    std::string GameLine(const ExpertGame& game) const;

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void Compute();

    AppState& state_;
    int week_ = kFirstWeek;
    std::string weekLabel_;
    int slots_ = kSlots;
    std::array<ExpertGame, kMaxSlots> games_{};
    int expertWins_ = 0, expertLosses_ = 0, expertTies_ = 0;
    int poolWins_ = 0, poolLosses_ = 0, poolTies_ = 0;
};

}  // namespace gm
