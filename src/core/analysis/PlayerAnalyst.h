#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"
#include "core/pool/Grading.h"

namespace gm {

// One member's record in one group of games. The counts are plain ints: a
// season's selections on one team or division run past what a byte holds.
struct PlayerCell {
    int Wins = 0;
    int Losses = 0;
    int Ties = 0;
    float Points = 0.0f;
    float Pct = 0.0f;

    int Games() const { return Wins + Losses + Ties; }
    // Adds one graded selection worth `confidence` points (half on a tie).
    void Add(Grade grade, int confidence);
    // The winning percentage from the counts; 0 when no game counted.
    void UpdatePct() { Pct = WinningPct(Wins, Losses, Ties); }
    bool operator==(const PlayerCell&) const = default;
};

// The games "In Games Involving" minus those "When Betting On": the games
// of a team (or division) in which the member took the other side.
PlayerCell PlayerBettingAgainst(const PlayerCell& involving, const PlayerCell& bettingOn);

// The nine categories, in the order the window lists them.
enum class PlayerCategory {
    Overall, AfcHome, AfcRoad, NfcHome, NfcRoad, AfcFavorites, AfcUnderdogs, NfcFavorites, NfcUnderdogs,
};
inline constexpr int kPlayerCategories = 9;
// The category's label: " Overall Record ", " AFC Home Teams ", ...
std::string_view PlayerCategoryCaption(PlayerCategory category);
// "NFC East", "NFC Central", ... by division number 1 to 6.
std::string_view PlayerDivisionName(int division);
// The same in either league: today's "NFC East", "NFC North" ... "AFC West" by number 1 to 8.
std::string_view PlayerDivisionName(int division, const League& league);

// A member's records over a range of weeks.
struct PlayerRecord {
    std::array<PlayerCell, kPlayerCategories> Categories{};
    std::array<PlayerCell, kMaxTeams + 1> TeamInvolving{};  // by team number; entry 0 unused
    std::array<PlayerCell, kMaxTeams + 1> TeamBettingOn{};
    std::array<PlayerCell, kMaxDivisions + 1> DivisionInvolving{};  // by division number; entry 0 unused
    std::array<PlayerCell, kMaxDivisions + 1> DivisionBettingOn{};

    const PlayerCell& Category(PlayerCategory c) const { return Categories[static_cast<std::size_t>(c)]; }
};

// Grades every selection of the member in weeks firstWeek..lastWeek
// (0-based; empty when first > last). A selection counts only in a played
// game. Home/road and favourite/underdog go by the conference field the
// game holds for the picked side; favourites and underdogs only where the
// two spreads differ. "In Games Involving" books the result to both teams
// of the game and to each one's division (so a division game counts twice
// for its division); "When Betting On" to the picked team and its division.
// The league says which weeks, game slots, teams and divisions there are.
PlayerRecord TallyPlayer(const SeasonGrid& games, const MemberRecord& member, bool againstSpread, int firstWeek,
                         int lastWeek, const League& league = League1997());

// Result lines. `points`: the value column shows confidence points, else the
// percentage.
std::string PlayerCategoryLine(const PlayerCell& cell, bool points);
// Name (a team's city, a division) padded to 13, then W L T and the value.
std::string PlayerTeamLine(std::string_view name, const PlayerCell& cell, bool points);

// The Player Analyst: one member's handicapping record over a range of weeks.
class PlayerAnalyst : public Report {
public:
    // Opens on weeks 1 to CurrentWeek with the first member chosen (none in
    // an empty pool). Grades against the spread first when spreads are on.
    explicit PlayerAnalyst(AppState& state);

    // The member box: the 18-character names in member order.
    std::vector<std::string> MemberChoices() const;
    // Chooses a member (an index outside the pool chooses none) and recomputes.
    void SelectMember(int index);
    int Member() const { return member_; }

    // Spins: refused (false, nothing changes) beyond week 1 and the league's last. The end
    // week moves CurrentWeek with it. A start after the end is allowed and
    // gives empty results.
    bool SpinStart(int step);
    bool SpinEnd(int step);
    int StartWeek() const { return start_; }
    int EndWeek() const { return end_; }
    const std::string& StartLabel() const { return startLabel_; }
    const std::string& EndLabel() const { return endLabel_; }

    bool ShowsPoints() const;  // "PoolSort" is "Confidence"
    std::string TeamListHeading() const;      // " Teams         W  L T   Pts. "
    std::string DivisionListHeading() const;  // " Divisions     W  L T   Pts. "
    std::string CategoryHeading() const;      // lblWonLoss: "Gms     W   L T    Pct."

    // The lists and labels of the window.
    std::vector<std::string> TeamLines(bool bettingOn) const;      // one per team of the league, team-number order
    std::vector<std::string> DivisionLines(bool bettingOn) const;  // 6, division order
    std::vector<std::string> AgainstTeamLines() const;
    std::vector<std::string> AgainstDivisionLines() const;
    std::string CategoryText(PlayerCategory category) const;
    const PlayerRecord& Record() const { return record_; }

    // The report's title lines.
    std::string NameTitle() const;  // name + "'s Personalized Handicapping Record"
    std::string WeekTitle() const;  // "Week 1 To Week 5"

    std::string ReportTitle() const override { return "The Player Analyst"; }
    ReportWriters Writers() const override { return {true, true, true, false}; }
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;
    // Always one copy, whatever the copy count says.
    Status Print(PageSurface& surface, PrintCopies copies) const override;

    std::vector<std::string> TextLines() const;
    std::vector<std::string> ClipboardLines() const;

private:
    void Compute();
    std::string ColumnHeading() const;  // "Team           W  L T   Pts."
    std::vector<std::string> ConferenceBlock() const;
    std::string TeamName(int team) const;

    AppState& state_;
    int member_ = -1;
    int start_ = 1;
    int end_ = 1;
    std::string startLabel_;
    std::string endLabel_;
    PlayerRecord record_;
};

}  // namespace gm
