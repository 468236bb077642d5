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

// " NFL  Results": the game slots of one week (15 in 1997, 16 today), winner
// first, the week's tiebreak (Monday-night) game under its own heading.
class NflResults : public Report {
public:
    // Opens on CurrentWeek and clears the output request's destinations.
    explicit NflResults(AppState& state);

    // Spin control: refused (false, nothing changes) beyond week 1 and the season's last;
    // otherwise the week moves, CurrentWeek with it, and the rows are rebuilt.
    bool Spin(int step);

    int Week() const { return week_; }
    const std::string& WeekText() const { return weekLabel_; }  // lblWeek
    // One row per slot of the season grid; slots past the league's last stay hidden.
    const std::array<ResultRow, kMaxSlots>& Rows() const { return rows_; }
    // The slot of the week's Monday-night game (tiebreak game); -1 for none.
    int TiebreakSlot() const { return tiebreak_; }

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
    std::array<ResultRow, kMaxSlots> rows_{};
    int tiebreak_ = kMondaySlot;
};

}  // namespace gm
