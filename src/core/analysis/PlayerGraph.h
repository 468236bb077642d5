#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"

namespace gm {

// What the player graph draws (the window's OpMethod order).
enum class PlayerGraphMethod { Wins, ConfidencePoints, WinPct };

// One week of a member: counted selections of that week.
struct PlayerGraphWeek {
    int Wins = 0;
    int Losses = 0;
    int Ties = 0;
    float Points = 0.0f;
    float Pct = 0.0f;
    bool Played = false;  // made a selection that week
};

// One week of the whole pool: the members' values added up, and how many
// members made a selection that week.
struct PlayerGraphPoolWeek {
    double Wins = 0;
    double Points = 0;
    double Pct = 0;
    int Players = 0;
};

// One value a week of the league's season (21 in 1997, 22 today).
using PlayerGraphSeries = std::vector<double>;

// Player graphs: one member's wins, confidence points or winning
// percentage of each week of the season against the pool's average (the pool's
// total over the members who made a selection that week).
class PlayerGraph : public Report {
public:
    // Opens with no member chosen, on "Win Pct." as bars. Grades against
    // the spread first when spreads are on.
    explicit PlayerGraph(AppState& state);

    // The member box: the 18-character names in member order.
    std::vector<std::string> MemberChoices() const;
    // Chooses a member; an index outside the pool chooses none.
    void SelectMember(int index);
    int Member() const { return member_; }
    bool HasMember() const { return member_ >= 0; }

    void SetMethod(PlayerGraphMethod method) { method_ = method; }
    PlayerGraphMethod Method() const { return method_; }
    void SetLine(bool line) { line_ = line; }
    bool Line() const { return line_; }

    // The league's weeks; entries past the last week stay 0.
    int Weeks() const { return state_.League().Weeks; }
    const std::array<PlayerGraphWeek, kMaxWeeks>& MemberWeeks() const { return weeks_; }
    const std::array<PlayerGraphPoolWeek, kMaxWeeks>& PoolWeeks() const { return pool_; }
    // The member's weeks in which a selection was made.
    int ActiveWeeks() const;

    // The two series the chart shows, by the chosen method.
    PlayerGraphSeries MemberSeries() const;
    PlayerGraphSeries PoolAverages() const;  // 0 in a week nobody played

    // The value axis: 15 with 15 ticks, 120 with 12, or 100 with 10 (today's
    // 16 games a week: 16 with 16, 136 with 8, 100 with 10); raised
    // in the same steps when a value would run off the top.
    int AxisMaximum() const;
    int TickIntervals() const;

    // The boxes: the member's average per week with a selection (0 without
    // any), the pool's average per member-week played, the member's season
    // total (for the percentage: the season's winning percentage).
    std::string PlayerAverageText() const;  // TxtPlAvg
    std::string PoolAverageText() const;    // TxtPoolAvg
    std::string PlayerTotalText() const;    // txtPlTot

    // The chart's title: the member's name.
    std::string ChartTitle() const;
    std::string MemberSeriesName() const { return ChartTitle(); }
    static constexpr std::string_view kPoolSeriesName = "Pool Average";
    // "Wins", "Confidence Points", "Win Pct."
    std::string_view MethodCaption() const;

    // The picture the BMP button writes into the web pages' folder: the
    // member's name kept to letters and digits + "Graph.bmp".
    std::string PictureFileName() const;
    static constexpr std::string_view kPictureTitle = "Windows Bitmap";
    std::string PictureConfirmation() const;
    static constexpr std::string_view kNoPlayerTitle = "Wake Up!";
    static constexpr std::string_view kNoPlayerText = "You First Need to Select a Player from the Listbox";

    std::string ReportTitle() const override { return "Player Graphs"; }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    // The spooler (and a PDF file) names the member's graph.
    std::string PrintJobName() const override { return ChartTitle(); }
    void PrintCopy(PageSurface& surface, int copyIndex) const override;
    // Landscape, then the copies.
    Status Print(PageSurface& surface, PrintCopies copies) const override;

private:
    void Compute();
    double Value(const PlayerGraphWeek& week) const;
    double PoolValue(const PlayerGraphPoolWeek& week) const;

    AppState& state_;
    int member_ = -1;
    PlayerGraphMethod method_ = PlayerGraphMethod::WinPct;
    bool line_ = false;
    std::array<PlayerGraphWeek, kMaxWeeks> weeks_{};
    std::array<PlayerGraphPoolWeek, kMaxWeeks> pool_{};
};

}  // namespace gm
