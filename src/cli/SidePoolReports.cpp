#include "ReportRegistry.h"
#include "core/sidepools/DigitalPool.h"
#include "core/sidepools/SportsBoxReports.h"

namespace gm::cli {
namespace {

std::unique_ptr<Report> SportsBoxReport(AppState& state, const ReportArgs& args) {
    if (args.Flag("--sheet")) {
        auto sheet = std::make_unique<SportsBoxSheetPrintout>(state);
        SpinTo(sheet->Sheet().Week(), args.Week("--week", sheet->Sheet().Week()),
               [&](int step) { return sheet->Sheet().SpinWeek(step); });
        sheet->Sheet().PrintDigits = args.Flag("--digits");
        return sheet;
    }
    if (args.Flag("--digits")) args.Refuse("--digits goes with --sheet");
    auto box = std::make_unique<SportsBoxPrintout>(state);
    SpinTo(box->Box().Week(), args.Week("--week", box->Box().Week()), [&](int step) { return box->Box().SpinWeek(step); });
    return box;
}

std::unique_ptr<Report> Digital(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<DigitalPool>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->Spin(step); });
    const std::string mode = args.Choice("--mode", {"teams", "players", "both"}, "teams");
    model->SetMode(mode == "players" ? DigitalPool::Mode::Players
                   : mode == "both"  ? DigitalPool::Mode::Both
                                     : DigitalPool::Mode::Teams);
    model->SetSort(args.Flag("--high-to-low"));
    return model;
}

}  // namespace

// The side pools.
void RegisterSidePoolReports(ReportRegistry& r) {
    r.Add({Display::SportsBox,
           "the Sports Box of a week with its owners and winner, or its selection sheet (printout only)",
           {{"--week", "N", "the week (default: the current week)"},
            {"--sheet", "", "the empty selection sheet instead"},
            {"--digits", "", "with --sheet: the digits 0 to 9 beside the grid"}},
           SportsBoxReport});
    r.Add({Display::DigitalPool,
           "the Digital Pool: the digits each team and player has used through a week",
           {{"--week", "N", "the week (default: the current week)"},
            {"--mode", "teams|players|both", "list teams, players or both (default teams)"},
            {"--high-to-low", "", "sorted high to low by digits used"}},
           Digital});
}

}  // namespace gm::cli
