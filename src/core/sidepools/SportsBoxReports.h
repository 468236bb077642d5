#pragma once

#include <memory>

#include "core/output/Report.h"
#include "core/sidepools/SportsBox.h"
#include "core/sidepools/SportsBoxSheet.h"

namespace gm {

// The Sports Box printouts through the one report interface: both are printed
// only. The command line's own a box (or sheet); a window's print the one it
// shows.
class SportsBoxPrintout : public Report {
public:
    explicit SportsBoxPrintout(AppState& state) : own_(std::make_unique<SportsBox>(state)), box_(*own_) {}
    explicit SportsBoxPrintout(SportsBox& box) : box_(box) {}
    SportsBox& Box() { return box_; }

    std::string ReportTitle() const override { return "Sports Box"; }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    Status Print(PageSurface& surface, PrintCopies copies) const override { return box_.Print(surface, copies.Count); }

private:
    std::unique_ptr<SportsBox> own_;
    SportsBox& box_;
};

class SportsBoxSheetPrintout : public Report {
public:
    explicit SportsBoxSheetPrintout(AppState& state)
        : own_(std::make_unique<SportsBoxSheet>(state)), sheet_(*own_) {}
    explicit SportsBoxSheetPrintout(SportsBoxSheet& sheet) : sheet_(sheet) {}
    SportsBoxSheet& Sheet() { return sheet_; }

    std::string ReportTitle() const override { return "Sports Box selection sheet"; }
    std::string PrintJobName() const override { return std::string(SportsBoxSheet::Title); }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    // One sheet, whatever the copy count: players share it.
    Status Print(PageSurface& surface, PrintCopies) const override { return sheet_.Print(surface); }

private:
    std::unique_ptr<SportsBoxSheet> own_;
    SportsBoxSheet& sheet_;
};

}  // namespace gm
