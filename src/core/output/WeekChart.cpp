#include "WeekChart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/output/PrintJob.h"

namespace gm {

double PrintWeekChart(PageSurface& s, const WeekChart& chart) {
    const double left = 1440, right = s.ScaleWidth() - 720;
    const double top = s.CurrentY + 240;
    const double bottom = std::max(top + 2880, PageBottom(s) - 1440);
    const double height = bottom - top;
    const int weeks = std::clamp(chart.Weeks, 1, kMaxWeeks);
    const double column = (right - left) / weeks;
    const double maximum = chart.Maximum > 0 ? chart.Maximum : 1;
    const int ticks = std::max(1, chart.Ticks);
    auto y = [&](double value) { return bottom - height * std::min(value, maximum) / maximum; };

    s.DrawWidth = 1;
    s.Line(left, top, left, bottom);
    s.Line(left, bottom, right, bottom);
    s.Font = PageFont{"Arial", 9};
    for (int tick = 0; tick <= ticks; ++tick) {
        const double value = maximum * tick / ticks;
        s.Line(left - 90, y(value), left, y(value));
        const std::string label = std::to_string(std::lround(value));
        s.CurrentX = left - 150 - s.TextWidth(label);
        s.CurrentY = y(value) - s.TextHeight() / 2;
        s.PrintText(label);
    }
    for (int w = 0; w < weeks; ++w) {
        const std::string label = std::to_string(w + 1);
        s.CurrentX = left + column * (w + 0.5) - s.TextWidth(label) / 2;
        s.CurrentY = bottom + 60;
        s.PrintText(label);
    }

    for (int k = 0; k < 2; ++k) {
        const std::array<double, kMaxWeeks>& values = k == 0 ? chart.Filled : chart.Open;
        s.DrawWidth = k == 0 ? 4 : 1;
        for (int w = 0; w < weeks; ++w) {
            const double v = values[static_cast<std::size_t>(w)];
            if (chart.Line) {
                if (w > 0)
                    s.Line(left + column * (w - 0.5), y(values[static_cast<std::size_t>(w - 1)]),
                           left + column * (w + 0.5), y(v));
                continue;
            }
            if (v <= 0) continue;
            const double x = left + column * w + column * (k == 0 ? 0.12 : 0.5);
            const double barWidth = column * 0.38;
            s.Line(x, y(v), x + barWidth, bottom, true);
            if (k == 0) {
                // The filled series is hatched with close lines; the other stays open.
                s.DrawWidth = 1;
                for (double hx = x + 30; hx < x + barWidth; hx += 30) s.Line(hx, y(v), hx, bottom);
                s.DrawWidth = 4;
            }
        }
    }
    s.DrawWidth = 1;
    return bottom;
}

}  // namespace gm
