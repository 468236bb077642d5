#include "PickSheet.h"

#include <algorithm>
#include <cctype>

#include "core/data/Settings.h"
#include "core/data/TextCodec.h"
#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"
#include "core/sheets/TopTen.h"

namespace gm {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Character positions of a UTF-8 string, so that the comment is split by
// characters, never inside one.
std::vector<std::size_t> CharStarts(std::string_view s) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) starts.push_back(i);
    return starts;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find(kCrLf); at != std::string::npos; at = text.find(kCrLf, from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + kCrLf.size();
    }
    lines.push_back(text.substr(from));
    return lines;
}

}  // namespace

SheetChoices SheetChoices::From(const AppState& state) {
    SheetChoices c;
    c.Week = std::clamp(state.CurrentWeek, 1, state.League().Weeks);
    c.FavUnd = state.GroupBy == "FavUnd";
    c.CityNames = state.Team == "City";
    c.Comment = state.Comment;
    return c;
}

std::optional<int> ParseSheetWeek(std::string_view text, int lastWeek) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text.size() > 2) return std::nullopt;
    int week = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        week = week * 10 + (c - '0');
    }
    if (week < 1 || week > lastWeek) return std::nullopt;
    return week;
}

std::string BadWeekText(int lastWeek) {
    if (lastWeek == kWeeks) return std::string(kBadWeekText);
    return "Please type a week from 1 to " + N(lastWeek) + ".";
}

CommentLines SplitComment(std::string_view comment, std::size_t limit, std::size_t back) {
    const std::vector<std::size_t> starts = CharStarts(comment);
    const std::size_t length = starts.size();
    if (length <= limit) return {std::string(comment), ""};
    const auto byteAt = [&](std::size_t chars) { return chars < length ? starts[chars] : comment.size(); };
    // Positions count from 1, as the organiser counts characters.
    std::size_t pos = length / 2 > back ? length / 2 - back : 1;
    std::size_t cut = limit;  // no blank before the limit: cut there
    for (; pos <= limit; ++pos) {
        if (comment[starts[pos - 1]] == ' ') {
            cut = pos;
            break;
        }
    }
    return {std::string(comment.substr(0, byteAt(cut))), std::string(comment.substr(byteAt(cut)))};
}

float SheetSpread(const GameRecord& game, int* favourite, int* underdog) {
    const bool homeFavourite = game.AwaySpread > game.HomeSpread;
    if (favourite) *favourite = homeFavourite ? game.HomeTeam : game.AwayTeam;
    if (underdog) *underdog = homeFavourite ? game.AwayTeam : game.HomeTeam;
    return homeFavourite ? game.AwaySpread : game.HomeSpread;
}

std::string WholePart(std::string_view spread) {
    return std::string(spread.substr(0, spread.find('.')));
}

std::string RecordText(const TeamRecord& r, int blanks) {
    return std::string(static_cast<std::size_t>(blanks), ' ') + "(" + N(r.Wins) + "-" + N(r.Losses) + "-" +
           N(r.Ties) + ")";
}

std::string_view SheetTitle(SheetStyle style) {
    switch (style) {
        case SheetStyle::Standard: return "Standard   Piksheet";
        case SheetStyle::Compact: return "Compact   Piksheet";
        case SheetStyle::Tearoff: return "Tear-Off   Piksheet";
        case SheetStyle::TopTen: return "The Top Ten Picksheet";
        case SheetStyle::NoExcuse: return " The No Excuse Picksheet ";
    }
    return "";
}

Display SheetDisplay(SheetStyle style) {
    switch (style) {
        case SheetStyle::Standard: return Display::StandardSheet;
        case SheetStyle::Compact: return Display::CompactSheet;
        case SheetStyle::Tearoff: return Display::TearoffSheet;
        case SheetStyle::TopTen: return Display::TopTenSheet;
        case SheetStyle::NoExcuse: return Display::NoExcuseSheet;
    }
    return Display::StandardSheet;
}

bool SheetHasText(SheetStyle style) {
    return style == SheetStyle::Standard || style == SheetStyle::Tearoff || style == SheetStyle::TopTen;
}

std::optional<std::string> SheetCopiesRefusal(int memberCount, int count, bool onePerPlayer,
                                              std::string_view noCopiesText) {
    if (CopiesMissing(count, onePerPlayer)) return std::string(noCopiesText);
    if (onePerPlayer && memberCount <= 0) return std::string(kNoMembersSheetText);
    return std::nullopt;
}

PickSheet::PickSheet(const AppState& state, SheetStyle style, SheetChoices choices)
    : state_(state), style_(style), choices_(std::move(choices)) {}

TeamTable PickSheet::Records() const {
    TeamTable table = NewTeamTable(state_.League());
    BuildRegRecord(table, state_.Games, SetWeekRange(choices_.Week, false));
    return table;
}

std::vector<SheetGame> PickSheet::Games() const {
    std::vector<SheetGame> rows;
    const auto& teams = state_.Teams;
    const League& league = state_.League();
    const int week = std::clamp(choices_.Week, 1, league.Weeks) - 1;
    const WeekGames& weekGames = state_.Games[static_cast<std::size_t>(week)];
    const int tiebreak = league.TiebreakSlot(weekGames);
    for (int slot = 0; slot < league.Slots; ++slot) {
        const GameRecord& g = weekGames[static_cast<std::size_t>(slot)];
        if (!g.HasGame()) continue;
        SheetGame row;
        row.Slot = slot;
        row.Tiebreak = slot == tiebreak;
        if (league.KickoffTimes) row.Kickoff = KickoffLabel(g);
        if (choices_.FavUnd) {
            row.Spread = Format1(SheetSpread(g, &row.First, &row.Second));
        } else {
            row.First = g.AwayTeam;
            row.Second = g.HomeTeam;
        }
        const auto name = [&](int team) {
            std::string n = choices_.CityNames ? teams.City(team) : teams.Name(team);
            return choices_.FavUnd && team == g.HomeTeam ? Upper(n) : n;
        };
        const auto abbr = [&](int team) {
            std::string a = choices_.CityNames ? teams.CityAbbr(team) : teams.NameAbbr(team);
            return choices_.FavUnd && team == g.HomeTeam ? Upper(a) : a;
        };
        row.FirstName = name(row.First);
        row.SecondName = name(row.Second);
        row.FirstAbbr = abbr(row.First);
        row.SecondAbbr = abbr(row.Second);
        rows.push_back(std::move(row));
    }
    return rows;
}

CommentLines PickSheet::Comment() const {
    const bool half = style_ == SheetStyle::Compact || style_ == SheetStyle::NoExcuse;
    return SplitComment(choices_.Comment, half ? 60 : 65, half ? 3 : 0);
}

std::string PickSheet::HeaderFor(int sheet) const {
    const bool half = style_ == SheetStyle::Compact || style_ == SheetStyle::NoExcuse;
    // Names only where there is a member for the sheet.
    if (choices_.NamesOnSheet && sheet >= 0 && sheet < state_.MemberCount &&
        sheet < static_cast<int>(state_.Members.size()))
        return "Player Sheet For " + NameField(state_.Members[static_cast<std::size_t>(sheet)]);
    return "Player Sheet For " + std::string(half ? 22 : 17, '_');
}

std::string PickSheet::FileName() const { return "Pksht" + N(choices_.Week) + ".txt"; }

bool PickSheet::MondayTiebreak() const { return UsesSecondaryMonday(state_.SecondaryTB); }

bool PickSheet::TodaysLeague() const { return state_.League().Kind != LeagueKind::Nfl1997; }

std::string PickSheet::TiebreakPrompt() const {
    const bool margin = state_.MondayPts == "WinningMargin";
    if (TodaysLeague()) return margin ? "Tiebreak Winning Margin: _______" : "Tiebreak Total Points: _______";
    return margin ? "Mon. Winning Margin: _______" : "Mon. Total Points: _______";
}

std::string PickSheet::TiebreakHeading() const {
    if (!TodaysLeague()) return "Monday Nite Game";
    for (const SheetGame& g : Games())
        if (g.Tiebreak && !g.Kickoff.empty()) return "Tiebreak Game: " + g.Kickoff;
    return "Tiebreak Game";
}

// Today's games carry their kick-off after the second team, where the 1997
// line ends.
std::string PickSheet::KickoffColumn(const SheetGame& g) const {
    if (g.Kickoff.empty()) return "";
    return std::string(Utf8Length(g.SecondName) < 16 ? 16 - Utf8Length(g.SecondName) : 1, ' ') + g.Kickoff;
}

ReportWriters PickSheet::Writers() const {
    const bool text = SheetHasText(style_);
    return {text, text, true, false};
}

std::string PickSheet::StandardText() const {
    std::string s;
    s += std::string(kCrLf) + " Player Name ___________________________" + std::string(kCrLf) + std::string(kCrLf);
    s += "                      NFL  Schedule" + std::string(kCrLf);
    s += "                           Week  " + N(choices_.Week) + std::string(kCrLf) + std::string(kCrLf);
    s += choices_.FavUnd ? "  Pks.     Favorite         Pts     Underdog" : "  Pks.      Away Team           Home Team";
    s += std::string(kCrLf) + std::string(48, '_') + std::string(kCrLf);
    const std::string heading = TiebreakHeading();
    for (const SheetGame& g : Games()) {
        if (g.Tiebreak)
            s += std::string(kCrLf) + std::string(choices_.FavUnd ? 20 : 17, ' ') + heading + std::string(kCrLf) +
                 std::string(kCrLf);
        if (choices_.FavUnd)
            s += " ________  " + PadRight(g.FirstName, 16) + Pad(4, g.Spread) + "     " + g.SecondName;
        else
            s += " _________  " + PadRight(g.FirstName, 16) + "    " + g.SecondName;
        s += KickoffColumn(g) + std::string(kCrLf);
    }
    if (MondayTiebreak()) {
        s += std::string(kCrLf) + std::string(kCrLf) + std::string(15, ' ') + TiebreakPrompt();
        if (state_.MondayPts != "WinningMargin") s += kCrLf;
    }
    if (choices_.FavUnd) s += std::string(kCrLf) + "               Home teams are in CAPS" + std::string(kCrLf);
    const CommentLines c = Comment();
    s += std::string(kCrLf) + c.Line1;
    if (!c.Line2.empty()) s += std::string(kCrLf) + c.Line2;
    return s;
}

std::string PickSheet::TearoffText() const {
    const std::string crlf(kCrLf);
    std::string s;
    s += crlf + "      Player Name ___________________________" + crlf + crlf;
    s += "                  NFL  Schedule" + crlf;
    s += "                       Week  " + N(choices_.Week) + crlf + crlf;
    s += choices_.FavUnd ? "Pks    Favorite         Pts     Underdog" : "Pks    Away Team           Home Team";
    s += crlf + "      _____________________________________   " + crlf;
    const std::vector<SheetGame> games = Games();
    const std::string heading = TiebreakHeading();
    for (const SheetGame& g : games) {
        if (g.Tiebreak) s += crlf + "                " + heading + crlf + crlf;
        if (choices_.FavUnd)
            s += "_____  " + PadRight(g.FirstName, 16) + Pad(4, g.Spread) + "     " + g.SecondName;
        else
            s += "_____  " + PadRight(g.FirstName, 16) + "    " + g.SecondName;
        s += KickoffColumn(g) + crlf;
    }
    if (MondayTiebreak()) s += crlf + std::string(11, ' ') + TiebreakPrompt() + crlf;
    if (choices_.FavUnd) s += crlf + "           Home teams are in CAPS" + crlf;
    s += std::string(48, '-') + crlf;
    const CommentLines c = Comment();
    s += c.Line1;
    if (!c.Line2.empty()) s += crlf + c.Line2;
    s += crlf + crlf;
    // The strip: three games a row.
    std::string previousLast;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const SheetGame& g = games[i];
        if (i > 0) {
            if (i % 3 == 0)
                s += crlf + crlf;
            else
                s += std::string(3 + (Utf8Length(previousLast) < 5 ? 5 - Utf8Length(previousLast) : 0), ' ');
        }
        if (choices_.FavUnd)
            s += Pad(3, g.FirstAbbr) + " " + Pad(4, g.Spread) + " " + g.SecondAbbr;
        else
            s += Pad(3, g.FirstAbbr) + " vs. " + g.SecondAbbr;
        previousLast = g.SecondAbbr;
    }
    s += crlf + crlf + TiebreakPrompt();
    if (choices_.FavUnd) s += "  Home teams are in CAPS";
    return s;
}

std::string PickSheet::TopTenText() const {
    std::string s = StandardText() + std::string(kCrLf) + std::string(kCrLf);
    const std::vector<std::string> lines = BuildTopTen(state_, choices_.Week).TextLines();
    for (std::size_t i = 0; i < lines.size(); ++i) s += (i ? std::string(kCrLf) : std::string()) + lines[i];
    return s;
}

std::string PickSheet::SheetText() const {
    switch (style_) {
        case SheetStyle::Tearoff: return TearoffText();
        case SheetStyle::TopTen: return TopTenText();
        default: return StandardText();
    }
}

TextFileOutput PickSheet::TextFile() const {
    TextFileOutput out;
    out.FileName = FileName();
    out.Lines = SplitCrLf(SheetText());
    out.ConfirmTitle = style_ == SheetStyle::Tearoff ? "Tear-Off Sheet Text File" : "Selection Sheet Text File";
    return out;
}

ClipboardOutput PickSheet::Clipboard() const {
    return {SheetText(), OutputMessage::Confirm("Clipboard", "Week " + N(choices_.Week) +
                                                                 " Picksheet has been sent to the Clipboard")};
}

std::string PickSheet::PrintJobName() const { return "Week " + N(choices_.Week) + " Picksheets"; }

}  // namespace gm
