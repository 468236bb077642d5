#pragma once

#include <array>
#include <string>

#include "core/data/AppState.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/Report.h"

namespace gm {

// One week's point of the league graph.
struct WeekTally {
    int GraphWins = 0;
    int GraphLosses = 0;
    bool operator==(const WeekTally&) const = default;
};
// One tally per week of the season grid; weeks past the league's last stay zero.
using WeekTallies = std::array<WeekTally, kMaxWeeks>;

// What the graph counts (the window's OpMethod order).
enum class GraphMethod { Favorites, Underdogs, Spread, Straight };

// The league's wins and losses of each week of the season, for one kind of game
// and location (Home, Road, or Overall for all games). Straight up from
// WinTeam; against the spread by adjusted scores, pushes counted nowhere;
// games without a favourite count in no favourite or underdog tally. "All"
// counts each decided game once as a win and once as a loss.
WeekTallies TallyWeeks(const SeasonGrid& games, GraphMethod method, Venue location,
                       const League& league = League1997());
WeekTallies GetRegHome(const SeasonGrid& games);     // straight up, home teams
WeekTallies GetFavOverall(const SeasonGrid& games);  // favourites against the spread

int TotalWins(const WeekTallies& tallies);
int TotalLosses(const WeekTallies& tallies);

inline constexpr std::string_view kGraphHintTitle = "Reading Graphs";
inline constexpr std::string_view kGraphHintText =
    "By going back to the Main Menu\r\nand opening up a previous season\r\nyou will see the entire graph filled.";

// The league graph: the tallies of the chosen method and location, bar or
// line, with the season totals. The print routine here is the chart on paper
// for the window's Print button (one copy, no output dialog) and the command
// line alike.
class NflGraph : public Report {
public:
    // Opens on "NFL - No Spreads", "All", bar chart.
    explicit NflGraph(const AppState& state);

    void SetMethod(GraphMethod method);
    void SetLocation(Venue location);
    void SetLine(bool line) { line_ = line; }

    GraphMethod Method() const { return method_; }
    Venue Location() const { return location_; }
    bool Line() const { return line_; }
    const WeekTallies& Tallies() const { return tallies_; }
    int Wins() const { return TotalWins(tallies_); }
    int Losses() const { return TotalLosses(tallies_); }
    // The chart's title: the season year + " NFL League Data".
    std::string ChartTitle() const;
    // The top of the value axis: the largest weekly value rounded up to a
    // multiple of 5 (at least 5).
    int AxisMaximum() const;
    // The weeks along the chart's axis: the season's weeks.
    int Weeks() const { return state_.League().Weeks; }
    // "Favorites At Home", "NFL - No Spreads All" ... for legends and printouts.
    std::string SeriesCaption() const;

    // The picture the BMP button writes: the season year's letters and
    // digits + "NFLGraph.bmp", in the web pages' folder.
    std::string PictureFileName() const;
    static constexpr std::string_view kPictureTitle = "Windows Bitmap";
    static std::string PictureConfirmation(std::string_view fileName) {
        return "A Windows Bitmap file named " + std::string(fileName) + " was created showing the league graph.";
    }

    std::string ReportTitle() const override { return ChartTitle(); }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    void PrintCopy(PageSurface& surface, int copyIndex) const override;
    // Landscape, then the copies.
    Status Print(PageSurface& surface, PrintCopies copies) const override;

private:
    void Rebuild();

    const AppState& state_;
    GraphMethod method_ = GraphMethod::Straight;
    Venue location_ = Venue::Overall;
    bool line_ = false;
    WeekTallies tallies_{};
};

}  // namespace gm
