#pragma once

// Team-record counting: how every NFL display counts a team's games.
//
// The counting rules, in one place:
//  - A game counts only when it has been played: a slot with both scores 0 is
//    skipped, so a 0-0 game counts for nobody (not even as a tie), and empty
//    slots fall out by the same test.
//  - Straight up, the winner and loser are the game's WinTeam and LoseTeam as
//    score entry stored them (WinTeam 0 = a tie); the scores are not compared
//    again.
//  - Against the spread, each side's adjusted score is its own spread plus its
//    own score, in single precision; the greater one covered, the other did not,
//    equal adjusted scores are a push, a tie for both. The stored spread winner
//    and loser of the game are not used.
//  - Points for and against are the real scores, counted straight up only; a
//    spread count leaves them 0 (the displays show "**").
//  - A division game has HomeDivision = AwayDivision, a conference game
//    HomeConference = AwayConference (the game record's own fields).
//
// One counter, CountRecords, does every kind of count; the named builders
// below are its usual settings.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/GameRecord.h"
#include "core/data/League.h"
#include "core/data/Teams.h"

namespace gm {

// One team's record over a range of weeks. Counts are plain ints: a damaged
// season file with a team in every slot must not wrap them.
struct TeamRecord {
    int Team = 0;  // team number 1 to the league's last team
    int Wins = 0;  // won, or covered in a spread count
    int Losses = 0;
    int Ties = 0;  // tied, or pushed in a spread count
    int PointsFor = 0;
    int PointsAgainst = 0;
    int DivWins = 0, DivLosses = 0, DivTies = 0;     // division games only
    int ConfWins = 0, ConfLosses = 0, ConfTies = 0;  // conference games only

    bool operator==(const TeamRecord&) const = default;
};

// A display's table: indices 1 to the league's team count hold the teams (1 to
// 30 in 1997, 1 to 32 today), index 0 and any index past the last team stay
// unused. A sort reorders the teams' indices, so that afterwards index i holds
// the team in place i. The table knows its league: its divisions and team count.
struct TeamTable : std::array<TeamRecord, kMaxTeams + 1> {
    const League* league = &League1997();

    int TeamCount() const { return league->Teams; }
};

// A week range of zero-based week indices, both ends included (index = week - 1).
// A start after the end is an empty range.
struct WeekRange {
    int WkStart = 0;
    int WkEnd = 0;
};

// The range of the standings windows: up to and including the week shown
// (1 to 21); with "Last 3 Weeks" after week 3 only that week and the two before it.
WeekRange SetWeekRange(int currentWeek, bool last3);

// A fresh table of the 1997 league or of `league`: all zero, Team = index for
// every team of the league.
TeamTable NewTeamTable();
TeamTable NewTeamTable(const League& league);

// ---- One game, for displays that walk the games themselves ----------------

enum class Outcome { None, Win, Loss, Tie };

// The slot holds a game (both teams set) and it has been played (not 0-0).
bool Counts(const GameRecord& game);

// The result for `team` (one of the game's two teams), straight up from
// WinTeam/LoseTeam; None when the game is not played or `team` is not in it.
Outcome StraightUpOutcome(const GameRecord& game, int team);

// The result for `team` against the spread (a push is a Tie); None as above.
Outcome SpreadOutcome(const GameRecord& game, int team);

// The side the spread favours: the team whose side receives the smaller spread.
// 0 when the spreads are equal (no favourite).
int FavoriteTeam(const GameRecord& game);
int UnderdogTeam(const GameRecord& game);

// ---- The counter ----------------------------------------------------------

// Which of a game's two teams a count credits.
enum class Venue { Overall, Home, Road };
// Straight up or against the spread.
enum class Judge { StraightUp, Spread };
// Only games in which the team had this role (favourite/underdog records).
enum class Role { Any, Favorite, Underdog };

// Only some games: division or conference games, or the games outside them.
enum class GameFilter { All, Division, NonDivision, Conference, NonConference };

struct RecordCount {
    Venue venue = Venue::Overall;
    Judge judge = Judge::StraightUp;
    Role role = Role::Any;
    bool groupColumns = false;  // also fill the division and conference columns
    GameFilter games = GameFilter::All;
    bool spreadPoints = false;  // a spread count adds the points too (the analyzer shows them)
};

// Whether a game passes the filter (by the game record's own fields).
bool PassesFilter(const GameRecord& game, GameFilter filter);

// Adds the played games of the range to the table, as `count` says. Teams
// outside the table's league (damaged data) are passed over.
void CountRecords(TeamTable& table, const SeasonGrid& games, WeekRange range, const RecordCount& count);

// The builders of the standings windows (each adds to the table).
void BuildRegRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);         // overall, straight up
void BuildRegHomeRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);     // home, straight up
void BuildRegRoadRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);     // road, straight up
void BuildSpreadRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);      // overall, spread
void BuildSpreadHomeRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);  // home, spread
void BuildSpreadRoadRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);  // road, spread
void BuildConfRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);        // with group columns, straight up
void BuildConfSpreadRecord(TeamTable& table, const SeasonGrid& games, WeekRange range);  // with group columns, spread

// ---- Order ----------------------------------------------------------------

// The two passes of the standings order, each stable over the teams' indices:
// most wins first, and fewest losses first. The standings run both, wins
// first, which gives: fewest losses first, equal losses by most wins, equal
// records in team-number order. Ties and points play no part.
void SortByWins(TeamTable& table);
void SortByLosses(TeamTable& table);
void SortStandings(TeamTable& table);

// ---- Divisions and lines ----------------------------------------------------

inline constexpr int kDivisionCount = 6;
inline constexpr int kTeamsPerDivision = 5;

// The six divisions in standings order: NFC Eastern, Central, Western, AFC
// Eastern, Central, Western; each with its team numbers.
const std::array<std::array<int, kTeamsPerDivision>, kDivisionCount>& DivisionTeams();
// The division list (0 to 5) of a team number; -1 outside 1 to 30.
int DivisionListOf(int team);
// "NFC Eastern" ... "AFC Western".
std::string_view DivisionName(int list);

// Today's league, or either league: the division list (0 to Divisions - 1) of a
// team number, -1 for a number outside the league; the division's name ("NFC
// East"), taken from the league's standings heading; and the header lines
// below in the same columns.
int DivisionListOf(int team, const League& league);
std::string DivisionName(int list, const League& league);
std::string LeagueHeader(int list, const League& league);
std::string ConferenceHeader(int list, const League& league);
// The conference of a division list: kConferenceNFC or kConferenceAFC, 0 outside.
int ConferenceOfList(int list, const League& league);
// The most teams any division of the league holds (5 in 1997, 4 today).
int LargestDivision(const League& league);

// Header lines of the printed and written standings.
// "NFC Eastern     W  L  T   PF   PA" (33 characters).
std::string LeagueHeader(int list);
// "NFC Eastern     W  L  T   PF   PA    Division   Conference   vs. AFC".
std::string ConferenceHeader(int list);

// The team name field: the name cut to 15 characters, padded with blanks to 15.
std::string TeamNameField(std::string_view city);

// League line (37 characters): name 15, W 2, L 3, T 3, PF 5, PA 5, 4 blanks.
// With `pointsShown` false both point columns read "**". A number wider than
// its column is written whole.
std::string LeagueLine(std::string_view city, const TeamRecord& r, bool pointsShown);

// Conference line (69 characters): the league line's first 34 characters
// (its columns and one of its blanks), 3 blanks, division
// W L T (3 each), 3 blanks, conference W L T (3 each), 2 blanks, and the
// inter-conference record (overall minus conference), 3 each.
std::string ConferenceLine(std::string_view city, const TeamRecord& r, bool pointsShown);

// Team numbers of each division of the table's league (list 0 first) in table
// order (the standings order once the table is sorted).
std::vector<std::vector<int>> DivisionOrder(const TeamTable& table);

// The record of a team number in a (possibly sorted) table.
const TeamRecord& RecordOf(const TeamTable& table, int team);

}  // namespace gm
