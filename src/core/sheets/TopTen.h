#pragma once

// The two tables of the Top Ten pick sheet: last week's top members and the
// season standings, graded and ordered by the pool's engine.

#include <string>
#include <vector>

#include "core/data/AppState.h"

namespace gm {

struct TopTenRow {
    std::string Name;  // the member's name, without the blanks around it
    int Wins = 0, Losses = 0, Ties = 0;
    std::string Tiebreak;  // last week's entry, or "NA" without the Monday tiebreaker
    std::string Value;     // points or winning percentage, "#0.0"
};

struct TopTenLists {
    int LastWeek = 1;     // the week before the sheet's (week 1 for a week-1 sheet)
    int Count = 0;        // 10, or the number of members when fewer
    bool Points = true;   // confidence points ("Pts."), else percentages ("Pct.")
    std::vector<TopTenRow> LastWeekTop;  // Count rows
    std::vector<TopTenRow> Season;       // Count rows, weeks 1 to the sheet's week

    // The lines the text version appends (after two empty lines).
    std::vector<std::string> TextLines() const;
    // The printed tables: title, column heading and rows of each.
    std::string LastWeekTitle() const;
    std::string LastWeekHeading() const;
    std::string SeasonHeading() const;
    std::string LastWeekLine(std::size_t rank) const;
    std::string SeasonLine(std::size_t rank) const;
};

// Last week counts each member's results in the week before `sheetWeek`,
// ordered by the pool's one-week order (Monday difference, tiebreak method,
// main sort). The season counts weeks 1 to `sheetWeek`, ordered by the
// tiebreak method, then the main sort. Spread results when spreads are on.
// A member without games has 0 for every number.
TopTenLists BuildTopTen(const AppState& state, int sheetWeek);

}  // namespace gm
