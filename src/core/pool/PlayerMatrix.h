#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/PageSurface.h"
#include "core/output/Report.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"

namespace gm {

// The matrix window's "Hint" box.
inline constexpr std::string_view kMatrixHintTitle = "Some Helpful Hints";
inline constexpr std::string_view kMatrixHintText =
    "By double-clicking anywhere in a Players row\r\n"
    "you will be able edit his selections.\r\n\r\n"
    "NOTE: While this screen offers a simplified All-Picks Report, you can get a much better one "
    "by selecting REPORTS from the Main Menu.";

// The points text of a game as the heading rows show it: the spread of the
// team given points; `halfSign` writes halves as the whole part and "½"
// (the matrix), otherwise in plain digits ("6.5"). "Pk" for an even game.
std::string SpreadPointsText(const GameRecord& game, bool halfSign);

// The underdog (the team given points) and the favourite of a game; equal
// spreads make the home team the favourite.
int UnderdogOf(const GameRecord& game);
int FavoriteOf(const GameRecord& game);

// A number in plain digits without a needless ".0" (7 gives "7", 7.5 "7.5").
std::string PlainNumber(double value);

// The player matrix: every member's selections for one week, one block each,
// under heading rows naming each game's teams.
class PlayerMatrix : public Report {
public:
    explicit PlayerMatrix(AppState& state);

    // Previous or next week; refused (false) beyond weeks 1 and 21. CurrentWeek follows.
    bool Spin(int step);
    // After the selections window: show CurrentWeek again.
    void FollowCurrentWeek();
    void SetShowAll(bool showAll) { showAll_ = showAll; }
    void SetConfidenceRows(bool shown) { confidence_ = shown; }

    int Week() const { return week_; }
    const std::string& WeekLabel() const { return weekLabel_; }
    bool ShowAll() const { return showAll_; }
    bool ConfidenceRows() const { return confidence_; }
    int PlayedCount() const;  // members with a selection in the week
    std::string PoolSizeText() const;

    // Heading rows in the order the outputs write them: favourite (or away),
    // points, underdog (or home, ending "  TB").
    std::vector<std::string> HeadingRows() const;
    // The three labels above the list.
    std::vector<std::string> ScreenLabels() const;
    // The list: per listed member the confidence row (when shown), the
    // selections row and a separator.
    std::vector<std::string> ListLines() const;
    // The member whose selections row is at list line `line`, or -1.
    int MemberAtLine(int line) const;

    std::string Title() const;
    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    std::string Separator() const;
    std::vector<int> Listed() const;
    bool Played(int member) const;
    std::string SelectionsRow(int member) const;
    std::string ConfidenceRow(int member) const;
    // Per listed member, in output order: separator, confidence row, selections row.
    std::vector<std::string> OutputBlocks() const;

    AppState& state_;
    int week_ = 1;
    std::string weekLabel_;
    bool showAll_ = true;
    bool confidence_ = false;
};

}  // namespace gm
