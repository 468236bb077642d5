#pragma once

// The EZ Entry NFL sheet: two weeks of games on one page, with blanks for the
// spreads and scores, for the organiser to fill in as results come in.

#include <string>

#include "core/data/AppState.h"
#include "core/output/Report.h"

namespace gm {

class EzEntrySheet : public Report {
public:
    // Opens on CurrentWeek and the week after; on the season's last week on
    // the two last weeks (20 and 21 in 1997, 21 and 22 today).
    explicit EzEntrySheet(AppState& state);

    int FirstWeek() const { return first_; }
    int SecondWeek() const { return first_ + 1; }
    // Down while the first week is above 1, up while the second is below the
    // season's last; refused
    // (false, nothing changes) otherwise. CurrentWeek moves by the same step.
    bool Spin(int step);
    // Shows `first` and the week after (clamped so that both are weeks of the
    // season); CurrentWeek is not moved.
    void ShowWeeks(int first);

    std::string ReportTitle() const override { return " The EzEntry NFL Sheet "; }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    Status Print(PageSurface& surface, PrintCopies copies) const override;
    std::string PrintJobName() const override;
    std::string PrintErrorTitle() const override { return std::string(kPrintErrorTitleSheets); }

private:
    void PrintWeek(PageSurface& s, int week) const;
    int LastFirstWeek() const;

    AppState& state_;
    int first_;
};

}  // namespace gm
