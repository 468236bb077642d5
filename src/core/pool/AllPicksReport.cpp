#include "AllPicksReport.h"

#include <algorithm>
#include <cmath>

#include "core/data/PoolOptions.h"
#include "core/data/Settings.h"
#include "core/output/PrintJob.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

// Blanks before a figure: 6 less the digits of its whole part.
std::string Lead(double value, const std::string& text) {
    const std::string whole = N(static_cast<long long>(std::floor(std::fabs(value))));
    return std::string(whole.size() < 6 ? 6 - whole.size() : 0, ' ') + text;
}

}  // namespace

AllPicksReport::AllPicksReport(AppState& state) : state_(state) {
    week_ = std::clamp(state_.CurrentWeek, 1, state_.League().Weeks);
    weekLabel_ = N(week_);
    UseTeamNames = state_.Team == "Name";
    EntirePool = ReadSetting(state_.Settings, keys::PrintCopies) == "Entire";
    ByStanding = ReadSetting(state_.Settings, keys::APSort) == "Standings";
}

bool AllPicksReport::Spin(int step) {
    const int week = week_ + step;
    if (week < 1 || week > state_.League().Weeks) return false;
    week_ = week;
    weekLabel_ = gm::WeekLabel(week, true);
    state_.CurrentWeek = week;
    return true;
}

bool AllPicksReport::Played(int member) const {
    return MadeSelection(state_.Members[static_cast<std::size_t>(member)], week_ - 1, state_.League());
}

int AllPicksReport::PlayedCount() const {
    return CountPlayed({state_.Members.data(), static_cast<std::size_t>(state_.MemberCount)}, week_ - 1,
                       state_.League());
}

std::string AllPicksReport::PoolSizeText() const { return N(state_.MemberCount); }

std::string AllPicksReport::StandingSortCaption() const {
    switch (ParsePoolSort(state_.PoolSort)) {
        case PoolSortKind::WinPct: return "Winning Percentage";
        case PoolSortKind::Wins: return "Total Wins";
        case PoolSortKind::Confidence: break;
    }
    return "Confidence Points";
}

const std::string& AllPicksReport::Abbr(int team) const {
    return UseTeamNames ? state_.Teams.NameAbbr(team) : state_.Teams.CityAbbr(team);
}

std::string AllPicksReport::HomeCapital(const GameRecord& game, int team) const {
    return team == game.HomeTeam ? Upper(Abbr(team)) : Abbr(team);
}

std::vector<AllPicksReport::Row> AllPicksReport::OrderedRows() const {
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    auto rows = NewRows(state_.MemberCount);
    const std::span<const MemberRecord> members(state_.Members.data(), static_cast<std::size_t>(state_.MemberCount));
    TallyRange(rows, state_.Games, members, GradingRules::From(state_), 0, week_ - 1);
    const PoolSortKind sort = ParsePoolSort(state_.PoolSort);
    if (sort == PoolSortKind::WinPct) ComputePercentages(rows);
    if (ByStanding)
        SortRows(rows, sort == PoolSortKind::WinPct ? SortKey::RangePct
                       : sort == PoolSortKind::Wins ? SortKey::RangeWins
                                                    : SortKey::RangePoints);
    std::vector<Row> out;
    for (const StandingsRow& r : rows)
        if (EntirePool || Played(r.MemberIndex)) out.push_back({r.MemberIndex, r});
    return out;
}

std::string AllPicksReport::Figure(const StandingsRow& r) const {
    switch (ParsePoolSort(state_.PoolSort)) {
        case PoolSortKind::WinPct: return Lead(r.RangePct, Format1(r.RangePct));
        case PoolSortKind::Wins: return Lead(r.RangeWins, N(r.RangeWins));
        case PoolSortKind::Confidence: break;
    }
    return Lead(r.RangePoints, PlainNumber(r.RangePoints));
}

std::string AllPicksReport::FigureHeading() const {
    switch (ParsePoolSort(state_.PoolSort)) {
        case PoolSortKind::WinPct: return "  WinPct";
        case PoolSortKind::Wins: return "   Wins";
        case PoolSortKind::Confidence: break;
    }
    return "  Con.Pts";
}

std::vector<std::string> AllPicksReport::Lines() const {
    const auto& games = state_.Games[static_cast<std::size_t>(week_ - 1)];
    const auto w = static_cast<std::size_t>(week_ - 1);
    const int slots = state_.League().Slots;
    std::vector<std::string> lines{
        "                                Player Selections   Week " + weekLabel_, ""};
    std::string top, middle(19, ' '), last;
    if (UsesPointSpreads(state_.PointSpreads)) {
        top = "     Favorite      ";
        last = "     Underdog      ";
        for (int g = 0; g < slots; ++g) {
            const GameRecord& game = games[g];
            top += PadRight(HomeCapital(game, FavoriteOf(game)), 3) + "  ";
            middle += PadRight(game.HasGame() ? SpreadPointsText(game, false) : "  ", 4) + " ";
            last += PadRight(HomeCapital(game, UnderdogOf(game)), 3) + "  ";
        }
    } else {
        top = "     Away Team     ";
        last = "     Home Team     ";
        for (int g = 0; g < slots; ++g) {
            top += PadRight(Abbr(games[g].AwayTeam), 3) + "  ";
            middle += std::string(games[g].HasGame() ? " @ " : "   ") + "  ";
            last += PadRight(Abbr(games[g].HomeTeam), 3) + "  ";
        }
    }
    lines.push_back(top);
    lines.push_back(middle);
    lines.push_back(last + " TB" + FigureHeading());
    lines.push_back("");
    lines.push_back("");

    const bool monday = UsesSecondaryMonday(state_.SecondaryTB);
    const bool confidence = ParsePoolSort(state_.PoolSort) == PoolSortKind::Confidence;
    for (const Row& row : OrderedRows()) {
        const MemberRecord& m = state_.Members[static_cast<std::size_t>(row.Member)];
        std::string line = NameField(m) + " ";
        for (int g = 0; g < slots; ++g) line += PadRight(Abbr(m.Picks[w][g]), 3) + "  ";
        line += monday ? Pad(3, N(m.Tiebreak[w])) : " N/A";
        lines.push_back(line + Figure(row.Result));
        if (confidence) {
            std::string points(19, ' ');
            for (int g = 0; g < slots; ++g)
                points += PadRight(m.Picks[w][g] ? N(m.Confidence[w][g]) : "  ", 3) + "  ";
            lines.push_back(points);
        }
        lines.push_back("");
    }
    return lines;
}

TextFileOutput AllPicksReport::TextFile() const {
    TextFileOutput out;
    out.FileName = "Pks" + weekLabel_ + ".txt";
    out.ConfirmTitle = "Selection Sheet Text File";
    out.Lines = Lines();
    return out;
}

WebPageOutput AllPicksReport::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::AllPicks;
    page.FileName = "picks.htm";
    page.Lines = PlainLines(Lines());
    return page;
}

std::string AllPicksReport::ReportTitle() const { return std::string(kAllPicksTitle); }

ReportWriters AllPicksReport::Writers() const { return {true, false, true, true}; }

void AllPicksReport::PrintCopy(PageSurface& s, int) const {
    const auto& games = state_.Games[static_cast<std::size_t>(week_ - 1)];
    const auto w = static_cast<std::size_t>(week_ - 1);
    const double u = s.ScaleWidth() / 24;
    const bool spreads = UsesPointSpreads(state_.PointSpreads);
    const bool monday = UsesSecondaryMonday(state_.SecondaryTB);
    const PoolSortKind sort = ParsePoolSort(state_.PoolSort);
    // One column a game, then the tiebreak and the standing figure.
    const int slots = state_.League().Slots;
    const double tbColumn = (4 + slots) * u;
    const double figureColumn = (5 + slots) * u;

    s.Font = PageFont{"Sans Serif", 15, false, false, true, 400};
    PrintCentered(s, "Player Selections:  Week " + N(week_));
    const PageFont body{"Sans Serif", 8, false, false, false, 400};
    s.Font = body;

    const auto headingRows = [&](PageSurface& p) {
        const auto row = [&](const char* label, auto item, bool last) {
            p.CurrentX = u;
            p.PrintText(label);
            for (int g = 0; g < slots; ++g) {
                p.CurrentX = u * (4 + g);
                p.PrintText(item(games[g]));
            }
            if (last) {
                p.CurrentX = tbColumn;
                p.PrintText("TB");
                p.CurrentX = figureColumn;
                p.PrintText(sort == PoolSortKind::WinPct ? "WinPct" : sort == PoolSortKind::Wins ? "Wins" : "Con. Pts");
            }
            p.PrintLine();
        };
        if (spreads) {
            row("Favorite", [&](const GameRecord& g) { return HomeCapital(g, FavoriteOf(g)); }, false);
            row("", [&](const GameRecord& g) { return g.HasGame() ? SpreadPointsText(g, false) : std::string(); },
                false);
            row("Underdog", [&](const GameRecord& g) { return HomeCapital(g, UnderdogOf(g)); }, true);
        } else {
            row("Away Team", [&](const GameRecord& g) { return Abbr(g.AwayTeam); }, false);
            row("", [&](const GameRecord& g) { return std::string(g.HasGame() ? "@" : ""); }, false);
            row("Home Team", [&](const GameRecord& g) { return Abbr(g.HomeTeam); }, true);
        }
        p.PrintLine();
    };
    headingRows(s);

    const double bottom = s.ScaleHeight() - 1440;
    for (const Row& row : OrderedRows()) {
        BreakPageIfNeeded(s, bottom, body, headingRows);
        const MemberRecord& m = state_.Members[static_cast<std::size_t>(row.Member)];
        s.CurrentX = u;
        s.PrintText(m.TrimmedName());
        for (int g = 0; g < slots; ++g) {
            s.CurrentX = u * (4 + g);
            s.PrintText(Abbr(m.Picks[w][g]));
        }
        s.CurrentX = tbColumn;
        s.PrintText(monday ? N(m.Tiebreak[w]) : "N/A");
        std::string figure = Figure(row.Result);
        figure.erase(0, figure.find_first_not_of(' '));
        s.CurrentX = 375 + figureColumn - s.TextWidth(figure);
        s.PrintText(figure);
        s.PrintLine();
        if (sort == PoolSortKind::Confidence) {
            for (int g = 0; g < slots; ++g) {
                if (!m.Picks[w][g]) continue;
                s.CurrentX = u * (4 + g);
                s.PrintText(N(m.Confidence[w][g]));
            }
            s.PrintLine();
        }
        s.CurrentY += 75;
        s.Line(0, s.CurrentY, s.ScaleWidth(), s.CurrentY);
        s.CurrentX = 0;
        s.CurrentY += 75;
    }
}

Status AllPicksReport::SaveChoices() {
    state_.Team = UseTeamNames ? "Name" : "City";
    Status s = WriteSetting(state_.Settings, keys::Team, state_.Team);
    if (!s) return s;
    s = WriteSetting(state_.Settings, keys::APSort, ByStanding ? "Standings" : "Names");
    if (!s) return s;
    return WriteSetting(state_.Settings, keys::PrintCopies, EntirePool ? "Entire" : "Active");
}

}  // namespace gm
