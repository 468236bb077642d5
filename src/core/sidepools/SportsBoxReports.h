#pragma once

#include <memory>

#include "core/output/Report.h"
#include "core/sidepools/SportsBox.h"
#include "core/sidepools/SportsBoxSheet.h"

namespace gm {

// The Sports Box printouts through the one report interface (gridmoot-cli):
// both are printed only.
class SportsBoxPrintout : public Report {
public:
    explicit SportsBoxPrintout(AppState& state) : box_(state) {}
    SportsBox& Box() { return box_; }

    std::string ReportTitle() const override { return "Sports Box"; }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    Status Print(PageSurface& surface, int copies) const override { return box_.Print(surface, copies); }

private:
    SportsBox box_;
};

class SportsBoxSheetPrintout : public Report {
public:
    explicit SportsBoxSheetPrintout(AppState& state) : sheet_(state) {}
    SportsBoxSheet& Sheet() { return sheet_; }

    std::string ReportTitle() const override { return "Sports Box selection sheet"; }
    ReportWriters Writers() const override { return {false, false, true, false}; }
    // One sheet, whatever the copy count: players share it.
    Status Print(PageSurface& surface, int) const override { return sheet_.Print(surface); }

private:
    SportsBoxSheet sheet_;
};

}  // namespace gm
