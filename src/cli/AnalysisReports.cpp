#include "ReportRegistry.h"
#include "core/analysis/PlayerAnalyst.h"
#include "core/analysis/PlayerGraph.h"

namespace gm::cli {
namespace {

// The member a player display is about: --member is required.
int ChosenMember(const AppState& state, const ReportArgs& args) {
    const auto wanted = args.Text("--member");
    if (!wanted) args.Refuse("--member NAME|NUMBER is required");
    return FindMember(state, args, *wanted);
}

// The Player Analyst for one member, the weeks spun as in the window.
std::unique_ptr<Report> PlayerAnalystReport(AppState& state, const ReportArgs& args) {
    const int member = ChosenMember(state, args);
    auto model = std::make_unique<PlayerAnalyst>(state);
    SpinTo(model->EndWeek(), args.Week("--end", model->EndWeek()), [&](int step) { return model->SpinEnd(step); });
    SpinTo(model->StartWeek(), args.Week("--start", model->StartWeek()),
           [&](int step) { return model->SpinStart(step); });
    model->SelectMember(member);
    return model;
}

// A member's graph, printed (the chart has no text form).
std::unique_ptr<Report> PlayerGraphReport(AppState& state, const ReportArgs& args) {
    const int member = ChosenMember(state, args);
    auto model = std::make_unique<PlayerGraph>(state);
    const std::string method = args.Choice("--method", {"wins", "points", "pct"}, "pct");
    model->SetMethod(method == "wins"     ? PlayerGraphMethod::Wins
                     : method == "points" ? PlayerGraphMethod::ConfidencePoints
                                          : PlayerGraphMethod::WinPct);
    model->SetLine(args.Flag("--line"));
    model->SelectMember(member);
    return model;
}

}  // namespace

// The pool analysis displays.
void RegisterAnalysisReports(ReportRegistry& r) {
    r.Add({"playeranalyst",
           "the Player Analyst: one member's record by team, division, conference, favourite and underdog",
           {{"--member", "NAME|NUMBER", "the member, by name or player number (required)"},
            {"--start", "N", "first week (default 1)"},
            {"--end", "N", "last week (default: the current week)"}},
           PlayerAnalystReport,
           "frmPAnalyze"});
    r.Add({"playergraph",
           "a member's weeks against the pool's average (printout only: --to pdf)",
           {{"--member", "NAME|NUMBER", "the member, by name or player number (required)"},
            {"--method", "wins|points|pct", "wins, confidence points or winning percentage (default pct)"},
            {"--line", "", "a line chart instead of bars"}},
           PlayerGraphReport,
           "frmPGraph"});
}

}  // namespace gm::cli
