#include "TeamRecords.h"

#include <algorithm>

#include "core/data/TextCodec.h"
#include "core/output/TextColumns.h"

namespace gm {


namespace {

constexpr int kNameWidth = 15;


void Add(TeamRecord& r, Outcome o, int TeamRecord::*win, int TeamRecord::*loss, int TeamRecord::*tie) {
    switch (o) {
        case Outcome::Win: ++(r.*win); break;
        case Outcome::Loss: ++(r.*loss); break;
        case Outcome::Tie: ++(r.*tie); break;
        case Outcome::None: break;
    }
}

bool InRole(const GameRecord& g, int team, Role role) {
    switch (role) {
        case Role::Any: return true;
        case Role::Favorite: return FavoriteTeam(g) == team;
        case Role::Underdog: return UnderdogTeam(g) == team;
    }
    return false;
}

// Credits one side of a played game.
void CountSide(TeamTable& table, const GameRecord& g, bool home, const RecordCount& count) {
    const int team = home ? g.HomeTeam : g.AwayTeam;
    if (!table.league->ValidTeam(team) || !InRole(g, team, count.role)) return;
    const Outcome o = count.judge == Judge::Spread ? SpreadOutcome(g, team) : StraightUpOutcome(g, team);
    if (o == Outcome::None) return;
    TeamRecord& r = table[static_cast<std::size_t>(team)];
    Add(r, o, &TeamRecord::Wins, &TeamRecord::Losses, &TeamRecord::Ties);
    if (count.judge == Judge::StraightUp || count.spreadPoints) {
        r.PointsFor += home ? g.HomeScore : g.AwayScore;
        r.PointsAgainst += home ? g.AwayScore : g.HomeScore;
    }
    if (count.groupColumns) {
        if (g.HomeConference == g.AwayConference)
            Add(r, o, &TeamRecord::ConfWins, &TeamRecord::ConfLosses, &TeamRecord::ConfTies);
        if (g.HomeDivision == g.AwayDivision)
            Add(r, o, &TeamRecord::DivWins, &TeamRecord::DivLosses, &TeamRecord::DivTies);
    }
}

}  // namespace

WeekRange SetWeekRange(int currentWeek, bool last3) {
    WeekRange range;
    range.WkEnd = currentWeek - 1;
    range.WkStart = last3 && currentWeek > 3 ? currentWeek - 3 : 0;
    return range;
}

TeamTable NewTeamTable() { return NewTeamTable(League1997()); }

TeamTable NewTeamTable(const League& league) {
    TeamTable table{};
    table.league = &league;
    for (int t = 1; t <= league.Teams; ++t) table[static_cast<std::size_t>(t)].Team = t;
    return table;
}

bool Counts(const GameRecord& game) { return game.HasGame() && game.Played(); }

Outcome StraightUpOutcome(const GameRecord& g, int team) {
    if (!Counts(g) || team == 0 || (team != g.HomeTeam && team != g.AwayTeam)) return Outcome::None;
    if (g.WinTeam == 0) return Outcome::Tie;
    if (g.WinTeam == team) return Outcome::Win;
    if (g.LoseTeam == team) return Outcome::Loss;
    return Outcome::None;  // a damaged record naming some other team
}

Outcome SpreadOutcome(const GameRecord& g, int team) {
    if (!Counts(g) || team == 0 || (team != g.HomeTeam && team != g.AwayTeam)) return Outcome::None;
    const float home = g.HomeSpread + static_cast<float>(g.HomeScore);
    const float away = g.AwaySpread + static_cast<float>(g.AwayScore);
    if (home == away) return Outcome::Tie;
    const bool homeCovered = home > away;
    return (team == g.HomeTeam) == homeCovered ? Outcome::Win : Outcome::Loss;
}

int FavoriteTeam(const GameRecord& g) {
    if (g.AwaySpread > g.HomeSpread) return g.HomeTeam;
    if (g.HomeSpread > g.AwaySpread) return g.AwayTeam;
    return 0;
}

int UnderdogTeam(const GameRecord& g) {
    if (g.AwaySpread > g.HomeSpread) return g.AwayTeam;
    if (g.HomeSpread > g.AwaySpread) return g.HomeTeam;
    return 0;
}

bool PassesFilter(const GameRecord& g, GameFilter filter) {
    switch (filter) {
        case GameFilter::All: return true;
        case GameFilter::Division: return g.HomeDivision == g.AwayDivision;
        case GameFilter::NonDivision: return g.HomeDivision != g.AwayDivision;
        case GameFilter::Conference: return g.HomeConference == g.AwayConference;
        case GameFilter::NonConference: return g.HomeConference != g.AwayConference;
    }
    return true;
}

void CountRecords(TeamTable& table, const SeasonGrid& games, WeekRange range, const RecordCount& count) {
    const int start = std::max(range.WkStart, 0);
    const League& league = *table.league;
    const int end = std::min(range.WkEnd, league.Weeks - 1);
    for (int w = start; w <= end; ++w) {
        for (int slot = 0; slot < league.Slots; ++slot) {
            const GameRecord& g = games[static_cast<std::size_t>(w)][static_cast<std::size_t>(slot)];
            if (!Counts(g) || !PassesFilter(g, count.games)) continue;
            if (count.venue != Venue::Road) CountSide(table, g, true, count);
            if (count.venue != Venue::Home) CountSide(table, g, false, count);
        }
    }
}

void BuildRegRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Overall, Judge::StraightUp});
}
void BuildRegHomeRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Home, Judge::StraightUp});
}
void BuildRegRoadRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Road, Judge::StraightUp});
}
void BuildSpreadRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Overall, Judge::Spread});
}
void BuildSpreadHomeRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Home, Judge::Spread});
}
void BuildSpreadRoadRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Road, Judge::Spread});
}
void BuildConfRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Overall, Judge::StraightUp, Role::Any, true});
}
void BuildConfSpreadRecord(TeamTable& t, const SeasonGrid& g, WeekRange r) {
    CountRecords(t, g, r, {Venue::Overall, Judge::Spread, Role::Any, true});
}

void SortByWins(TeamTable& table) {
    std::stable_sort(table.begin() + 1, table.begin() + 1 + table.TeamCount(),
                     [](const TeamRecord& a, const TeamRecord& b) { return a.Wins > b.Wins; });
}

void SortByLosses(TeamTable& table) {
    std::stable_sort(table.begin() + 1, table.begin() + 1 + table.TeamCount(),
                     [](const TeamRecord& a, const TeamRecord& b) { return a.Losses < b.Losses; });
}

void SortStandings(TeamTable& table) {
    SortByWins(table);
    SortByLosses(table);
}

const std::array<std::array<int, kTeamsPerDivision>, kDivisionCount>& DivisionTeams() {
    static const std::array<std::array<int, kTeamsPerDivision>, kDivisionCount> teams{{
        {1, 8, 20, 23, 30},
        {6, 10, 11, 17, 29},
        {2, 5, 19, 26, 28},
        {4, 13, 16, 18, 21},
        {3, 7, 12, 14, 24},
        {9, 15, 22, 25, 27},
    }};
    return teams;
}

int DivisionListOf(int team) {
    const auto& divisions = DivisionTeams();
    for (int d = 0; d < kDivisionCount; ++d)
        for (int t : divisions[static_cast<std::size_t>(d)])
            if (t == team) return d;
    return -1;
}

std::string_view DivisionName(int list) {
    static constexpr std::array<std::string_view, kDivisionCount> names{
        "NFC Eastern", "NFC Central", "NFC Western", "AFC Eastern", "AFC Central", "AFC Western"};
    return list >= 0 && list < kDivisionCount ? names[static_cast<std::size_t>(list)] : std::string_view{};
}

std::string LeagueHeader(int list) { return std::string(DivisionName(list)) + "     W  L  T   PF   PA"; }

std::string ConferenceHeader(int list) {
    return LeagueHeader(list) + "    Division   Conference   vs. " + (list < 3 ? "AFC" : "NFC");
}

int DivisionListOf(int team, const League& league) { return league.ValidTeam(team) ? league.Division(team) - 1 : -1; }

std::string DivisionName(int list, const League& league) {
    if (list < 0 || list >= league.Divisions || static_cast<std::size_t>(list) >= league.Headings.size()) return {};
    std::string name = league.Headings[static_cast<std::size_t>(list)].substr(0, 15);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::string LeagueHeader(int list, const League& league) {
    std::string name = DivisionName(list, league);
    name.resize(16, ' ');
    return name + "W  L  T   PF   PA";
}

int ConferenceOfList(int list, const League& league) {
    return list >= 0 && list < league.Divisions ? league.DivisionConference(list + 1) : 0;
}

int LargestDivision(const League& league) {
    int largest = 0;
    for (int d = 0; d < league.Divisions; ++d) {
        int size = 0;
        for (int team = 1; team <= league.Teams; ++team) size += DivisionListOf(team, league) == d ? 1 : 0;
        largest = std::max(largest, size);
    }
    return largest;
}

std::string ConferenceHeader(int list, const League& league) {
    return LeagueHeader(list, league) + "    Division   Conference   vs. " +
           (ConferenceOfList(list, league) == kConferenceNFC ? "AFC" : "NFC");
}

std::string TeamNameField(std::string_view city) {
    std::string name = Utf8Left(city, kNameWidth);
    const std::size_t len = Utf8Length(name);
    if (len < kNameWidth) name.append(kNameWidth - len, ' ');
    return name;
}

namespace {

// The first 34 characters of both line forms.
void AppendOverall(std::string& line, std::string_view city, const TeamRecord& r, bool pointsShown) {
    line += TeamNameField(city);
    AppendNumber(line, 2, r.Wins);
    AppendNumber(line, 3, r.Losses);
    AppendNumber(line, 3, r.Ties);
    if (pointsShown) {
        AppendNumber(line, 5, r.PointsFor);
        AppendNumber(line, 5, r.PointsAgainst);
    } else {
        AppendPad(line, 5, "**");
        AppendPad(line, 5, "**");
    }
}

void AppendWlt(std::string& line, int w, int l, int t) {
    AppendNumber(line, 3, w);
    AppendNumber(line, 3, l);
    AppendNumber(line, 3, t);
}

}  // namespace

std::string LeagueLine(std::string_view city, const TeamRecord& r, bool pointsShown) {
    std::string line;
    line.reserve(40);
    AppendOverall(line, city, r, pointsShown);
    line += "    ";
    return line;
}

std::string ConferenceLine(std::string_view city, const TeamRecord& r, bool pointsShown) {
    std::string line;
    line.reserve(72);
    AppendOverall(line, city, r, pointsShown);
    line += "    ";  // the league line's first blank, then three more
    AppendWlt(line, r.DivWins, r.DivLosses, r.DivTies);
    line += "   ";
    AppendWlt(line, r.ConfWins, r.ConfLosses, r.ConfTies);
    line += "  ";
    AppendWlt(line, r.Wins - r.ConfWins, r.Losses - r.ConfLosses, r.Ties - r.ConfTies);
    return line;
}

std::vector<std::vector<int>> DivisionOrder(const TeamTable& table) {
    const League& league = *table.league;
    std::vector<std::vector<int>> lists(static_cast<std::size_t>(league.Divisions));
    for (int i = 1; i <= table.TeamCount(); ++i) {
        const int team = table[static_cast<std::size_t>(i)].Team;
        const int d = DivisionListOf(team, league);
        if (d >= 0) lists[static_cast<std::size_t>(d)].push_back(team);
    }
    return lists;
}

const TeamRecord& RecordOf(const TeamTable& table, int team) {
    for (int i = 1; i <= table.TeamCount(); ++i)
        if (table[static_cast<std::size_t>(i)].Team == team) return table[static_cast<std::size_t>(i)];
    static const TeamRecord none{};
    return none;
}

}  // namespace gm
