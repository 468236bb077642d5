#include "ReportRegistry.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/PoolStandings.h"
#include "core/pool/PoolStatPak.h"
#include "core/pool/StatPak.h"

namespace gm::cli {

// The standings: on the member table, or (given) on each member's graded
// weeks, which the report command reads from the pool file in its place.
std::unique_ptr<Report> StandingsOf(AppState& state, const ReportArgs& args, std::shared_ptr<const GradedPool> graded) {
    auto model = graded ? std::make_unique<PoolStandings>(state, std::move(graded)) : std::make_unique<PoolStandings>(state);
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

namespace {

std::unique_ptr<Report> Standings(AppState& state, const ReportArgs& args) { return StandingsOf(state, args, nullptr); }

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

int FindMember(const AppState& state, const ReportArgs& args, std::string wanted) {
    wanted.erase(0, wanted.find_first_not_of(' '));
    wanted.erase(wanted.find_last_not_of(' ') + 1);
    const auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    };
    const bool number = !wanted.empty() && wanted.find_first_not_of("0123456789") == std::string::npos;
    std::vector<int> found;
    for (int m = 0; m < state.MemberCount; ++m) {
        const MemberRecord& member = state.Members[static_cast<std::size_t>(m)];
        if (number ? wanted.size() <= 5 && member.PlayerNumber == std::stoi(wanted)
                   : lower(member.TrimmedName()) == lower(wanted))
            found.push_back(m);
    }
    if (found.empty()) args.Refuse("no member " + std::string(number ? "has the player number " : "is named ") + wanted);
    if (found.size() > 1)
        args.Refuse(number ? "more than one member has the player number " + wanted
                           : "more than one member is named " + wanted + "; give the player number");
    return found.front();
}

namespace {

std::unique_ptr<Report> PlayerStatPak(AppState& state, const ReportArgs& args) {
    const int week = args.Week("--week", state.CurrentWeek);
    const auto wanted = args.Text("--member");
    const int member = wanted ? FindMember(state, args, *wanted) : 0;
    auto model = std::make_unique<StatPak>(state);
    SpinTo(model->Week(), week, [&](int step) { return model->Spin(step); });
    if (!model->SelectMember(member)) args.Refuse("the pool has no members");
    return model;
}

std::unique_ptr<Report> PoolStat(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<PoolStatPak>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->Spin(step); });
    return model;
}

// Every panel filled, as if each GET had been pressed.
std::unique_ptr<Report> Room(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<PoolRoom>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->SpinWeek(step); });
    SpinTo(model->StartWeek(), args.Week("--start", model->Week()), [&](int step) { return model->SpinStart(step); });
    SpinTo(model->EndWeek(), args.Week("--end", model->Week()), [&](int step) { return model->SpinEnd(step); });
    model->FillVictoryDefeat();
    model->FillHottest();
    model->FillMondayRecord();
    model->FillTiebreakAverage();
    return model;
}

}  // namespace

void RegisterPoolReports(ReportRegistry& r) {
    r.Add({Display::PoolStandings,
           "the pool standings for one week or a range of weeks",
           {{"--start", "N", "first week of the range (default 1)"},
            {"--end", "N", "last week of the range, the week shown (default: the current week)"},
            {"--view", "week|season", "one week beside the season (default) or season totals"},
            {"--sort", "wins|pct|points|names", "order of the members (default: the PoolSort option)"},
            {"--show-all", "", "list members who did not play too"}},
           Standings});
    r.Add({Display::PlayerMatrix,
           "every member's selections for one week (the player matrix)",
           {{"--week", "N", "the week (default: the current week)"},
            {"--confidence", "", "show the confidence rows"},
            {"--active-only", "", "only members who played the week"}},
           Matrix});
    r.Add({Display::AllPicks,
           "the all-picks report: every member's selections with the season standing",
           {{"--week", "N", "the week (default: the current week)"},
            {"--teams", "city|name", "teams by city or by team name (default: the saved choice)"},
            {"--players", "active|entire", "members who played, or the entire pool (default: the saved choice)"},
            {"--order", "standing|names", "by standing or alphabetical (default: the saved choice)"}},
           AllPicks});
    r.Add({Display::PlayerStatPak,
           "the Player StatPak: one member's season week by week",
           {{"--member", "NAME|NUMBER", "the member, by name or player number (default: the first member)"},
            {"--week", "N", "the last week shown (default: the current week)"}},
           PlayerStatPak});
    r.Add({Display::PoolStatPak,
           "the Pool StatPak: the whole pool week by week",
           {{"--week", "N", "the last week shown (default: the current week)"}},
           PoolStat});
    r.Add({Display::PoolRoom,
           "the Pool Room: each week's best and worst, the hottest members, the Monday-night leaders",
           {{"--week", "N", "the week (default: the current week)"},
            {"--start", "N", "first week of the hottest members' range (default: the week)"},
            {"--end", "N", "last week of that range (default: the week)"}},
           Room});
}

}  // namespace gm::cli
