#pragma once

#include <array>

#include "core/data/GameRecord.h"
#include "core/output/PageSurface.h"

namespace gm {

// A chart of the weeks of a season as the graph windows print it: two series,
// the first drawn filled (close hatching) and the second open, as bars side by
// side or as lines; a value axis from 0 to `Maximum` with `Ticks` intervals.
// The week axis holds `Weeks` weeks (21 in 1997, 22 today), evenly spaced.
struct WeekChart {
    std::array<double, kMaxWeeks> Filled{};
    std::array<double, kMaxWeeks> Open{};
    int Weeks = kWeeks;
    double Maximum = 5;
    int Ticks = 5;
    bool Line = false;
};

// Draws the chart below CurrentY, one inch in from the left and half an inch
// from the right, down to an inch above the page bottom (at least two inches
// high): axes, tick and week labels, then the series. Returns the y of the
// week axis, below which the caller prints its totals.
double PrintWeekChart(PageSurface& s, const WeekChart& chart);

}  // namespace gm
