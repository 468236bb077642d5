#include "PoolAnalyst.h"

#include <algorithm>
#include <array>

#include "core/data/PoolOptions.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/PrintJob.h"
#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

constexpr std::string_view kTitle = "The Pool Analyst";

constexpr std::array<std::string_view, PoolAnalyst::kGroupCount> kGroupCaptions{
    "All Teams", "NFC Teams", "NFC East", "NFC Central", "NFC West",
    "AFC Teams", "AFC East",  "AFC Central", "AFC West"};

// Which teams a filter takes, by team number.
using TeamSet = std::array<bool, kMaxTeams + 1>;

int Clamp(int team) { return team >= 0 && team <= kMaxTeams ? team : 0; }

constexpr std::array<std::string_view, PoolAnalyst::kMaxGroupCount> kTodayGroupCaptions{
    "All Teams", "NFC Teams", "NFC East", "NFC North", "NFC South", "NFC West",
    "AFC Teams", "AFC East",  "AFC North", "AFC South", "AFC West"};

constexpr int kNfc = 2;
constexpr int kAfc = 1;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string_view PoolAnalyst::GroupCaption(int group) {
    return group >= 0 && group < kGroupCount ? kGroupCaptions[static_cast<std::size_t>(group)] : std::string_view{};
}

std::string_view PoolAnalyst::ModeCaption(Mode mode) {
    return mode == Mode::WhenBettingOn ? "When Betting On" : "In Games Involving";
}

// Groups 2 to 4 and 6 to 8 are the divisions in standings order; 1 and 5 are
// the three divisions of a conference; 0 is the whole league.
std::vector<int> PoolAnalyst::GroupTeams(int group) {
    const auto& divisions = DivisionTeams();
    std::vector<int> teams;
    const auto add = [&](int division) {
        for (int t : divisions[static_cast<std::size_t>(division)]) teams.push_back(t);
    };
    if (group == 0) {
        for (int t = 1; t <= kTeams; ++t) teams.push_back(t);
    } else if (group == 1 || group == 5) {
        const int first = group == 1 ? 0 : 3;
        for (int d = first; d < first + 3; ++d) add(d);
        std::sort(teams.begin(), teams.end());
    } else if (group >= 2 && group <= 4) {
        add(group - 2);
    } else if (group >= 6 && group <= 8) {
        add(group - 3);
    }
    return teams;
}

int PoolAnalyst::GroupCount(const League& league) {
    return league.Kind == LeagueKind::Nfl1997 ? kGroupCount : 3 + league.Divisions;
}

std::string_view PoolAnalyst::GroupCaption(int group, const League& league) {
    if (league.Kind == LeagueKind::Nfl1997) return GroupCaption(group);
    return group >= 0 && group < GroupCount(league) ? kTodayGroupCaptions[static_cast<std::size_t>(group)]
                                                    : std::string_view{};
}

std::vector<int> PoolAnalyst::GroupTeams(int group, const League& league) {
    if (league.Kind == LeagueKind::Nfl1997) return GroupTeams(group);
    // The groups in option order: the league, then per conference the
    // conference itself and its divisions by number.
    std::vector<std::vector<int>> groups(1);
    for (int t = 1; t <= league.Teams; ++t) groups[0].push_back(t);
    for (const int conference : {kNfc, kAfc}) {
        std::vector<int>& whole = groups.emplace_back();
        for (int t = 1; t <= league.Teams; ++t)
            if (league.Conference(t) == conference) whole.push_back(t);
        for (int d = 1; d <= league.Divisions; ++d) {
            if (league.DivisionConference(d) != conference) continue;
            std::vector<int>& division = groups.emplace_back();
            for (int t = 1; t <= league.Teams; ++t)
                if (league.Division(t) == d) division.push_back(t);
        }
    }
    if (group < 0 || group >= static_cast<int>(groups.size())) return {};
    return groups[static_cast<std::size_t>(group)];
}

PoolAnalyst::PoolAnalyst(AppState& state) : state_(state) {
    week_ = std::clamp(state_.CurrentWeek, 1, state_.League().Weeks);
    weekLabel_ = gm::WeekLabel(week_, false);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    Compute();
}

void PoolAnalyst::ChooseGroup(int group) {
    if (group < 0 || group >= GroupCount(state_.League())) return;
    group_ = group;
    team_ = 0;
    Compute();
}

void PoolAnalyst::ChooseTeam(int team) {
    if (!state_.League().ValidTeam(team)) return;
    team_ = team;
    group_ = -1;
    Compute();
}

void PoolAnalyst::SetMode(Mode mode) {
    mode_ = mode;
    Compute();
}

bool PoolAnalyst::Spin(int step) {
    const int week = week_ + step;
    if (week < 1 || week > state_.League().Weeks) return false;
    week_ = week;
    weekLabel_ = gm::WeekLabel(week, true);
    state_.CurrentWeek = week;
    Compute();
    return true;
}

void PoolAnalyst::Compute() {
    TeamSet in{};
    if (team_ != 0)
        in[static_cast<std::size_t>(team_)] = true;
    else
        for (int t : GroupTeams(group_, state_.League())) in[static_cast<std::size_t>(t)] = true;
    const bool spreads = UsesPointSpreads(state_.PointSpreads);
    const bool betting = mode_ == Mode::WhenBettingOn;

    const int count = std::clamp(state_.MemberCount, 0, static_cast<int>(state_.Members.size()));
    rows_.assign(static_cast<std::size_t>(count), AnalystRow{});
    for (int m = 0; m < count; ++m) {
        const MemberRecord& member = state_.Members[static_cast<std::size_t>(m)];
        AnalystRow& row = rows_[static_cast<std::size_t>(m)];
        row.MemberIndex = m;
        long long half = 0;  // confidence points in halves, exact
        for (int w = 0; w < week_; ++w) {
            for (int s = 0; s < state_.League().Slots; ++s) {
                const int pick = member.Picks[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
                const GameRecord& game = state_.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
                const Grade grade = GradeSelection(game, pick, spreads);
                if (grade == Grade::None || grade == Grade::Pending) continue;
                // How many times the game counts: once for a selection of a
                // team in the filter; in games involving a group, once for
                // each of the two teams in the group (a team alone is in a
                // game once).
                int times = 0;
                if (betting)
                    times = in[static_cast<std::size_t>(Clamp(pick))] ? 1 : 0;
                else if (team_ != 0)
                    times = game.HomeTeam == team_ || game.AwayTeam == team_ ? 1 : 0;
                else
                    times = (in[static_cast<std::size_t>(Clamp(game.HomeTeam))] ? 1 : 0) +
                            (in[static_cast<std::size_t>(Clamp(game.AwayTeam))] ? 1 : 0);
                if (times == 0) continue;
                const int c = member.Confidence[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
                if (grade == Grade::Win) {
                    row.Wins += times;
                    half += 2LL * c * times;
                } else if (grade == Grade::Loss) {
                    row.Losses += times;
                } else {
                    row.Ties += times;
                    half += static_cast<long long>(c) * times;
                }
            }
        }
        row.Points = static_cast<float>(static_cast<double>(half) / 2.0);
        row.Pct = WinningPct(row.Wins, row.Losses, row.Ties);
    }

    // Highest first by the pool's sort option; equal rows keep member order.
    const PoolSortKind sort = ParsePoolSort(state_.PoolSort);
    std::stable_sort(rows_.begin(), rows_.end(), [sort](const AnalystRow& a, const AnalystRow& b) {
        switch (sort) {
            case PoolSortKind::Wins: return a.Wins > b.Wins;
            case PoolSortKind::WinPct: return a.Pct > b.Pct;
            case PoolSortKind::Confidence: break;
        }
        return a.Points > b.Points;
    });
}

std::string PoolAnalyst::Line(const AnalystRow& row) const {
    std::string line = NameField(state_.Members[static_cast<std::size_t>(row.MemberIndex)]);
    line += ' ';
    AppendNumber(line, 3, row.Wins);
    AppendNumber(line, 5, row.Losses);
    AppendNumber(line, 4, row.Ties);
    AppendFixed1(line, 7, row.Pct);
    if (ParsePoolSort(state_.PoolSort) == PoolSortKind::Confidence)
        AppendFixed1(line, 8, row.Points);
    else
        AppendPad(line, 8, "N/A ");
    return line;
}

std::vector<std::string> PoolAnalyst::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const AnalystRow& row : rows_) lines.push_back(Line(row));
    return lines;
}

std::string PoolAnalyst::CategoryLine() const {
    std::string category = "Category: " + std::string(ModeCaption(mode_)) + " ";
    if (team_ != 0)
        category += state_.Teams.City(team_) + " " + state_.Teams.Name(team_);
    else
        category += GroupCaption(group_, state_.League());
    return CenterTitle66(category);
}

std::string PoolAnalyst::ReportTitle() const { return std::string(kTitle); }

ReportWriters PoolAnalyst::Writers() const { return {true, true, true, true}; }

TextFileOutput PoolAnalyst::TextFile() const {
    TextFileOutput out;
    out.FileName = "Poolpros.txt";
    out.ConfirmTitle = std::string(kTitle);
    out.ConfirmText = "A text file named Poolpros.txt has been created.";
    out.Lines = {"", CenterTitle66("The Pool Analyst for Week: " + weekLabel_), "", CategoryLine(), "",
                 std::string(kHeading), ""};
    for (auto& line : Lines()) out.Lines.push_back(std::move(line));
    return out;
}

ClipboardOutput PoolAnalyst::Clipboard() const {
    std::vector<std::string> lines{CenterTitle66("The Pool Analyst for Week " + weekLabel_), "", CategoryLine(), "",
                                   std::string(kHeading), ""};
    for (auto& line : Lines()) lines.push_back(std::move(line));
    return {ClipboardText(lines),
            OutputMessage::Confirm(std::string(kTitle), "The Pool Analyst for Week " + N(state_.CurrentWeek) +
                                                            " is on the Clipboard")};
}

WebPageOutput PoolAnalyst::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::PoolAnalyst;
    const std::string accent(AccentColor(state_, page.Page));
    page.BeforeBlock = {
        WebLine::Markup("<H3><CENTER><FONT COLOR=" + accent + ">The Pool Analyst For Week " + EscapeHtml(weekLabel_) +
                        " </FONT></CENTER></H3><P></P>"),
        WebLine::Markup("<CENTER><FONT SIZE=4><STRONG>" + EscapeHtml(CategoryLine()) +
                        "</STRONG></FONT></CENTER><P></P>")};
    page.Lines = {WebLine::Plain(""), WebLine::Plain(""), WebLine::Head(std::string(kHeading)), WebLine::Plain("")};
    for (auto& line : Lines()) page.Lines.push_back(WebLine::Plain(std::move(line)));
    page.ConfirmText = WebConfirmation("A Web Page named poolpros.htm has been created.");
    return page;
}

void PoolAnalyst::PrintCopy(PageSurface& s, int) const {
    s.CurrentX = 0;
    s.CurrentY = 200;
    s.Font = PageFont{"Sans Serif", 18, false, false, true, 600};
    PrintCentered(s, "The Pool Analyst: Week " + weekLabel_);
    s.PrintLine();
    s.Font.Size = 15;
    s.Font.Underline = false;
    PrintCentered(s, Trimmed(CategoryLine()));
    s.PrintLine();

    // The list, underlined like its heading; a new sheet repeats the heading.
    const PageFont body{"Courier New", 12, false, false, true, 500};
    s.Font = body;
    const std::array<std::string, 2> repeated{std::string(kHeading), ""};
    s.PrintLine();
    for (const std::string& line : repeated) s.PrintLine(line);
    const double bottom = PageBottom(s);
    for (const std::string& line : Lines()) {
        BreakPageIfNeeded(s, bottom, body, body, repeated);
        s.PrintLine(line);
    }
}

}  // namespace gm
