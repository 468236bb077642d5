#include "ReportRegistry.h"
#include "core/nfl/NflResults.h"
#include "core/nfl/TeamResults.h"

namespace gm::cli {
namespace {

const ReportOption kWeekShown{"--week", "N", "the week shown (default: the current week)"};

// The weekly results: the week as the window's spin control would reach it.
std::unique_ptr<Report> Results(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<NflResults>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->Spin(step); });
    return model;
}

// One team's season; the team is required, by number, city abbreviation or city.
std::unique_ptr<Report> Team(AppState& state, const ReportArgs& args) {
    const auto text = args.Text("--team");
    if (!text) args.Refuse("--team is required: a team number from 1 to 30 or a city abbreviation (Ari, Dal, ...)");
    const int team = TeamResults::TeamFromText(state.Teams, *text);
    if (team == 0) args.Refuse("--team must be a team number from 1 to 30 or a city abbreviation, not '" + *text + "'");
    auto model = std::make_unique<TeamResults>(state);
    model->ChooseTeam(team);
    model->SetShowSpread(!args.Flag("--no-spread"));
    return model;
}

}  // namespace


// The NFL displays.
void RegisterNflReports(ReportRegistry& r) {
    r.Add({"results",
           "the weekly NFL results: winner first, home team in capitals, point spreads",
           {kWeekShown},
           Results});
    r.Add({"team",
           "one team's season week by week: opponent, score, record and result against the spread",
           {{"--team", "N|ABBR", "the team: its number (1 to 30), city abbreviation or city (required)"},
            {"--no-spread", "", "leave out the column of results against the spread"}},
           Team});
}

}  // namespace gm::cli
