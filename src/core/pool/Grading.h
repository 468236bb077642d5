#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/PoolOptions.h"

namespace gm {

// The pool's scoring engine: game results, grading of each selection, weekly
// and range tallies, percentages, the stable orders and competition ranks
// every pool display uses. Weeks are 0-based indices here.

inline constexpr int kTiebreakWeeks = kStoredWeeks;  // weeks 0 to 21

// One member's results for a computation; created zeroed, in member order.
struct StandingsRow {
    std::int32_t MemberIndex = 0;
    std::uint8_t WeekWins = 0;
    std::uint8_t WeekLosses = 0;
    std::uint8_t WeekTies = 0;
    bool PlayedWeek = false;   // at least one selection in the chosen week
    bool PlayedRange = false;  // at least one selection in the range
    std::int16_t RangeWins = 0;
    std::int16_t RangeLosses = 0;
    std::int16_t RangeTies = 0;
    std::int32_t SeasonRank = 0;
    float WeekPoints = 0.0f;
    float RangePoints = 0.0f;
    float WeekPct = 0.0f;
    float RangePct = 0.0f;
    // Monday-night difference per week. Wider than a byte so that bad scores
    // in a file can never wrap it round to a small (winning) difference.
    std::array<std::uint16_t, kTiebreakWeeks> TiebreakDiff{};
};

// How selections are graded, from the pool options and the season's league:
// which weeks and game slots count and which game is a week's tiebreak game.
struct GradingRules {
    bool AgainstSpread = false;       // "PointSpreads" = "Yes"
    bool MondayTotalPoints = true;    // "MondayPts" = "TotalPoints", else winning margin
    const gm::League* League = &League1997();

    int Weeks() const { return League->Weeks; }
    int Slots() const { return League->Slots; }
    // The week's tiebreak (Monday-night) game, -1 when the week has no game.
    int TiebreakSlot(const SeasonGrid& games, int week) const {
        return League->TiebreakSlot(games[static_cast<std::size_t>(week)]);
    }

    static GradingRules From(const AppState& state);
};

enum class Grade : std::uint8_t { None, Pending, Win, Loss, Tie };

// Rewrites SpreadWinTeam/SpreadLoseTeam of every game slot: 55 = not played,
// 0 = push, else the team that covered and the one that did not. Without a
// league: the 1997 slots 0 to 14 and any later slot that holds a game.
void GradeAgainstSpread(SeasonGrid& games);
void GradeAgainstSpread(SeasonGrid& games, const League& league);

// The result of one selection: None when nothing was picked, Pending when the
// game has not been played (the member still counts as having played). Any
// selection that is neither the winner nor the loser is a tie, a team that is
// not in the game included.
Grade GradeSelection(const GameRecord& game, int pick, bool againstSpread);

// The Monday-night result M the tiebreak entries are compared with.
int MondayResult(const GameRecord& mondayGame, bool totalPoints);
// The same for a week of the season: the result of its tiebreak game, 0 when
// the week has no game.
int MondayResult(const SeasonGrid& games, int week, const GradingRules& rules);

// Whether the member selected a team for any game of the week (0-based):
// what makes a member count as having played it.
bool MadeSelection(const MemberRecord& member, int week);  // the 1997 league
bool MadeSelection(const MemberRecord& member, int week, const League& league);
// Members of the pool who made a selection in the week.
int CountPlayed(std::span<const MemberRecord> members, int week);  // the 1997 league
int CountPlayed(std::span<const MemberRecord> members, int week, const League& league);

// One zeroed row per member, in member order.
std::vector<StandingsRow> NewRows(int memberCount);

// Range fields and PlayedRange for weeks first..last (an empty range when
// first > last). Returns the number of members who played in the range.
int TallyRange(std::span<StandingsRow> rows, const SeasonGrid& games, std::span<const MemberRecord> members,
               const GradingRules& rules, int firstWeek, int lastWeek);

// Week fields, PlayedWeek and TiebreakDiff(week). Returns the number of
// members who played that week.
int TallyWeek(std::span<StandingsRow> rows, const SeasonGrid& games, std::span<const MemberRecord> members,
              const GradingRules& rules, int week);

// Both tallies in one walk over the members, as the standings need them:
// the same rows as TallyRange then TallyWeek.
struct PlayedCounts {
    int Range = 0;
    int Week = 0;
};
PlayedCounts TallyRangeAndWeek(std::span<StandingsRow> rows, const SeasonGrid& games,
                               std::span<const MemberRecord> members, const GradingRules& rules, int firstWeek,
                               int lastWeek, int week);

// (wins + ties / 2) / games * 100 in single precision; 0 when no game counted.
float WinningPct(int wins, int losses, int ties);
void ComputePercentages(std::span<StandingsRow> rows);

enum class SortKey {
    RangeWins, RangePct, RangePoints, WeekWins, WeekPct, WeekPoints,  // descending
    TiebreakDiff, SeasonRank, MemberIndex,                            // ascending
};

// Stable: rows with equal keys keep their order, so several sorts in a row
// order by the last one first and break its ties by the earlier ones.
// `week` is the week of the TiebreakDiff key.
void SortRows(std::span<StandingsRow> rows, SortKey key, int week = 0);

// Competition ranks by the main key: 1, 1, 3.
void RankRows(std::span<StandingsRow> rows, SortKey key, int week = 0);

// Form A honours both tiebreak options; form B only the first.
enum class TiebreakForm { A, B };

struct OrderOptions {
    PoolSortKind Sort = PoolSortKind::Confidence;  // the standings' sort setting
    TBMethodKind TBMethod = TBMethodKind::MonGame;
    bool SecondaryMonday = true;  // "SecondaryTB" = "Monday"

    static OrderOptions From(const AppState& state, PoolSortKind sort);
};

// Season order: tiebreaker sorts, the main sort, then SeasonRank by the main key.
void SeasonOrder(std::span<StandingsRow> rows, const OrderOptions& options, int week, TiebreakForm form);

// One-week order; no ranks.
void WeekOrder(std::span<StandingsRow> rows, const OrderOptions& options, int week);
// The sorts of the one-week order, in the order they are applied (the main
// sort last), for displays that order their own rows the same way.
std::vector<SortKey> WeekOrderKeys(const OrderOptions& options);

// "#0.0" and "#0.00": at least one digit before the point, halves rounded away from zero.
std::string Format1(double value);
std::string Format2(double value);

}  // namespace gm
