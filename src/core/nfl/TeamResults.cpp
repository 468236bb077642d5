#include "TeamResults.h"

#include <algorithm>
#include <charconv>

#include "core/nfl/TeamRecords.h"
#include "core/output/TextColumns.h"

namespace gm {

namespace {

constexpr int kOpponentWidth = 14;

std::string RecordText(const TeamResults::Record& r) {
    return N(r.Wins) + " - " + N(r.Losses) + " - " + N(r.Ties);
}

void Count(TeamResults::Record& r, Outcome outcome) {
    if (outcome == Outcome::Win)
        ++r.Wins;
    else if (outcome == Outcome::Loss)
        ++r.Losses;
    else
        ++r.Ties;
}

std::string Average(int total, int games) {
    std::string out;
    AppendFixed1(out, 0, games == 0 ? 0.0 : static_cast<double>(total) / games);
    return out;
}

}  // namespace

TeamResults::TeamResults(AppState& state) : state_(state) {
    // A team number the data cannot hold opens on the first team.
    const int team = state_.ResultsTeam + 1;
    team_ = state_.League().ValidTeam(team) ? team : 1;
    ShowTeamResults();
}

int TeamResults::TeamFromText(const TeamTables& teams, std::string_view text, const League& league) {
    const int last = league.Teams;
    // Blanks around a name do not count.
    const auto lower = [](std::string_view s) {
        while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        std::string out(s);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    };
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc() && end == text.data() + text.size() && !text.empty())
        return number >= 1 && number <= last ? number : 0;
    const std::string wanted = lower(text);
    if (wanted.empty()) return 0;
    for (int team = 1; team <= last; ++team)
        if (lower(teams.CityAbbr(team)) == wanted) return team;
    for (int team = 1; team <= last; ++team)
        if (lower(teams.City(team)) == wanted) return team;
    return 0;
}

std::vector<std::string> TeamResults::TeamChoices() const {
    std::vector<std::string> names;
    for (int team = 1; team <= state_.League().Teams; ++team) names.push_back(state_.Teams.City(team));
    return names;
}

bool TeamResults::ChooseTeam(int team) {
    if (!state_.League().ValidTeam(team)) return false;
    team_ = team;
    ShowTeamResults();
    return true;
}

void TeamResults::ShowTeamResults() {
    home_ = away_ = spread_ = Record{};
    pointsFor_ = pointsAgainst_ = played_ = 0;
    Record season;
    const int t = team_;
    const League& league = state_.League();
    const int regularEnd = league.RegularWeeks - 1;  // week index of the last regular-season week
    withSpread_.fill({});
    noSpread_.fill({});
    for (int w = 0; w < league.Weeks; ++w) {
        std::string line = "Week ";
        AppendNumber(line, 2, w + 1);
        std::string spreadWord;
        bool plays = false;
        for (int slot = 0; slot < league.Slots; ++slot) {
            const GameRecord& g = state_.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(slot)];
            const bool atHome = g.HomeTeam == t;
            if (!g.HasGame() || (!atHome && g.AwayTeam != t)) continue;
            plays = true;
            const int opponent = atHome ? g.AwayTeam : g.HomeTeam;
            line += atHome ? "    " : "  @ ";
            line += PadRight(state_.Teams.City(opponent), kOpponentWidth);
            if (!g.Played()) continue;

            const int own = atHome ? g.HomeScore : g.AwayScore;
            const int their = atHome ? g.AwayScore : g.HomeScore;
            pointsFor_ += own;
            pointsAgainst_ += their;
            ++played_;
            if (const Outcome result = StraightUpOutcome(g, t); result != Outcome::None) {
                Count(atHome ? home_ : away_, result);
                Count(season, result);
            }
            const Outcome covered = SpreadOutcome(g, t);
            Count(spread_, covered);
            spreadWord = covered == Outcome::Win ? "WON" : covered == Outcome::Loss ? "LOST" : "TIED";

            AppendNumber(line, 4, own);
            line += '-';
            AppendNumber(line, 2, their);
            AppendNumber(line, 5, season.Wins);
            AppendNumber(line, 3, season.Losses);
            AppendNumber(line, 3, season.Ties);
        }
        if (!plays && w <= regularEnd) line += "    OFF DATE";
        noSpread_[static_cast<std::size_t>(w)] = line;
        withSpread_[static_cast<std::size_t>(w)] = spreadWord.empty() ? line : line + "    " + spreadWord;
    }
}

std::string TeamResults::Heading() const {
    return std::string(showSpread_ ? kTeamHeadingSpread : kTeamHeadingNoSpread);
}

std::vector<std::string> TeamResults::ListLines() const {
    std::vector<std::string> lines;
    const League& league = state_.League();
    for (int w = 0; w < league.Weeks; ++w) {
        lines.push_back(withSpread_[static_cast<std::size_t>(w)]);
        if (w == league.RegularWeeks - 1) lines.emplace_back(56, '-');
    }
    return lines;
}

std::string TeamResults::HomeText() const { return RecordText(home_); }
std::string TeamResults::AwayText() const { return RecordText(away_); }
std::string TeamResults::PSText() const { return RecordText(spread_); }
std::string TeamResults::PointsForText() const { return N(pointsFor_); }
std::string TeamResults::PointsAgainstText() const { return N(pointsAgainst_); }
std::string TeamResults::AvgPFText() const { return Average(pointsFor_, played_); }
std::string TeamResults::AvgPAText() const { return Average(pointsAgainst_, played_); }

std::string TeamResults::FullName() const {
    return state_.Teams.City(team_) + " " + state_.Teams.Name(team_);
}

std::string TeamResults::NameLine() const {
    return state_.Teams.City(team_) + "  " + state_.Teams.Name(team_);
}

std::vector<std::string> TeamResults::WeekLines() const {
    const auto& table = showSpread_ ? withSpread_ : noSpread_;
    std::vector<std::string> lines;
    const League& league = state_.League();
    for (int w = 0; w < league.Weeks; ++w) {
        lines.push_back(table[static_cast<std::size_t>(w)]);
        if (w == league.RegularWeeks - 1) lines.emplace_back(showSpread_ ? 52 : 44, '-');
    }
    return lines;
}

std::vector<std::string> TeamResults::OutputLines() const {
    std::vector<std::string> lines{NameLine(), "NFL Schedule and Results", "", Heading()};
    for (auto& line : WeekLines()) lines.push_back(std::move(line));
    return lines;
}

std::string TeamResults::FileStem() const {
    return TeamFileStem(state_.Teams, team_);
}

std::string TeamResults::ReportTitle() const { return "NFL Team Results"; }

ReportWriters TeamResults::Writers() const { return {true, true, true, true}; }

TextFileOutput TeamResults::TextFile() const {
    TextFileOutput out;
    out.FileName = FileStem() + ".txt";
    out.Lines = OutputLines();
    out.ConfirmTitle = FullName() + " Text File";
    return out;
}

ClipboardOutput TeamResults::Clipboard() const {
    return {ClipboardText(OutputLines()),
            OutputMessage::Confirm("NFL Team Standings", FullName() + " Season Record \r\nIs Now On The Clipboard")};
}

WebPageOutput TeamResults::WebPage() const {
    // The block opens in the accent colour; it ends after the heading.
    WebPageOutput page;
    page.Page = WebPageId::TeamResults;
    page.FileName = FileStem() + ".htm";
    page.ConfirmTitle = FullName() + " Web Page";
    std::vector<std::string> lines = OutputLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 3)
            page.Lines.push_back(WebLine::Markup(EscapeHtml(lines[i]) + "</FONT>"));
        else
            page.Lines.push_back(WebLine::Plain(std::move(lines[i])));
    }
    return page;
}

void TeamResults::PrintCopy(PageSurface& s, int) const {
    const std::vector<std::string> lines = OutputLines();
    s.Font = PageFont{"Arial", 24, false, false, true, 600};
    PrintCentered(s, lines[0]);
    PrintCentered(s, lines[1]);
    s.Font = PageFont{"Arial", 24};
    s.PrintLine();

    const PageFont body{"Courier New", 14};
    s.Font = body;
    const std::string heading = lines[3];
    s.PrintLine(heading);
    const double bottom = PageBottom(s);
    for (std::size_t i = 4; i < lines.size(); ++i) {
        BreakPageIfNeeded(s, bottom, body, [&](PageSurface& page) { page.PrintLine(heading); });
        s.PrintLine(lines[i]);
    }
}

}  // namespace gm
