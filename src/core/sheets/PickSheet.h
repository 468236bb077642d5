#pragma once

// The pick sheets the organiser hands out before each week: the week's games
// with a blank beside each, the spread (favourite / underdog grouping) or
// away / home, each team's record so far, the Monday-night tiebreaker and the
// organiser's comment. Five styles share the data and differ in layout.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/Report.h"
#include "core/shell/Displays.h"

namespace gm {

enum class SheetStyle { Standard, Compact, Tearoff, TopTen, NoExcuse };

// The choices of a pick-sheet dialog.
struct SheetChoices {
    int Week = 1;               // 1 to the league's last week
    bool NamesOnSheet = false;  // "YES": each sheet carries its member's name
    bool FavUnd = true;         // grouping "Fav/Und", else "Home/Away"
    bool CityNames = true;      // "City Name", else "Team Name"
    std::string Comment;

    // Opens as the dialogs do: CurrentWeek, the [Picksheets] settings.
    static SheetChoices From(const AppState& state);
};

// The typed week of a dialog: only a whole number from 1 to `lastWeek` (21 in
// 1997, 22 today; blanks around it allowed); nothing for anything else.
std::optional<int> ParseSheetWeek(std::string_view text, int lastWeek = kWeeks);
inline constexpr std::string_view kBadWeekTitle = "Invalid Week";
inline constexpr std::string_view kBadWeekText = "Please type a week from 1 to 21.";
// The refusal for a season of `lastWeek` weeks (kBadWeekText in 1997).
std::string BadWeekText(int lastWeek);

// The comment on one line, or split into two near its middle.
struct CommentLines {
    std::string Line1;
    std::string Line2;  // empty: one line
};

// A comment longer than `limit` characters is split: the search starts at
// character (length / 2 - back), counted from 1, and moves right to the first
// blank; line 1 runs up to and including that blank. When no blank comes
// before the limit the comment is cut at the limit, so that line 1 never runs
// wider than the sheet. Limits: 65, or 60 with back 3 on the half-page sheets.
CommentLines SplitComment(std::string_view comment, std::size_t limit, std::size_t back = 0);

// One game row of a sheet. First/second are favourite/underdog with
// "Fav/Und", away/home with "Home/Away".
struct SheetGame {
    int Slot = 0;
    bool Tiebreak = false;              // the week's tiebreak game (1997: the Monday night game)
    std::string Kickoff;                // "Sun 9/8 1:00 PM"; empty for 1997 games
    int First = 0;
    int Second = 0;
    std::string FirstName, SecondName;  // home team in capitals with "Fav/Und"
    std::string FirstAbbr, SecondAbbr;  // the same for the abbreviations
    std::string Spread;                 // "#0.0"; empty with "Home/Away"
};

// The favourite is the side that gets no points: the home team when the
// away side is given more, otherwise the away team (so equal spreads show
// the away team as favourite with "0.0"). Returns the spread shown.
float SheetSpread(const GameRecord& game, int* favourite, int* underdog);

// "#0.0" up to the point: the part of a spread that ends at its column.
std::string WholePart(std::string_view spread);

// Record text printed after a team: "(" + W-L-T + ")" after `blanks` blanks.
std::string RecordText(const TeamRecord& record, int blanks);

// The title, text file and writers of each style.
std::string_view SheetTitle(SheetStyle style);
// The style's dialog, as the menu opens it.
Display SheetDisplay(SheetStyle style);
bool SheetHasText(SheetStyle style);

// The texts of the dialogs' refusals.
inline constexpr std::string_view kNoDestinationSheetText = "You need to specify where\r\nyou want the output to go to.";
inline constexpr std::string_view kNoCopiesSheetText = "You need to specify the number\r\nof copies to print.";
inline constexpr std::string_view kNoMembersSheetText =
    "There are no pool members to print\r\none Picksheet for each.";

// Why a printing choice cannot print: zero copies, or one per player in a pool
// without members. `noCopiesText` is the style's own words for zero copies.
std::optional<std::string> SheetCopiesRefusal(int memberCount, int count, bool onePerPlayer,
                                              std::string_view noCopiesText);

// The footer of the Standard sheet at ScaleHeight - 720: a full-width line,
// the banner and the web address centred, another line. Other printouts
// that end with the same footer call it too.
void PrintStandardFooter(PageSurface& s);

class TopTenLists;

// One style of pick sheet for the state and choices: its writers as a report
// (text file and clipboard where the style has them, and the printout).
class PickSheet : public Report {
public:
    PickSheet(const AppState& state, SheetStyle style, SheetChoices choices);

    SheetStyle Style() const { return style_; }
    const SheetChoices& Choices() const { return choices_; }
    void SetChoices(SheetChoices choices) { choices_ = std::move(choices); }

    // The working data of a run, computed from the state each time.
    TeamTable Records() const;                // weeks 1 to the sheet's week
    std::vector<SheetGame> Games() const;     // the shown games, slot order
    CommentLines Comment() const;             // split for the style
    std::string HeaderFor(int sheet) const;   // "Player Sheet For ..."
    // The heading above the tiebreak game: "Monday Nite Game" in 1997; in
    // today's league "Tiebreak Game" with the game's kick-off, since the
    // week's last game is not always played on a Monday.
    std::string TiebreakHeading() const;
    // The tiebreaker line: "Mon. Total Points: _______" or "Mon. Winning
    // Margin: _______" in 1997, "Tiebreak ..." in today's league.
    std::string TiebreakPrompt() const;
    std::string FileName() const;             // "Pksht" + week + ".txt"

    // The sheet as text (text file and clipboard), lines joined by CR LF.
    std::string SheetText() const;

    std::string ReportTitle() const override { return std::string(SheetTitle(style_)); }
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    Status Print(PageSurface& surface, PrintCopies copies) const override;
    std::string PrintJobName() const override;
    std::string PrintErrorTitle() const override { return std::string(kPrintErrorTitleSheets); }

private:
    struct Layout;
    void PrintSchedule(PageSurface& s, const Layout& at, int sheet, const TeamTable& records,
                       const std::vector<SheetGame>& games) const;
    void PrintNotes(PageSurface& s, const Layout& at) const;
    void PrintCommentLines(PageSurface& s, double centre) const;
    void PrintStrip(PageSurface& s, const std::vector<SheetGame>& games) const;
    void PrintTopTenTables(PageSurface& s) const;
    void PrintStandingsHalf(PageSurface& s) const;

    std::string StandardText() const;
    std::string TearoffText() const;
    std::string TopTenText() const;
    bool MondayTiebreak() const;
    bool TodaysLeague() const;
    std::string KickoffColumn(const SheetGame& game) const;

    const AppState& state_;
    SheetStyle style_;
    SheetChoices choices_;
};

}  // namespace gm
