#include "PlayerMatrix.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/data/PoolOptions.h"
#include "core/output/PrintJob.h"
#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

constexpr int kSeparatorWidth = 83;


}  // namespace

int UnderdogOf(const GameRecord& g) { return g.HomeSpread > g.AwaySpread ? g.HomeTeam : g.AwayTeam; }
int FavoriteOf(const GameRecord& g) { return g.HomeSpread > g.AwaySpread ? g.AwayTeam : g.HomeTeam; }

std::string PlainNumber(double value) {
    if (value == std::floor(value)) return N(static_cast<long long>(value));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    return s;
}

std::string SpreadPointsText(const GameRecord& g, bool halfSign) {
    const float p = g.AwaySpread < g.HomeSpread ? g.HomeSpread : g.AwaySpread;
    if (!halfSign) return PlainNumber(p);
    if (p != std::floor(p)) return N(static_cast<long long>(std::floor(p))) + "\u00BD";
    if (p == 0) return g.HasGame() ? "Pk" : " ";
    return N(static_cast<long long>(p));
}

PlayerMatrix::PlayerMatrix(AppState& state) : state_(state) {
    week_ = std::clamp(state_.CurrentWeek, 1, state_.League().Weeks);
    weekLabel_ = N(week_);
}

bool PlayerMatrix::Spin(int step) {
    const int week = week_ + step;
    if (week < 1 || week > state_.League().Weeks) return false;
    week_ = week;
    weekLabel_ = gm::WeekLabel(week, true);
    state_.CurrentWeek = week;
    return true;
}

void PlayerMatrix::FollowCurrentWeek() {
    week_ = std::clamp(state_.CurrentWeek, 1, state_.League().Weeks);
    weekLabel_ = N(week_);
}

bool PlayerMatrix::Played(int member) const {
    return MadeSelection(state_.Members[static_cast<std::size_t>(member)], week_ - 1, state_.League());
}

int PlayerMatrix::PlayedCount() const {
    return CountPlayed({state_.Members.data(), static_cast<std::size_t>(state_.MemberCount)}, week_ - 1,
                       state_.League());
}

std::string PlayerMatrix::PoolSizeText() const { return N(state_.MemberCount); }

std::vector<int> PlayerMatrix::Listed() const {
    std::vector<int> out;
    for (int i = 0; i < state_.MemberCount; ++i)
        if (showAll_ || Played(i)) out.push_back(i);
    return out;
}

std::vector<std::string> PlayerMatrix::HeadingRows() const {
    const auto& games = state_.Games[static_cast<std::size_t>(week_ - 1)];
    const auto abbr = [&](int team) { return state_.Teams.CityAbbr(team); };
    if (UsesPointSpreads(state_.PointSpreads)) {
        std::string underdog = "  UNDERDOG        ", favorite = "  FAVORITE        ", points = "      PTS.        ";
        for (int g = 0; g < state_.League().Slots; ++g) {
            const GameRecord& game = games[g];
            const auto shown = [&](int team) {
                return team == game.HomeTeam ? Upper(abbr(team)) : abbr(team);
            };
            underdog += Pad(4, shown(UnderdogOf(game)));
            favorite += Pad(4, shown(FavoriteOf(game)));
            points += Pad(4, SpreadPointsText(game, true));
        }
        return {favorite, points, underdog + "  TB"};
    }
    std::string home = "      HOME        ", away = "      AWAY        ";
    for (int g = 0; g < state_.League().Slots; ++g) {
        home += Pad(4, abbr(games[g].HomeTeam));
        away += Pad(4, abbr(games[g].AwayTeam));
    }
    return {away, "  ", home + "  TB"};
}

std::vector<std::string> PlayerMatrix::ScreenLabels() const {
    const auto rows = HeadingRows();
    if (UsesPointSpreads(state_.PointSpreads)) return {rows[2], rows[0], rows[1]};
    return {Upper(rows[2]), rows[0]};
}

std::string PlayerMatrix::SelectionsRow(int member) const {
    const MemberRecord& m = state_.Members[static_cast<std::size_t>(member)];
    const auto w = static_cast<std::size_t>(week_ - 1);
    std::string row = NameField(m);
    for (int g = 0; g < state_.League().Slots; ++g) row += Pad(4, state_.Teams.CityAbbr(m.Picks[w][g]));
    return row + Pad(4, N(m.Tiebreak[w]));
}

std::string PlayerMatrix::ConfidenceRow(int member) const {
    const MemberRecord& m = state_.Members[static_cast<std::size_t>(member)];
    const auto w = static_cast<std::size_t>(week_ - 1);
    std::string row(kNameLength, ' ');
    for (int g = 0; g < state_.League().Slots; ++g) row += m.Confidence[w][g] ? Pad(4, N(m.Confidence[w][g])) : "    ";
    return row;
}

// The rule under each member: four columns more for every game past the 1997 fifteen.
std::string PlayerMatrix::Separator() const {
    return std::string(static_cast<std::size_t>(kSeparatorWidth + 4 * (state_.League().Slots - kSlots)), '-');
}

std::vector<std::string> PlayerMatrix::ListLines() const {
    const std::string separator = Separator();
    std::vector<std::string> lines;
    for (int m : Listed()) {
        if (confidence_) lines.push_back(ConfidenceRow(m));
        lines.push_back(SelectionsRow(m));
        lines.push_back(separator);
    }
    return lines;
}

int PlayerMatrix::MemberAtLine(int line) const {
    const int block = confidence_ ? 3 : 2;
    const int selections = confidence_ ? 1 : 0;
    const auto listed = Listed();
    if (line < 0 || line / block >= static_cast<int>(listed.size()) || line % block != selections) return -1;
    return listed[static_cast<std::size_t>(line / block)];
}

std::string PlayerMatrix::Title() const {
    return "                        Player Selections For Week " + N(week_);
}

std::vector<std::string> PlayerMatrix::OutputBlocks() const {
    const std::string separator = Separator();
    std::vector<std::string> lines;
    for (int m : Listed()) {
        lines.push_back(separator);
        if (confidence_) lines.push_back(ConfidenceRow(m));
        lines.push_back(SelectionsRow(m));
    }
    return lines;
}

TextFileOutput PlayerMatrix::TextFile() const {
    TextFileOutput out;
    out.FileName = "Picks" + weekLabel_ + ".txt";
    out.ConfirmTitle = "Player Selections Text File";
    out.Lines = {Title(), ""};
    for (auto& row : HeadingRows()) out.Lines.push_back(std::move(row));
    for (auto& line : OutputBlocks()) out.Lines.push_back(std::move(line));
    return out;
}

ClipboardOutput PlayerMatrix::Clipboard() const {
    std::vector<std::string> lines{Title()};
    for (auto& row : HeadingRows()) lines.push_back(std::move(row));
    for (int m : Listed()) {
        if (confidence_) lines.push_back(ConfidenceRow(m));
        lines.push_back(SelectionsRow(m));
        if (confidence_) lines.push_back("");
    }
    return {ClipboardText(lines), OutputMessage::Confirm("Player Selections", "Player Selections are now on the Clipboard")};
}

WebPageOutput PlayerMatrix::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::PlayerMatrix;
    page.FileName = "picks.htm";
    page.Lines.push_back(WebLine::Head(Title()));
    page.Lines.push_back(WebLine::Plain(""));
    for (auto& row : HeadingRows()) page.Lines.push_back(WebLine::Plain(std::move(row)));
    for (auto& line : OutputBlocks()) page.Lines.push_back(WebLine::Plain(std::move(line)));
    return page;
}

std::string PlayerMatrix::ReportTitle() const { return "Player Selections"; }

ReportWriters PlayerMatrix::Writers() const { return {true, true, true, true}; }

void PlayerMatrix::PrintCopy(PageSurface& s, int) const {
    s.Font = PageFont{"Sans Serif", 15, false, false, true, 400};
    PrintCentered(s, "Player Selections:  Week " + N(week_));
    const PageFont body{"Courier New", 8, false, false, false, 400};
    const PageFont repeated{"Courier New", 8, false, false, false, 500};
    s.Font = body;
    const auto headings = HeadingRows();
    for (const auto& row : headings) s.PrintLine(row);
    const double bottom = PageBottom(s);
    for (const auto& line : OutputBlocks()) {
        if (confidence_)
            BreakPageIfNeeded(s, bottom, body, repeated, headings);
        else
            BreakPageIfNeeded(s, bottom, body, [](PageSurface& page) { page.PrintLine("Page"); });
        s.PrintLine(line);
    }
}

}  // namespace gm
