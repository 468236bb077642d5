#include "NflResults.h"

#include <algorithm>
#include <charconv>

#include "core/data/WeekLabel.h"
#include "core/output/TextColumns.h"

namespace gm {

namespace {

constexpr std::string_view kTitleIndent = "               ";

void PrintSpreadMark(PageSurface& s, float spread) {
    if (spread == 0) return;
    // A blank's width of air between the name and its mark.
    s.CurrentX += s.TextWidth(" ");
    s.Font.Size = 12;
    s.PrintText("+" + SpreadMark(spread));
    s.Font.Size = 20;
}

void PrintRightAligned(PageSurface& s, double right, const std::string& text) {
    s.CurrentX = right - s.TextWidth(text);
    s.PrintText(text);
}

// One printed game: the home team first when it scored more, each name
// followed by its spread, the scores between them.
void PrintGameLine(PageSurface& s, const GameRecord& g, const TeamTables& teams) {
    const bool homeFirst = g.HomeScore > g.AwayScore;
    const std::string home = Upper(teams.City(g.HomeTeam));
    const std::string away = teams.City(g.AwayTeam);
    const double width = s.ScaleWidth();

    s.CurrentX = width / 16;
    s.PrintText(homeFirst ? home : away);
    PrintSpreadMark(s, homeFirst ? g.HomeSpread : g.AwaySpread);
    PrintRightAligned(s, width / 2.2, N(g.WinScore));
    PrintRightAligned(s, width / 2.07, "-");
    PrintRightAligned(s, width / 1.85, N(g.LoseScore));
    s.CurrentX = width / 1.7;
    s.PrintText(homeFirst ? away : home);
    PrintSpreadMark(s, homeFirst ? g.AwaySpread : g.HomeSpread);
    s.PrintLine();
}

}  // namespace

std::string SpreadMark(float points) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, points).ptr;
    return std::string(buf, end);
}

ResultRow WeekResultRow(const GameRecord& g, const TeamTables& teams) {
    ResultRow row;
    if (!g.HasGame()) return row;
    row.Shown = true;
    const std::string home = Upper(teams.City(g.HomeTeam));
    const std::string away = teams.City(g.AwayTeam);
    if (g.HomeScore > g.AwayScore) {
        row.WinText = home;
        row.LoseText = away;
        if (g.HomeSpread < g.AwaySpread) row.LoseText += " +" + SpreadMark(g.AwaySpread);
        if (g.AwaySpread < g.HomeSpread) row.WinText = "+" + SpreadMark(g.HomeSpread) + " " + row.WinText;
    } else {
        // An away win, a tie or a game not yet played: the away team first.
        row.WinText = away;
        row.LoseText = home;
        if (g.HomeSpread > g.AwaySpread) row.LoseText += " +" + SpreadMark(g.HomeSpread);
        if (g.AwaySpread > g.HomeSpread) row.WinText = "+" + SpreadMark(g.AwaySpread) + " " + row.WinText;
    }
    row.WinScoreText = N(g.WinScore);
    row.LoseScoreText = N(g.LoseScore);
    return row;
}

NflResults::NflResults(AppState& state) : state_(state) {
    week_ = std::clamp(state_.CurrentWeek, 1, state_.League().Weeks);
    weekLabel_ = WeekLabel(week_, false);
    ShowWeekResults();
}

bool NflResults::Spin(int step) {
    const int week = week_ + step;
    if (week < 1 || week > state_.League().Weeks) return false;
    week_ = week;
    weekLabel_ = WeekLabel(week, true);
    state_.CurrentWeek = week;
    ShowWeekResults();
    return true;
}

void NflResults::ShowWeekResults() {
    const auto& games = state_.Games[static_cast<std::size_t>(week_ - 1)];
    const auto slots = static_cast<std::size_t>(state_.League().Slots);
    for (std::size_t slot = 0; slot < rows_.size(); ++slot)
        rows_[slot] = slot < slots ? WeekResultRow(games[slot], state_.Teams) : ResultRow{};
    tiebreak_ = state_.League().TiebreakSlot(games);
}

std::vector<std::string> NflResults::ResultsLines() const {
    std::vector<std::string> lines{std::string(kTitleIndent) + "NFL  Results  Week " + N(week_), ""};
    for (std::size_t slot = 0; slot < rows_.size(); ++slot) {
        const ResultRow& r = rows_[slot];
        if (!r.Shown) continue;
        if (static_cast<int>(slot) == tiebreak_) {
            lines.emplace_back();
            lines.push_back(std::string(kTitleIndent) + "Monday Nite Game");
            lines.emplace_back();
        }
        lines.push_back(Pad(20, r.WinText) + Pad(3, r.WinScoreText) + Pad(4, r.LoseScoreText) + "  " + r.LoseText);
    }
    lines.emplace_back();
    lines.emplace_back("              Home teams are in CAPS");
    return lines;
}

std::string NflResults::ReportTitle() const { return " NFL  Results"; }

ReportWriters NflResults::Writers() const { return {true, true, true, true}; }

TextFileOutput NflResults::TextFile() const {
    TextFileOutput out;
    out.FileName = "NFLWk" + weekLabel_ + ".txt";
    out.Lines = ResultsLines();
    out.ConfirmTitle = "NFL Results Text File";
    return out;
}

ClipboardOutput NflResults::Clipboard() const {
    // The weekly results go on the clipboard without a word.
    return {ClipboardText(ResultsLines()), OutputMessage::Silent()};
}

WebPageOutput NflResults::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::NflResults;
    page.Lines = PlainLines(ResultsLines());
    return page;
}

std::string NflResults::PrintErrorTitle() const { return std::string(kPrintErrorTitleSheets); }

void NflResults::PrintCopy(PageSurface& s, int) const {
    s.CurrentX = 720;
    s.CurrentY = 720;
    s.Font = PageFont{"Arial", 17};
    s.PrintLine();
    s.Font = PageFont{"Arial", 24, false, false, true, 600};
    PrintCentered(s, "NFL Results:  Week " + weekLabel_);
    s.Font = PageFont{"Arial", 20};
    s.PrintLine();

    const auto& games = state_.Games[static_cast<std::size_t>(week_ - 1)];
    for (int slot = 0; slot < state_.League().Slots; ++slot) {
        const GameRecord& g = games[static_cast<std::size_t>(slot)];
        if (!g.HasGame()) continue;
        if (slot == tiebreak_) {
            s.PrintLine();
            s.Font.Weight = 600;
            s.Font.Underline = true;
            PrintCentered(s, "Monday Nite Game");
            s.Font.Weight = 400;
            s.Font.Underline = false;
            s.PrintLine();
        }
        PrintGameLine(s, g, state_.Teams);
    }
}

}  // namespace gm
