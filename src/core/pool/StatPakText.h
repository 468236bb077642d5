#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/data/GameRecord.h"
#include "core/output/PageSurface.h"

namespace gm {

// The layout both StatPaks share in their text file, clipboard, web page and
// printout: the title, the column heading between rules, one line per week and
// the averages in two columns.

// Shown before week 18 once the week shown is past the regular season.
inline constexpr const char* kStatPakPostSeason = " ------------------------- Post Season --------------------------";

// One line of averages: a left and a right label with their values; the left
// half is padded to 40 characters. An empty right label gives a one-item line.
struct AverageItem {
    std::string Label;
    std::string Value;
};
struct AverageLine {
    AverageItem Left;
    AverageItem Right;
};
std::string AverageText(const AverageLine& line);

struct StatPakPage {
    std::string Title;                 // centred in 66 in text, the printed heading on paper
    std::string Heading;               // column heading
    std::vector<std::string> Lines;    // the week lines, post-season line included
    std::string AveragesTitle;         // empty for none; centred in 66, an empty line after it
    std::vector<AverageLine> Averages;
};

// Text file lines: an empty line first.
std::vector<std::string> StatPakTextLines(const StatPakPage& page);
// Clipboard lines: the same without the empty line before the title.
std::vector<std::string> StatPakClipboardLines(const StatPakPage& page);

// One printed copy: the title centred on the page in Arial 16 pt bold
// underlined, the column heading in Courier New 12 pt still bold and
// underlined, then the lines and averages in plain Courier New.
void PrintStatPak(PageSurface& surface, const StatPakPage& page);

// The week lines of weeks 1 to `last`, the post-season line after the last
// regular week (17 in 1997, 18 today).
std::vector<std::string> WeekByWeekLines(int last, const std::function<std::string(int week)>& line,
                                         int lastRegularWeek = 17);

// The weeks a StatPak has computed, 1 to Week(), and the spin that moves the
// last of them one week at a time: each new week is added, each dropped one
// removed, so a step costs one week's tally. CurrentWeek follows.
class StatPakWeeks {
public:
    using Add = std::function<void(int week)>;
    using Remove = std::function<void()>;

    // Computes weeks 1 to `currentWeek` (kept within 1 and the league's last
    // week, 21 in 1997) and sets it to the last.
    void Open(int& currentWeek, const Add& add, int lastWeek = kWeeks);
    // Refused (false, nothing called) beyond week 1 and the league's last week.
    bool Spin(int step, int& currentWeek, const Add& add, const Remove& remove);

    int Week() const { return week_; }
    // The week label: a sign blank once a spin has rewritten it.
    const std::string& Label() const { return label_; }

private:
    int week_ = 0;
    int lastWeek_ = kWeeks;
    std::string label_;
};

// "#0.00" or 0.00 when there is nothing to divide by.
std::string AverageOf(double sum, long long count);

}  // namespace gm
