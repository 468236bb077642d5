#include "StatPakText.h"

#include <algorithm>

#include "core/data/GameRecord.h"
#include "core/data/WeekLabel.h"
#include "core/output/PrintJob.h"
#include "core/output/TextOutput.h"
#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"

namespace gm {
namespace pooltext {}
using namespace pooltext;

std::string AverageText(const AverageLine& line) {
    std::string left = line.Left.Label + line.Left.Value;
    if (line.Right.Label.empty()) return left;
    return PadRight(left, 40) + line.Right.Label + line.Right.Value;
}

std::vector<std::string> StatPakClipboardLines(const StatPakPage& page) {
    std::vector<std::string> out;
    out.reserve(page.Lines.size() + 16);
    out.push_back(CenterTitle66(page.Title));
    out.push_back("");
    out.push_back(page.Heading);
    out.push_back(" " + std::string(66, '-'));
    out.insert(out.end(), page.Lines.begin(), page.Lines.end());
    out.push_back(" " + std::string(64, '-'));
    out.push_back("");
    if (!page.AveragesTitle.empty()) {
        out.push_back(CenterTitle66(page.AveragesTitle));
        out.push_back("");
    }
    for (const AverageLine& line : page.Averages) out.push_back(AverageText(line));
    return out;
}

std::vector<std::string> StatPakTextLines(const StatPakPage& page) {
    std::vector<std::string> out{""};
    const auto rest = StatPakClipboardLines(page);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

void PrintStatPak(PageSurface& s, const StatPakPage& page) {
    s.CurrentX = 0;
    s.CurrentY = 0;
    s.Font = PageFont{"Arial", 16, true, false, true, 700};
    PrintCentered(s, page.Title);
    s.PrintLine();
    s.Font = PageFont{"Courier New", 12, true, false, true, 700};
    s.PrintLine(page.Heading);
    s.Font = PageFont{"Courier New", 12, false, false, false, 400};
    for (const std::string& line : page.Lines) s.PrintLine(line);
    s.PrintLine(" " + std::string(64, '-'));
    s.PrintLine();
    if (!page.AveragesTitle.empty()) {
        s.PrintLine(CenterTitle66(page.AveragesTitle));
        s.PrintLine();
    }
    for (const AverageLine& line : page.Averages) s.PrintLine(AverageText(line));
}

std::vector<std::string> WeekByWeekLines(int last, const std::function<std::string(int)>& line,
                                         int lastRegularWeek) {
    std::vector<std::string> lines;
    for (int w = 1; w <= last; ++w) {
        if (w == lastRegularWeek + 1) lines.emplace_back(kStatPakPostSeason);
        lines.push_back(line(w));
    }
    return lines;
}

void StatPakWeeks::Open(int& currentWeek, const Add& add, int lastWeek) {
    lastWeek_ = lastWeek;
    const int open = std::clamp(currentWeek, 1, lastWeek_);
    label_ = WeekLabel(open, false);
    while (week_ < open) add(++week_);
    currentWeek = week_;
}

bool StatPakWeeks::Spin(int step, int& currentWeek, const Add& add, const Remove& remove) {
    const int target = week_ + step;
    if (step == 0 || target < 1 || target > lastWeek_) return false;
    while (week_ < target) add(++week_);
    for (; week_ > target; --week_) remove();
    label_ = WeekLabel(week_, true);
    currentWeek = week_;
    return true;
}

std::string AverageOf(double sum, long long count) {
    return Format2(count > 0 ? sum / static_cast<double>(count) : 0.0);
}

}  // namespace gm
