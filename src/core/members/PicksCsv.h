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
//             player number. A name that several members share needs the number.
// game        the game's place in the week, 1 to 15 (15 is the Monday-night game),
//             or AWAY@HOME with both teams named as in the team column.
// team        the team picked: its number (1 to 30), abbreviation, location, name,
//             or location and name; it must play in that game. Empty: no selection.
// confidence  the confidence points; empty or 0 for none. Only when the pool uses
//             confidence points, and then inside the week's range and not given to
//             two games of one member's week.
// monday      the member's Monday-night tiebreak entry for the week, 0 to 99. It
//             may stand on any of the member's rows (rows that give it must agree);
//             empty on all of them leaves it as it is. Only when the pool uses the
//             Monday-night tiebreaker.
//
// Rows for members and games the file does not mention leave those selections
// as they are.
inline constexpr std::string_view kPicksCsvHeader = "member,game,team,confidence,monday";

struct PicksProblem {
    std::size_t Line = 0;  // 1-based line of the file; 0 for the file as a whole
    std::string Reason;
};

struct PicksImport {
    std::vector<MemberRecord> Members;  // the member table with every row applied
    std::vector<PicksProblem> Problems;  // in line order; when any, nothing may be saved
    int Rows = 0;                        // rows read
};

// Applies the rows of `text` to a copy of the state's members for week `week`
// (1 to 21) under the state's season and pool options.
PicksImport ImportPicksCsv(const AppState& state, int week, std::string_view text);

// Every member's selections of week `week`, one row per member (record order)
// and game of the week, in the format above; reading the text back changes
// nothing. A pick of a team that no longer plays in its game (the schedule was
// changed) is written as no selection, and points on a game without a pick as
// none, as the selections window shows them. Fails only when a member can be
// told apart neither by name nor by player number.
Status ExportPicksCsv(const AppState& state, int week, std::string& out);

// Team numbers the text names: a number 1 to 30, or (any letter case, blanks
// around ignored) an abbreviation, location, name, or location and name.
std::vector<int> TeamsNamed(const TeamTables& teams, std::string_view text);

// Record indexes of the members the text names: player number when it is
// digits only, else the name (letter case and surrounding blanks ignored).
std::vector<int> MembersNamed(const AppState& state, std::string_view text);

}  // namespace gm
