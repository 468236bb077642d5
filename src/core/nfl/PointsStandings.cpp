#include "PointsStandings.h"

#include <algorithm>

#include "core/output/PrintJob.h"
#include "core/output/TextColumns.h"

namespace gm {

namespace {

float Average(int total, int games) { return games == 0 ? 0.0f : static_cast<float>(total) / static_cast<float>(games); }

}  // namespace

std::array<PointsRecord, kMaxTeams + 1> CountPoints(const SeasonGrid& games, int startWeek, int endWeek,
                                                    const League& league) {
    std::array<PointsRecord, kMaxTeams + 1> table{};
    for (int t = 1; t <= league.Teams; ++t) table[static_cast<std::size_t>(t)].Team = t;
    const int first = std::max(startWeek, 1);
    const int last = std::min(endWeek, league.Weeks);
    for (int week = first; week <= last; ++week) {
        for (int slot = 0; slot < league.Slots; ++slot) {
            const GameRecord& g = games[static_cast<std::size_t>(week - 1)][static_cast<std::size_t>(slot)];
            if (!Counts(g)) continue;
            if (league.ValidTeam(g.HomeTeam)) {
                PointsRecord& h = table[g.HomeTeam];
                ++h.GamesPlayed, ++h.HomeGames;
                h.PointsFor += g.HomeScore, h.HomePF += g.HomeScore;
                h.PointsAgainst += g.AwayScore, h.HomePA += g.AwayScore;
            }
            if (league.ValidTeam(g.AwayTeam)) {
                PointsRecord& a = table[g.AwayTeam];
                ++a.GamesPlayed, ++a.RoadGames;
                a.PointsFor += g.AwayScore, a.RoadPF += g.AwayScore;
                a.PointsAgainst += g.HomeScore, a.RoadPA += g.HomeScore;
            }
        }
    }
    for (auto& r : table) {
        r.AvgPF = Average(r.PointsFor, r.GamesPlayed);
        r.AvgPA = Average(r.PointsAgainst, r.GamesPlayed);
        r.AvgHomePF = Average(r.HomePF, r.HomeGames);
        r.AvgHomePA = Average(r.HomePA, r.HomeGames);
        r.AvgRoadPF = Average(r.RoadPF, r.RoadGames);
        r.AvgRoadPA = Average(r.RoadPA, r.RoadGames);
    }
    return table;
}

PointsStandings::PointsStandings(AppState& state)
    : state_(state), start_(1, state.League().Weeks), end_(state.CurrentWeek, state.League().Weeks) {
    Rebuild();
}

void PointsStandings::SetScope(Venue scope) {
    scope_ = scope;
    Rebuild();
}

void PointsStandings::SetTotals(bool totals) {
    totals_ = totals;
    Rebuild();
}

void PointsStandings::SetAllowed(bool allowed) {
    allowed_ = allowed;
    Rebuild();
}

void PointsStandings::SetByConference(bool byConf) {
    byConference_ = byConf;
    Rebuild();
}

bool PointsStandings::SpinStart(int step) {
    if (!start_.Step(step)) return false;
    Rebuild();
    return true;
}

bool PointsStandings::SpinEnd(int step) {
    if (!end_.Step(step)) return false;
    state_.CurrentWeek = end_.Week();
    Rebuild();
    return true;
}

void PointsStandings::Rebuild() {
    const League& league = state_.League();
    const auto table = CountPoints(state_.Games, start_.Week(), end_.Week(), league);
    ranking_.assign(table.begin() + 1, table.begin() + 1 + league.Teams);
    for (PointsRecord& r : ranking_) {
        switch (scope_) {
            case Venue::Overall:
                r.ShownPoints = totals_ ? static_cast<float>(allowed_ ? r.PointsAgainst : r.PointsFor)
                                        : (allowed_ ? r.AvgPA : r.AvgPF);
                r.ShownGames = r.GamesPlayed;
                break;
            case Venue::Home:
                r.ShownPoints = totals_ ? static_cast<float>(allowed_ ? r.HomePA : r.HomePF)
                                        : (allowed_ ? r.AvgHomePA : r.AvgHomePF);
                r.ShownGames = r.HomeGames;
                break;
            case Venue::Road:
                r.ShownPoints = totals_ ? static_cast<float>(allowed_ ? r.RoadPA : r.RoadPF)
                                        : (allowed_ ? r.AvgRoadPA : r.AvgRoadPF);
                r.ShownGames = r.RoadGames;
                break;
        }
    }
    // Scored: most first; allowed: fewest first. A team with no game in the
    // range has nothing to rank and goes last either way: 0 points allowed
    // would otherwise make it the best defence. Equal keys keep team order.
    const bool allowed = allowed_;
    std::stable_sort(ranking_.begin(), ranking_.end(), [allowed](const PointsRecord& a, const PointsRecord& b) {
        const bool aPlayed = a.ShownGames > 0, bPlayed = b.ShownGames > 0;
        if (aPlayed != bPlayed) return aPlayed;
        return allowed ? a.ShownPoints < b.ShownPoints : a.ShownPoints > b.ShownPoints;
    });
}

std::array<std::vector<std::size_t>, 2> PointsStandings::Lists() const {
    // The NFC teams go to the first list when the lists split by conference.
    const League& league = state_.League();
    const std::size_t half = ranking_.size() / 2;
    std::array<std::vector<std::size_t>, 2> lists;
    for (std::size_t place = 0; place < ranking_.size(); ++place) {
        const bool first =
            byConference_ ? league.Conference(ranking_[place].Team) == kConferenceNFC : place < half;
        lists[first ? 0 : 1].push_back(place);
    }
    return lists;
}

std::string PointsStandings::LineAt(std::size_t place) const {
    const PointsRecord& r = ranking_[place];
    std::string line;
    line.reserve(32);
    AppendNumber(line, 3, static_cast<long long>(place + 1));
    line += ' ';
    line += TeamNameField(state_.Teams.City(r.Team));
    if (totals_) {
        AppendNumber(line, 3, static_cast<long long>(r.ShownPoints));
        line += ' ';
    } else {
        AppendFixed1(line, 4, r.ShownPoints);
    }
    AppendNumber(line, 6, r.ShownGames);
    return line;
}

std::vector<std::string> PointsStandings::ListLines(int list) const {
    std::vector<std::string> lines;
    if (list < 0 || list > 1) return lines;
    const auto lists = Lists();
    for (std::size_t place : lists[static_cast<std::size_t>(list)]) lines.push_back(LineAt(place));
    return lines;
}

std::vector<int> PointsStandings::ListItemData(int list) const {
    std::vector<int> data;
    if (list < 0 || list > 1) return data;
    const auto lists = Lists();
    for (std::size_t place : lists[static_cast<std::size_t>(list)]) data.push_back(ranking_[place].Team - 1);
    return data;
}

std::vector<std::string> PointsStandings::HeadingLines() const {
    const std::string_view games = scope_ == Venue::Overall ? "All Games" : scope_ == Venue::Home ? "Home Games" : "Away Games";
    return {CenterTitle66(allowed_ ? "Points Allowed" : "Points Scored"),
            CenterTitle66("Between Week " + std::to_string(start_.Week()) + " And Week " + std::to_string(end_.Week())),
            CenterTitle66(std::string(allowed_ ? "Defensive" : "Offensive") + " Statistics: " + std::string(games))};
}

std::vector<std::string> PointsStandings::OutputLines() const {
    std::vector<std::string> lines = HeadingLines();
    for (int list = 0; list < 2; ++list) {
        lines.emplace_back();
        lines.emplace_back(Caption());
        for (auto& line : ListLines(list)) lines.push_back(std::move(line));
    }
    return lines;
}

TextFileOutput PointsStandings::TextFile() const {
    TextFileOutput out;
    out.FileName = "Points.txt";
    out.ConfirmTitle = "PF/PA  Text File";
    out.Lines = OutputLines();
    return out;
}

ClipboardOutput PointsStandings::Clipboard() const {
    return {ClipboardText(OutputLines()), OutputMessage::Confirm("PF/PA", "PF/PA Stats Are Now On The Clipboard")};
}

WebPageOutput PointsStandings::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::Points;
    page.FileName = "points.htm";
    page.Lines = PlainLines(OutputLines());
    page.ConfirmText =
        "An NFL Team Webpage named " + page.FileName + " was created.\r\nDon't Forget to Update Your Pool Home Page.";
    return page;
}

void PointsStandings::PrintCopy(PageSurface& s, int) const {
    s.Font = PageFont{"Arial", 16, false, false, true, 600};
    for (const std::string& line : HeadingLines()) {
        const auto first = line.find_first_not_of(' ');
        PrintCentered(s, first == std::string::npos ? std::string_view{} : std::string_view(line).substr(first));
    }
    const PageFont body{"Courier New", 14, false, false, false, 400};
    PageFont caption = body;
    caption.Underline = true;
    const double bottom = PageBottom(s);
    const std::string heading(Caption());
    for (int list = 0; list < 2; ++list) {
        s.Font = body;
        s.PrintLine();
        s.Font = caption;
        s.PrintLine(heading);
        s.Font = body;
        for (const std::string& line : ListLines(list)) {
            BreakPageIfNeeded(s, bottom, body, caption, std::span<const std::string>(&heading, 1));
            s.PrintLine(line);
        }
    }
}

}  // namespace gm
