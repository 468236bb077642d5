#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/nfl/DivisionStandings.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/Report.h"

namespace gm {

// One team's records for the matchup comparison, straight up and against the
// spread, each group a TeamRecord (points stay 0 in the spread groups).
struct MatchupRecord {
    TeamRecord Season, Home, Road, L3, Div, Conf;          // straight up
    TeamRecord Ps, PsHome, PsRoad, PsL3, PsDiv, PsConf;    // against the spread
};

// Indices 1 to the league's last team hold the teams; the rest stay zero.
using MatchupTable = std::array<MatchupRecord, kMaxTeams + 1>;

// The weeks a matchup of week `week` (1 to the season's last) looks at: every week before
// it, and for the last-3 groups the three weeks before it (fewer early on).
// In week 1 both ranges are empty.
WeekRange MatchupRange(int week);
WeekRange MatchupLast3Range(int week);

// Every team's matchup records from the games played before `week`; the
// week's own games never count, even when already scored.
MatchupTable BuildMatchupTable(const SeasonGrid& games, int week, const League& league = League1997());

inline constexpr int kMatchupLineCount = 19;
inline constexpr std::string_view kMatchupHeading = "Category            W  L  T   PF   PA        W  L  T   PF   PA";
inline constexpr std::string_view kMatchupTitle = "This Weeks Matchups";

// The 19 comparison lines, away team on the left: the straight-up rows 1 to
// 7, the spread rows 10 to 16, and the two team names in line 18.
std::vector<std::string> MatchupLines(const MatchupTable& table, const TeamTables& teams, int away, int home);

// One game's comparison, as the matchup window shows and writes it.
class Matchup : public Report {
public:
    Matchup(const AppState& state, const MatchupTable& table, int away, int home);

    int Away() const { return away_; }
    int Home() const { return home_; }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Lines with the empty NOTES column, as the text file, clipboard and printer write them.
    std::vector<std::string> NotedLines() const;
    // "Dallas at Philadelphia".
    std::string TeamsText() const;

    std::string ReportTitle() const override { return std::string(kMatchupTitle); }
    ReportWriters Writers() const override { return {true, true, true, true}; }
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    std::vector<std::string> OutputLines() const;
    std::string FileStem() const;

    const AppState& state_;
    int away_;
    int home_;
    std::vector<std::string> lines_;
};

// The game chooser: the games of one week, the selected game, and the
// matchup table, rebuilt only after the week has changed.
class MatchupChooser {
public:
    // Opens on CurrentWeek with no game selected.
    explicit MatchupChooser(AppState& state);

    struct Option {
        int Slot = 0;
        std::string Caption;  // away city + " at " + home city
        std::string Kickoff;  // "Sun 9/8 1:00 PM"; empty for a game without one (every 1997 game)
    };
    // The slots of the shown week that hold a game.
    std::vector<Option> Options() const;
    // The slot of the shown week's Monday-night (tiebreak) game; -1 for none.
    int TiebreakSlot() const;

    int Week() const { return week_.Week(); }
    const std::string& WeekText() const { return week_.Label(); }
    // Refused (false) beyond week 1 and the season's last; otherwise the selection is
    // forgotten, CurrentWeek follows and the table goes stale.
    bool Spin(int step);

    // Selects the game in `slot` (ignored when the slot holds no game).
    void Select(int slot);
    int Selected() const { return slot_; }
    bool Stale() const { return stale_; }

    // The comparison of the selected game; nothing without a selection.
    std::optional<Matchup> View();

    static constexpr std::string_view kNoGameTitle = "The GRIDMOOT";
    static constexpr std::string_view kNoGameText = "You first need to select a game matchup.";

private:
    AppState& state_;
    SpunWeek week_;
    int slot_ = -1;
    bool stale_ = true;
    MatchupTable table_{};
};

}  // namespace gm
