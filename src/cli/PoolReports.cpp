#include "ReportRegistry.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolStandings.h"

namespace gm::cli {
namespace {

std::unique_ptr<Report> Standings(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<PoolStandings>(state);
    const int end = args.Week("--end", model->EndWeek());
    const int start = args.Week("--start", 1);
    SpinTo(model->EndWeek(), end, [&](int step) { return model->SpinEnd(step); });
    SpinTo(model->StartWeek(), start, [&](int step) { return model->SpinStart(step); });
    if (args.Text("--sort")) {
        const std::string sort = args.Choice("--sort", {"wins", "pct", "points", "names"}, "");
        model->ChooseSort(sort == "wins" ? "Wins" : sort == "pct" ? "Win Pct" : sort == "points" ? "Con. Pts" : "Names");
    }
    const std::string view = args.Choice("--view", {"week", "season"}, "week");
    model->SetView(view == "season" ? PoolStandings::View::Season : PoolStandings::View::OneWeek);
    model->SetShowAll(args.Flag("--show-all"));
    return model;
}

std::unique_ptr<Report> Matrix(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<PlayerMatrix>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->Spin(step); });
    model->SetShowAll(!args.Flag("--active-only"));
    model->SetConfidenceRows(args.Flag("--confidence"));
    return model;
}

std::unique_ptr<Report> AllPicks(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<AllPicksReport>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->Spin(step); });
    model->UseTeamNames = args.Choice("--teams", {"city", "name"}, model->UseTeamNames ? "name" : "city") == "name";
    model->EntirePool =
        args.Choice("--players", {"active", "entire"}, model->EntirePool ? "entire" : "active") == "entire";
    model->ByStanding =
        args.Choice("--order", {"standing", "names"}, model->ByStanding ? "standing" : "names") == "standing";
    return model;
}

}  // namespace

void RegisterPoolReports(ReportRegistry& r) {
    r.Add({"standings",
           "the pool standings for one week or a range of weeks",
           {{"--start", "N", "first week of the range (default 1)"},
            {"--end", "N", "last week of the range, the week shown (default: the current week)"},
            {"--view", "week|season", "one week beside the season (default) or season totals"},
            {"--sort", "wins|pct|points|names", "order of the members (default: the PoolSort option)"},
            {"--show-all", "", "list members who did not play too"}},
           Standings});
    r.Add({"matrix",
           "every member's selections for one week (the player matrix)",
           {{"--week", "N", "the week (default: the current week)"},
            {"--confidence", "", "show the confidence rows"},
            {"--active-only", "", "only members who played the week"}},
           Matrix});
    r.Add({"allpicks",
           "the all-picks report: every member's selections with the season standing",
           {{"--week", "N", "the week (default: the current week)"},
            {"--teams", "city|name", "teams by city or by team name (default: the saved choice)"},
            {"--players", "active|entire", "members who played, or the entire pool (default: the saved choice)"},
            {"--order", "standing|names", "by standing or alphabetical (default: the saved choice)"}},
           AllPicks});
}

}  // namespace gm::cli
