#include "ReportRegistry.h"
#include "core/nfl/ConferenceStandings.h"
#include "core/nfl/FavUndStandings.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/NflResults.h"
#include "core/nfl/PointsStandings.h"
#include "core/nfl/TeamResults.h"
#include "core/nfl/WhosHot.h"

namespace gm::cli {
namespace {

Venue ScopeOf(const ReportArgs& args) {
    const std::string scope = args.Choice("--scope", {"overall", "home", "road"}, "overall");
    return scope == "home" ? Venue::Home : scope == "road" ? Venue::Road : Venue::Overall;
}

Conference ConferenceOf(const ReportArgs& args) {
    return args.Choice("--conference", {"nfc", "afc"}, "nfc") == "afc" ? Conference::AFC : Conference::NFC;
}

const ReportOption kWeekShown{"--week", "N", "the week shown, the end of the range (default: the current week)"};
const ReportOption kConference{"--conference", "nfc|afc", "the conference the window shows (default nfc); both are written"};
const ReportOption kScope{"--scope", "overall|home|road", "all games, home games or road games (default overall)"};
const ReportOption kLast3{"--last3", "", "the last three weeks up to the week shown"};
const ReportOption kSpread{"--spread", "", "records against the point spread"};

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

std::unique_ptr<Report> League(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<LeagueStandings>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->SpinWeek(step); });
    model->SetScope(ScopeOf(args));
    model->SetLast3(args.Flag("--last3"));
    model->SetSpread(args.Flag("--spread"));
    return model;
}

std::unique_ptr<Report> ConferenceReport(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<ConferenceStandings>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->SpinWeek(step); });
    model->SetConference(ConferenceOf(args));
    model->SetLast3(args.Flag("--last3"));
    model->SetSpread(args.Flag("--spread"));
    return model;
}

std::unique_ptr<Report> FavUnd(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<FavUndStandings>(state);
    SpinTo(model->Week(), args.Week("--week", model->Week()), [&](int step) { return model->SpinWeek(step); });
    model->SetRole(args.Choice("--role", {"favorite", "underdog"}, "favorite") == "underdog" ? Role::Underdog
                                                                                            : Role::Favorite);
    model->SetConference(ConferenceOf(args));
    model->SetScope(ScopeOf(args));
    model->SetLast3(args.Flag("--last3"));
    return model;
}

std::unique_ptr<Report> WhosHotReport(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<WhosHot>(state);
    SpinTo(model->StartWeek(), args.Week("--start", model->StartWeek()), [&](int step) { return model->SpinStart(step); });
    SpinTo(model->EndWeek(), args.Week("--end", model->EndWeek()), [&](int step) { return model->SpinEnd(step); });
    model->SetConference(ConferenceOf(args));
    model->SetSpread(args.Flag("--spread"));
    return model;
}

std::unique_ptr<Report> Points(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<PointsStandings>(state);
    SpinTo(model->EndWeek(), args.Week("--end", model->EndWeek()), [&](int step) { return model->SpinEnd(step); });
    SpinTo(model->StartWeek(), args.Week("--start", model->StartWeek()), [&](int step) { return model->SpinStart(step); });
    model->SetScope(ScopeOf(args));
    model->SetTotals(!args.Flag("--average"));
    model->SetAllowed(args.Flag("--allowed"));
    model->SetByConference(args.Flag("--by-conference"));
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
    r.Add({"league",
           "the league standings: all six divisions",
           {kWeekShown, kScope, kLast3, kSpread},
           League});
    r.Add({"conference",
           "the conference standings with division, conference and inter-conference records",
           {kWeekShown, kConference, kLast3, kSpread},
           ConferenceReport});
    r.Add({"favund",
           "records against the spread as favourites or as underdogs",
           {kWeekShown,
            {"--role", "favorite|underdog", "games as the favourite (default) or as the underdog"},
            kConference, kScope, kLast3},
           FavUnd});
    r.Add({"whoshot",
           "who's hot, who's not: the conference standings between two weeks",
           {{"--start", "N", "first week (default: the current week)"},
            {"--end", "N", "last week (default: the current week)"},
            kConference, kSpread},
           WhosHotReport});
    r.Add({"points",
           "points for / points against: the teams ranked by points scored or allowed",
           {{"--start", "N", "first week (default 1)"},
            {"--end", "N", "last week (default: the current week)"},
            kScope,
            {"--allowed", "", "rank by points allowed, fewest first"},
            {"--average", "", "points per game instead of totals"},
            {"--by-conference", "", "NFC teams in the first list, AFC in the second"}},
           Points});
}

}  // namespace gm::cli
