#include <algorithm>
#include <string>
#include <vector>

#include "ReportRegistry.h"
#include "core/analysis/PlayerAnalyst.h"
#include "core/analysis/PlayerGraph.h"
#include "core/analysis/PoolAnalyst.h"
#include "core/analysis/PoolExperts.h"
#include "core/nfl/TeamResults.h"

namespace gm::cli {
namespace {

// The Pool Analyst with its group or team and mode chosen as in the window.
std::unique_ptr<Report> Analyst(AppState& state, const ReportArgs& args) {
    // The group options in window order, for each league.
    static const std::vector<std::string> k1997Groups{"all", "nfc", "nfc-east", "nfc-central", "nfc-west",
                                                      "afc", "afc-east", "afc-central", "afc-west"};
    static const std::vector<std::string> kTodayGroups{"all",      "nfc",       "nfc-east",  "nfc-north",
                                                       "nfc-south", "nfc-west", "afc",       "afc-east",
                                                       "afc-north", "afc-south", "afc-west"};
    const bool today = state.League().Kind != LeagueKind::Nfl1997;
    // A 1997 season refuses today's divisions as any unknown word; today's
    // league names the 1997 divisions it has not.
    if (const auto text = args.Text("--group"); today && text && (*text == "nfc-central" || *text == "afc-central"))
        args.Refuse("--group " + *text + " is a 1997 division; today's divisions are East, North, South and West");
    const std::string group =
        today ? args.Choice("--group", {"all", "nfc", "nfc-east", "nfc-north", "nfc-south", "nfc-west", "afc", "afc-east",
                                        "afc-north", "afc-south", "afc-west"},
                            "all")
              : args.Choice("--group", {"all", "nfc", "nfc-east", "nfc-central", "nfc-west", "afc", "afc-east",
                                        "afc-central", "afc-west"},
                            "all");
    const std::vector<std::string>& groups = today ? kTodayGroups : k1997Groups;
    const auto chosen = std::find(groups.begin(), groups.end(), group);
    const auto teamText = args.Text("--team");
    if (teamText && args.Text("--group")) args.Refuse("give either --group or --team, not both");
    int team = 0;
    if (teamText) {
        team = TeamResults::TeamFromText(state.Teams, *teamText, state.League());
        if (team == 0)
            args.Refuse("--team must be a team number from 1 to " + std::to_string(state.League().Teams) +
                        " or a city abbreviation, not '" + *teamText + "'");
    }
    const int week = args.Week("--week", state.CurrentWeek);
    auto model = std::make_unique<PoolAnalyst>(state);
    SpinTo(model->Week(), week, [&](int step) { return model->Spin(step); });
    if (args.Flag("--betting-on")) model->SetMode(PoolAnalyst::Mode::WhenBettingOn);
    if (team != 0)
        model->ChooseTeam(team);
    else
        model->ChooseGroup(static_cast<int>(chosen - groups.begin()));
    return model;
}

// The Pool Experts need three weeks of results behind the week shown.
std::unique_ptr<Report> Experts(AppState& state, const ReportArgs& args) {
    const int week = args.Week("--week", state.CurrentWeek);
    if (week < PoolExperts::kFirstWeek)
        args.Refuse("The Pool Experts cannot be considered Experts until the start of the 4th NFL week (--week " +
                    std::to_string(week) + ").");
    auto model = std::make_unique<PoolExperts>(state);
    SpinTo(model->Week(), week,
           [&](int step) { return model->Spin(step) == PoolExperts::SpinResult::Moved; });
    return model;
}

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
    r.Add({Display::PoolAnalyst,
           "the Pool Analyst: every member's record in the games of a team group or one team",
           {{"--week", "N", "the last week counted (default: the current week)"},
            {"--group", "all|nfc|nfc-east|nfc-central|nfc-west|afc|afc-east|afc-central|afc-west",
             "the team group (default: all); today's league: nfc-north, nfc-south, afc-north and afc-south in place "
             "of the central divisions"},
            {"--team", "N|ABBR", "one team instead of a group, by number or city abbreviation"},
            {"--betting-on", "", "count only selections of the group's teams (default: games involving them)"}},
           Analyst});
    r.Add({Display::PoolExperts,
           "the Pool Experts: each game's best member in games of its two teams, and the week's record",
           {{"--week", "N", "the week, from 4 to the season's last (default: the current week)"}},
           Experts});
    r.Add({Display::PlayerAnalyst,
           "the Player Analyst: one member's record by team, division, conference, favourite and underdog",
           {{"--member", "NAME|NUMBER", "the member, by name or player number (required)"},
            {"--start", "N", "first week (default 1)"},
            {"--end", "N", "last week (default: the current week)"}},
           PlayerAnalystReport});
    r.Add({Display::PlayerGraphs,
           "a member's weeks against the pool's average (printout only: --to pdf)",
           {{"--member", "NAME|NUMBER", "the member, by name or player number (required)"},
            {"--method", "wins|points|pct", "wins, confidence points or winning percentage (default pct)"},
            {"--line", "", "a line chart instead of bars"}},
           PlayerGraphReport});
}

}  // namespace gm::cli
