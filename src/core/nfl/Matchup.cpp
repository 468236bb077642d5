#include "Matchup.h"

#include <algorithm>

#include "core/output/TextColumns.h"

namespace gm {

namespace {

constexpr std::string_view kNotes = " ________";
constexpr std::size_t kTitleIndent = 24;

// Straight-up and spread row names, in line order.
constexpr std::array<std::string_view, 7> kCategories{"Season Record", "At Home",        "On Road",  "Last 3 Weeks",
                                                      "Conference",    "Non Conference", "Division"};

void AppendSide(std::string& line, const TeamRecord& r, std::size_t winWidth, bool points) {
    AppendNumber(line, winWidth, r.Wins);
    AppendNumber(line, 3, r.Losses);
    AppendNumber(line, 3, r.Ties);
    if (points) {
        AppendNumber(line, 5, r.PointsFor);
        AppendNumber(line, 5, r.PointsAgainst);
    } else {
        AppendPad(line, 5, "**");
        AppendPad(line, 5, "**");
    }
}

// Season minus conference, column by column.
TeamRecord NonConference(const TeamRecord& season, const TeamRecord& conf) {
    TeamRecord r = season;
    r.Wins -= conf.Wins;
    r.Losses -= conf.Losses;
    r.Ties -= conf.Ties;
    r.PointsFor -= conf.PointsFor;
    r.PointsAgainst -= conf.PointsAgainst;
    return r;
}

// The seven groups of one half of the comparison, in row order.
std::array<TeamRecord, 7> Rows(const MatchupRecord& m, bool spread) {
    if (spread) return {m.Ps, m.PsHome, m.PsRoad, m.PsL3, m.PsConf, NonConference(m.Ps, m.PsConf), m.PsDiv};
    return {m.Season, m.Home, m.Road, m.L3, m.Conf, NonConference(m.Season, m.Conf), m.Div};
}

const MatchupRecord& At(const MatchupTable& table, int team) {
    static const MatchupRecord none{};
    return team >= 1 && team <= kMaxTeams ? table[static_cast<std::size_t>(team)] : none;
}

bool IsCategoryRow(std::size_t index) { return (index >= 1 && index <= 7) || (index >= 10 && index <= 16); }

}  // namespace

WeekRange MatchupRange(int week) { return {0, week - 2}; }

WeekRange MatchupLast3Range(int week) { return {week > 3 ? week - 4 : 0, week - 2}; }

MatchupTable BuildMatchupTable(const SeasonGrid& games, int week, const League& league) {
    const WeekRange all = MatchupRange(week);
    const WeekRange last3 = MatchupLast3Range(week);
    struct Group {
        TeamRecord MatchupRecord::*field;
        WeekRange range;
        RecordCount count;
    };
    const Group groups[] = {
        {&MatchupRecord::Season, all, {Venue::Overall, Judge::StraightUp}},
        {&MatchupRecord::Home, all, {Venue::Home, Judge::StraightUp}},
        {&MatchupRecord::Road, all, {Venue::Road, Judge::StraightUp}},
        {&MatchupRecord::L3, last3, {Venue::Overall, Judge::StraightUp}},
        {&MatchupRecord::Div, all, {Venue::Overall, Judge::StraightUp, Role::Any, false, GameFilter::Division}},
        {&MatchupRecord::Conf, all, {Venue::Overall, Judge::StraightUp, Role::Any, false, GameFilter::Conference}},
        {&MatchupRecord::Ps, all, {Venue::Overall, Judge::Spread}},
        {&MatchupRecord::PsHome, all, {Venue::Home, Judge::Spread}},
        {&MatchupRecord::PsRoad, all, {Venue::Road, Judge::Spread}},
        {&MatchupRecord::PsL3, last3, {Venue::Overall, Judge::Spread}},
        {&MatchupRecord::PsDiv, all, {Venue::Overall, Judge::Spread, Role::Any, false, GameFilter::Division}},
        {&MatchupRecord::PsConf, all, {Venue::Overall, Judge::Spread, Role::Any, false, GameFilter::Conference}},
    };
    MatchupTable table{};
    for (const Group& g : groups) {
        TeamTable counted = NewTeamTable(league);
        CountRecords(counted, games, g.range, g.count);
        for (int t = 1; t <= league.Teams; ++t)
            table[static_cast<std::size_t>(t)].*g.field = counted[static_cast<std::size_t>(t)];
    }
    return table;
}

std::vector<std::string> MatchupLines(const MatchupTable& table, const TeamTables& teams, int away, int home) {
    std::vector<std::string> lines;
    lines.reserve(kMatchupLineCount);
    for (const bool spread : {false, true}) {
        lines.emplace_back(spread ? "Pt Spread Stats" : "Regular Stats");
        const auto awayRows = Rows(At(table, away), spread);
        const auto homeRows = Rows(At(table, home), spread);
        for (std::size_t i = 0; i < kCategories.size(); ++i) {
            std::string line;
            AppendPad(line, 16, kCategories[i]);
            line += "  ";
            AppendSide(line, awayRows[i], 3, !spread);
            line += "       ";
            AppendSide(line, homeRows[i], 2, !spread);
            lines.push_back(std::move(line));
        }
        lines.emplace_back();
    }
    lines.push_back(std::string(20, ' ') + PadRight(teams.City(away), 25) + teams.City(home));
    return lines;
}

Matchup::Matchup(const AppState& state, const MatchupTable& table, int away, int home)
    : state_(state), away_(away), home_(home), lines_(MatchupLines(table, state.Teams, away, home)) {}

std::vector<std::string> Matchup::NotedLines() const {
    std::vector<std::string> noted = lines_;
    for (std::size_t i = 0; i < noted.size(); ++i)
        if (IsCategoryRow(i)) noted[i] += kNotes;
    return noted;
}

std::string Matchup::TeamsText() const { return state_.Teams.City(away_) + " at " + state_.Teams.City(home_); }

std::vector<std::string> Matchup::OutputLines() const {
    std::vector<std::string> out{std::string(kTitleIndent, ' ') + std::string(kMatchupTitle), "",
                                 std::string(kTitleIndent, ' ') + TeamsText(), "",
                                 std::string(kMatchupHeading) + "   NOTES"};
    const auto noted = NotedLines();
    out.insert(out.end(), noted.begin(), noted.end());
    return out;
}

std::string Matchup::FileStem() const {
    return TeamFileStem(state_.Teams, away_) + "@" + TeamFileStem(state_.Teams, home_);
}

TextFileOutput Matchup::TextFile() const {
    TextFileOutput out;
    out.FileName = FileStem() + ".txt";
    out.Lines = OutputLines();
    out.ConfirmTitle = std::string(kMatchupTitle);
    return out;
}

ClipboardOutput Matchup::Clipboard() const {
    return {ClipboardText(OutputLines()),
            OutputMessage::Confirm(std::string(kMatchupTitle), TeamsText() + " is on the clipboard")};
}

WebPageOutput Matchup::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::Matchups;
    page.FileName = FileStem() + ".htm";
    page.Lines.push_back(WebLine::Head(std::string(kTitleIndent, ' ') + std::string(kMatchupTitle)));
    page.Lines.push_back(WebLine::Plain(""));
    page.Lines.push_back(WebLine::Plain(std::string(kTitleIndent, ' ') + TeamsText()));
    page.Lines.push_back(WebLine::Plain(""));
    page.Lines.push_back(WebLine::Plain(std::string(kMatchupHeading)));
    for (const auto& line : lines_) page.Lines.push_back(WebLine::Plain(line));
    return page;
}

void Matchup::PrintCopy(PageSurface& s, int) const {
    s.Font = PageFont{"Arial", 36, false, true, true, 600};
    PrintCentered(s, kMatchupTitle);
    s.Font = PageFont{"Arial", 30};
    PrintCentered(s, TeamsText());
    s.PrintLine();
    const PageFont body{"Courier New", 11};
    s.Font = body;
    s.Font.Weight = 700;
    s.CurrentX = 720;
    s.PrintLine(std::string(kMatchupHeading) + "   NOTES");
    s.Font = body;
    for (const auto& line : NotedLines()) {
        s.CurrentX = 720;
        s.PrintLine(line);
    }
}

MatchupChooser::MatchupChooser(AppState& state)
    : state_(state), week_(std::clamp(state.CurrentWeek, 1, state.League().Weeks), state.League().Weeks) {}

int MatchupChooser::TiebreakSlot() const {
    return state_.League().TiebreakSlot(state_.Games[static_cast<std::size_t>(week_.Week() - 1)]);
}

std::vector<MatchupChooser::Option> MatchupChooser::Options() const {
    std::vector<Option> options;
    const auto& games = state_.Games[static_cast<std::size_t>(week_.Week() - 1)];
    for (int slot = 0; slot < state_.League().Slots; ++slot) {
        const GameRecord& g = games[static_cast<std::size_t>(slot)];
        if (g.HasGame())
            options.push_back(
                {slot, state_.Teams.City(g.AwayTeam) + " at " + state_.Teams.City(g.HomeTeam), KickoffLabel(g)});
    }
    return options;
}

bool MatchupChooser::Spin(int step) {
    if (!week_.Step(step)) return false;
    slot_ = -1;
    stale_ = true;
    state_.CurrentWeek = week_.Week();
    return true;
}

void MatchupChooser::Select(int slot) {
    if (slot < 0 || slot >= state_.League().Slots) return;
    if (!state_.Games[static_cast<std::size_t>(week_.Week() - 1)][static_cast<std::size_t>(slot)].HasGame()) return;
    slot_ = slot;
}

std::optional<Matchup> MatchupChooser::View() {
    if (slot_ < 0) return std::nullopt;
    if (stale_) {
        table_ = BuildMatchupTable(state_.Games, week_.Week(), state_.League());
        stale_ = false;
    }
    const GameRecord& g = state_.Games[static_cast<std::size_t>(week_.Week() - 1)][static_cast<std::size_t>(slot_)];
    return Matchup(state_, table_, g.AwayTeam, g.HomeTeam);
}

}  // namespace gm
