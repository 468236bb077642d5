#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// The members' weekly selections as CSV, one row per member and game of one week:
//
//   member,game,team,confidence,monday
//   Ann Smith,1,Dal,12,45
//   17,3,Green Bay,,
//
// member      the member's name (any letter case; names longer than 18 characters
//             are cut as the pool file cuts them) or, written in digits only, the
//             player number. A name that several members share needs the number;
//             "#K" is the K-th member of the pool file, for members that neither
//             tells apart.
// game        the game's place in the week, 1 to 15 (15 is the Monday-night game;
//             today's league: 1 to 16, the tiebreak game is the week's last by
//             kick-off), or AWAY@HOME with both teams named as in the team column.
// team        the team picked: its number (1 to 30; today's league 1 to 32),
//             abbreviation, location, name, or location and name, and in today's
//             league its id ("LAC", "LA", "WAS"); it must play in that game.
//             Empty: no selection.
// confidence  the confidence points; empty or 0 for none; at most 99 (two digits,
//             as the selections window's box). Only when the pool uses confidence
//             points. Points outside the week's range, or given to two games of
//             one member's week, are taken as the window keeps them when the user
//             answers No to its question, and reported as warnings.
// monday      the member's Monday-night tiebreak entry for the week, 0 to 99. It
//             may stand on any of the member's rows (rows that give it must agree);
//             empty on all of them leaves it as it is. Only when the pool uses the
//             Monday-night tiebreaker.
//
// Rows for members and games the file does not mention leave those selections
// as they are. A row may restate what the pool already holds even where a new
// entry would be refused (a pick of a team that no longer plays in the game,
// points without a pick, damaged bytes): that is kept, with a warning, so that
// an exported week always reads back to the same pool.
inline constexpr std::string_view kPicksCsvHeader = "member,game,team,confidence,monday";

struct PicksProblem {
    std::size_t Line = 0;  // 1-based line of the file; 0 for the file as a whole
    std::string Reason;
};

struct PicksImport {
    std::vector<MemberRecord> Members;   // the member table with every row applied
    std::vector<PicksProblem> Problems;  // in line order; when any, nothing may be saved
    std::vector<PicksProblem> Warnings;  // in line order; taken as given
    int Rows = 0;                        // rows read
};

// Applies the rows of `text` to a copy of the state's members for week `week`
// (1 to the league's last week) under the state's season and pool options.
PicksImport ImportPicksCsv(const AppState& state, int week, std::string_view text);

// Every member's selections of week `week`, one row per member (record order)
// and game of the week, in the format above; reading the text back changes
// nothing, whatever the pool holds: a pick of a team that no longer plays in
// its game (the schedule was changed) is written as that team's number, points
// as they are stored, with or without a pick. In today's league a game is
// written as AWAY@HOME and a team by its id.
Status ExportPicksCsv(const AppState& state, int week, std::string& out);

// Team numbers the text names: a number 1 to 30, or (any letter case, blanks
// around ignored) an abbreviation, location, name, or location and name.
std::vector<int> TeamsNamed(const TeamTables& teams, std::string_view text);
// The same in `league`: numbers 1 to its teams, and its teams' ids.
std::vector<int> TeamsNamed(const TeamTables& teams, std::string_view text, const League& league);

// Record indexes of the members the text names: player number when it is
// digits only, the K-th record for "#K", else the name (letter case and
// surrounding blanks ignored).
std::vector<int> MembersNamed(const AppState& state, std::string_view text);

}  // namespace gm
