#include "ReportRegistry.h"
#include "core/nfl/Analyzer.h"
#include "core/nfl/ConferenceStandings.h"
#include "core/nfl/FavUndStandings.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/Matchup.h"
#include "core/nfl/NflGraph.h"
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
    const auto& league = state.League();
    const std::string last = std::to_string(league.Teams);
    const std::string examples = league.Kind == LeagueKind::Nfl1997 ? "Ari, Dal, ..." : "ARI, DAL, ...";
    const auto text = args.Text("--team");
    if (!text)
        args.Refuse("--team is required: a team number from 1 to " + last + " or a city abbreviation (" + examples + ")");
    const int team = TeamResults::TeamFromText(state.Teams, *text, league);
    if (team == 0)
        args.Refuse("--team must be a team number from 1 to " + last + " or a city abbreviation, not '" + *text + "'");
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

// One game's comparison: the game by its place in the week, as the chooser lists it.
std::unique_ptr<Report> MatchupReport(AppState& state, const ReportArgs& args) {
    MatchupChooser chooser(state);
    SpinTo(chooser.Week(), args.Week("--week", chooser.Week()), [&](int step) { return chooser.Spin(step); });
    const auto& league = state.League();
    const int game = args.Number("--game", 1, league.Slots, 0);
    if (game == 0) {
        if (league.Kind == LeagueKind::Nfl1997)
            args.Refuse("--game is required: the game's place in the week, 1 to 15 (15 = Monday night)");
        args.Refuse("--game is required: the game's place in the week, 1 to " + std::to_string(league.Slots) +
                    " (the last by kick-off is the tiebreak game)");
    }
    chooser.Select(game - 1);
    if (chooser.Selected() != game - 1)
        args.Refuse("week " + std::to_string(chooser.Week()) + " has no game in place " + std::to_string(game));
    return std::make_unique<Matchup>(*chooser.View());
}

Venue LocationOf(const ReportArgs& args, const std::string& all) {
    const std::string where = args.Choice("--location", {"home", "road", all}, all);
    return where == "home" ? Venue::Home : where == "road" ? Venue::Road : Venue::Overall;
}

// The league graph, printed (the chart has no text form).
std::unique_ptr<Report> Graph(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<NflGraph>(state);
    const std::string method =
        args.Choice("--method", {"favorites", "underdogs", "spread", "straight"}, "straight");
    model->SetMethod(method == "favorites"   ? GraphMethod::Favorites
                     : method == "underdogs" ? GraphMethod::Underdogs
                     : method == "spread"    ? GraphMethod::Spread
                                             : GraphMethod::Straight);
    model->SetLocation(LocationOf(args, "all"));
    model->SetLine(args.Flag("--line"));
    return model;
}

std::unique_ptr<Report> AnalyzerReport(AppState& state, const ReportArgs& args) {
    auto model = std::make_unique<Analyzer>(state);
    SpinTo(model->EndWeek(), args.Week("--end", model->EndWeek()), [&](int step) { return model->SpinEnd(step); });
    SpinTo(model->StartWeek(), args.Week("--start", model->StartWeek()),
           [&](int step) { return model->SpinStart(step); });
    const std::string role = args.Choice("--role", {"all", "favorites", "underdogs"}, "all");
    model->SetRole(role == "favorites" ? Role::Favorite : role == "underdogs" ? Role::Underdog : Role::Any);
    model->SetLocation(LocationOf(args, "all"));
    const std::string restrict = args.Choice("--restrict", {"none", "division", "conference"}, "none");
    model->SetRestriction(restrict == "division"     ? GameFilter::NonDivision
                          : restrict == "conference" ? GameFilter::NonConference
                                                     : GameFilter::All);
    model->SetSpread(args.Flag("--spread"));
    const std::string benchmark = args.Choice("--benchmark", {"season", "conference", "league"}, "season");
    model->SetBenchmark(benchmark == "conference" ? Benchmark::ConferenceHC
                        : benchmark == "league"   ? Benchmark::LeagueHC
                                                  : Benchmark::RegularSeason);
    model->SetExpanded(args.Flag("--expanded"));
    return model;
}

}  // namespace

// The NFL displays.
void RegisterNflReports(ReportRegistry& r) {
    r.Add({Display::WeeklyResults,
           "the weekly NFL results: winner first, home team in capitals, point spreads",
           {kWeekShown},
           Results});
    r.Add({Display::TeamResults,
           "one team's season week by week: opponent, score, record and result against the spread",
           {{"--team", "N|ABBR", "the team: its number (1 to 30; today's league 1 to 32), city abbreviation or city (required)"},
            {"--no-spread", "", "leave out the column of results against the spread"}},
           Team});
    r.Add({Display::LeagueStandings,
           "the league standings: every division (six in 1997, eight today)",
           {kWeekShown, kScope, kLast3, kSpread},
           League});
    r.Add({Display::ConferenceStandings,
           "the conference standings with division, conference and inter-conference records",
           {kWeekShown, kConference, kLast3, kSpread},
           ConferenceReport});
    r.Add({Display::FavoriteUnderdog,
           "records against the spread as favourites or as underdogs",
           {kWeekShown,
            {"--role", "favorite|underdog", "games as the favourite (default) or as the underdog"},
            kConference, kScope, kLast3},
           FavUnd});
    r.Add({Display::WhosHot,
           "who's hot, who's not: the conference standings between two weeks",
           {{"--start", "N", "first week (default: the current week)"},
            {"--end", "N", "last week (default: the current week)"},
            kConference, kSpread},
           WhosHotReport});
    r.Add({Display::PointsForAgainst,
           "points for / points against: the teams ranked by points scored or allowed",
           {{"--start", "N", "first week (default 1)"},
            {"--end", "N", "last week (default: the current week)"},
            kScope,
            {"--allowed", "", "rank by points allowed, fewest first"},
            {"--average", "", "points per game instead of totals"},
            {"--by-conference", "", "NFC teams in the first list, AFC in the second"}},
           Points});
    r.Add({Display::Matchups,
           "this week's matchups: the two teams of a game compared category by category",
           {{"--week", "N", "the week of the game (default: the current week); earlier weeks are counted"},
            {"--game", "N", "the game's place in the week, 1 to 15 (15 = Monday night); today's league 1 to 16, the last kick-off the Monday-night game (required)"}},
           MatchupReport});
    r.Add({Display::NflGraphs,
           "the league graph: wins and losses of each week (printout only: --to pdf)",
           {{"--method", "favorites|underdogs|spread|straight", "the games counted (default straight)"},
            {"--location", "home|road|all", "home teams, road teams or all (default all)"},
            {"--line", "", "a line chart instead of bars"}},
           Graph});
    r.Add({Display::NflAnalyzer,
           "the NFL Analyzer: a handicapping category against a benchmark",
           {{"--start", "N", "first week (default 1)"},
            {"--end", "N", "last week (default: the current week)"},
            {"--role", "all|favorites|underdogs", "games as favourite or underdog (default all)"},
            {"--location", "home|road|all", "home games, road games or all (default all)"},
            {"--restrict", "none|division|conference", "only games outside the division or conference"},
            {"--spread", "", "records against the point spread"},
            {"--benchmark", "season|conference|league", "what each record is compared with (default season)"},
            {"--expanded", "", "list every team under its division"}},
           AnalyzerReport});
}

}  // namespace gm::cli
