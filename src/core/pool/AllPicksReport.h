#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/PageSurface.h"
#include "core/output/Report.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/Grading.h"

namespace gm {

// The report's window title, also the title of its printer and save failures.
inline constexpr std::string_view kAllPicksTitle = "All-Picks Report";

// The all-picks report: every member's selections for a week with the
// season-to-date standing figure, to a text file, the printer or a web page.
class AllPicksReport : public Report {
public:
    enum class Destination { None = -1, TextFile = 0, Printer = 1, WebPage = 2 };

    // Choices from the settings: "Team" (Picksheets), "APSort" and "PrintCopies" (AllPicks).
    explicit AllPicksReport(AppState& state);

    bool UseTeamNames = false;      // OpName, else OpCity
    bool EntirePool = false;        // OpEntire, else OpActive
    bool ByStanding = false;        // OpSort(0), else alphabetical OpSort(1)

    bool Spin(int step);  // weeks 1 to 21; CurrentWeek follows
    int Week() const { return week_; }
    const std::string& WeekLabel() const { return weekLabel_; }
    int PlayedCount() const;
    std::string PoolSizeText() const;
    // Caption of OpSort(0), after the "PoolSort" option.
    std::string StandingSortCaption() const;

    // Grades weeks 1 to the report week (against the spread when spreads are
    // on) and orders the members; the lines of the report follow.
    std::vector<std::string> Lines() const;

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

    // Writes "Team", "APSort" and "PrintCopies" back to the settings file.
    Status SaveChoices();

private:
    struct Row {
        int Member;
        StandingsRow Result;
    };
    std::vector<Row> OrderedRows() const;
    bool Played(int member) const;
    const std::string& Abbr(int team) const;
    std::string HomeCapital(const GameRecord& game, int team) const;
    std::string Figure(const StandingsRow& row) const;
    std::string FigureHeading() const;

    AppState& state_;
    int week_ = 1;
    std::string weekLabel_;
};

}  // namespace gm
