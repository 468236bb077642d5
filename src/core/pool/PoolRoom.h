#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"
#include "core/pool/Grading.h"

namespace gm {

// One member's totals over the weeks a Pool Room panel counts.
struct PoolRoomTotals {
    std::int32_t MemberIndex = 0;
    std::int32_t Wins = 0;
    std::int32_t Losses = 0;
    std::int32_t Ties = 0;
    std::int64_t HalfPoints = 0;  // confidence points in halves
    std::int32_t DiffSum = 0;     // Monday-night differences of the weeks played
    std::int32_t WeeksPlayed = 0;
    float AvgDiff = 0.0f;  // DiffSum / WeeksPlayed with the Monday tiebreaker, else 0
    float Pct = 0.0f;
};

// Panel captions and output texts of the window.
inline constexpr const char* kPoolRoomCaption = " THE POOL ROOM ";
inline constexpr const char* kVictoryCaption =
    "$$$  THE THRILL OF VICTORY   $$$                        THE AGONY OF DEFEAT";
inline constexpr const char* kHottestCaption = "THE  POOLS  5 HOTTEST  PLAYERS";
inline constexpr const char* kMondayCaption = "BEST  MONDAY  NITE  RECORD";
inline constexpr const char* kTiebreakCaption = "&BEST MONDAY NITE TIEBREAKER AVG.";

// The Pool Room: four panels of leaders, each filled on demand ("GET"):
// every week's best and worst member, the hottest members over a range of
// weeks, the best record on the Monday-night game and the best Monday-night
// tiebreak average. The writers use what the panels show.
class PoolRoom : public Report {
public:
    // Opens on CurrentWeek with the range CurrentWeek to CurrentWeek and no
    // panel filled; grades against the spread first when spreads are on.
    explicit PoolRoom(AppState& state);

    // Spin controls, refused (false) beyond week 1 and the league's last week. The week moves
    // CurrentWeek and empties the victory/defeat and both Monday panels.
    bool SpinWeek(int step);
    bool SpinStart(int step);
    bool SpinEnd(int step);
    int Week() const { return week_; }
    int StartWeek() const { return start_; }
    int EndWeek() const { return end_; }
    const std::string& WeekLabel() const { return weekLabel_; }
    const std::string& StartLabel() const { return startLabel_; }
    const std::string& EndLabel() const { return endLabel_; }
    std::string StatHeading() const;  // lblStat

    // The "GET" buttons.
    void FillVictoryDefeat();
    void FillHottest();
    void FillMondayRecord();
    void FillTiebreakAverage();

    bool VictoryFilled() const { return victoryFilled_; }
    bool HottestFilled() const { return hottestFilled_; }
    bool MondayFilled() const { return mondayFilled_; }
    bool TiebreakFilled() const { return tiebreakFilled_; }
    const std::vector<std::string>& VictoryLines() const { return victory_; }
    std::vector<std::string> HottestLines() const;
    std::vector<std::string> MondayLines() const;
    std::vector<std::string> TiebreakLines() const;

    // What the panels were built from, in panel order.
    const std::vector<PoolRoomTotals>& Hottest() const { return hottest_; }
    const std::vector<PoolRoomTotals>& MondayRecord() const { return monday_; }
    const std::vector<PoolRoomTotals>& TiebreakAverage() const { return tiebreak_; }
    // The member's place in week `week` (1-based) after the victory/defeat
    // panel was filled: its position in that week's order, 1 for the first.
    int WeeklyPlace(int member, int week) const;
    // The members named on each week's best and worst lines.
    const std::vector<std::pair<int, int>>& BestAndWorst() const { return bestWorst_; }

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    bool ConfidenceMode() const;
    bool MondayTiebreak() const;
    std::span<const MemberRecord> Members() const;
    // Totals over weeks first..last (1-based) of every member, in member order.
    std::vector<PoolRoomTotals> RangeTotals(int first, int last) const;
    // The same with only the Monday-night game graded.
    std::vector<PoolRoomTotals> MondayTotals() const;
    void Finish(std::vector<PoolRoomTotals>& totals) const;  // percentages and averages
    // Member indexes in the hottest order (or by average alone).
    std::vector<std::int32_t> HottestOrder(const std::vector<PoolRoomTotals>& totals, bool averageOnly) const;
    std::string TotalsLine(const PoolRoomTotals& t) const;
    std::string TiebreakLine(const PoolRoomTotals& t) const;
    std::vector<std::string> TextLines() const;  // the text file and web page

    AppState& state_;
    int week_;
    int start_;
    int end_;
    std::string weekLabel_;
    std::string startLabel_;
    std::string endLabel_;
    bool victoryFilled_ = false;
    bool hottestFilled_ = false;
    bool mondayFilled_ = false;
    bool tiebreakFilled_ = false;
    std::vector<std::string> victory_;
    std::vector<std::pair<int, int>> bestWorst_;
    std::vector<std::vector<std::int32_t>> places_;  // [week - 1][member]
    std::vector<PoolRoomTotals> hottest_;
    std::vector<PoolRoomTotals> monday_;
    std::vector<PoolRoomTotals> tiebreak_;
};

}  // namespace gm
