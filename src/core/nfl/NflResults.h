#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"

namespace gm {

// What one game slot of the weekly results shows: the first and second team
// with their point-spread marks (home team in capitals) and the two scores.
struct ResultRow {
    bool Shown = false;  // the slot holds a game
    std::string WinText;
    std::string LoseText;
    std::string WinScoreText;
    std::string LoseScoreText;
};

// A spread in its shortest decimal form ("7", "3.5").
std::string SpreadMark(float points);

// The row of one slot as the weekly results show it.
ResultRow WeekResultRow(const GameRecord& game, const TeamTables& teams);

// " NFL  Results": the fifteen game slots of one week, winner first.
class NflResults : public Report {
public:
    // Opens on CurrentWeek and clears the output request's destinations.
    explicit NflResults(AppState& state);

    // Spin control: refused (false, nothing changes) beyond weeks 1 and 21;
    // otherwise the week moves, CurrentWeek with it, and the rows are rebuilt.
    bool Spin(int step);

    int Week() const { return week_; }
    const std::string& WeekText() const { return weekLabel_; }  // lblWeek
    const std::array<ResultRow, kSlots>& Rows() const { return rows_; }

    // The text of the text file, the clipboard and the web page.
    std::vector<std::string> ResultsLines() const;

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;
    std::string PrintErrorTitle() const override;

private:
    void ShowWeekResults();

    AppState& state_;
    int week_ = 1;
    std::string weekLabel_;
    std::array<ResultRow, kSlots> rows_{};
};

}  // namespace gm
