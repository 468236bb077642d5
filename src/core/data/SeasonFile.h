#pragma once

#include <string>
#include <string_view>

#include "AppState.h"
#include "Status.h"

namespace gm {

// The season file: 315 records of 23 bytes, week by week, 15 slots a week, no header.
std::string EncodeSeason(const SeasonGrid& games);
// Records missing from a short file read as empty games; slot 15 stays empty.
SeasonGrid DecodeSeason(std::string_view bytes);

// Reads the season file `name` (found without regard to case) into Games. A
// missing current season file is created empty; a missing archived one loads
// as empty weeks and is reported as a warning. A file that cannot be read is
// an error and leaves Games and SeasonFileName as they were; so is a 1997
// season file name that holds a season of today's league.
// The current season of a folder that holds "Season.gms" is that file: the
// state becomes a season of today's league (league, team names from the
// settings file, year); a damaged one loads as far as it can with a warning.
Status LoadSeason(AppState& state, std::string_view name);

// Writes all of Games to the league's own file: "1997.nfl" (an existing
// "1997.NFL" is the same file) or, for today's league, "Season.gms".
Status SaveSeason(AppState& state);

enum class SeasonChoice { Season1995 = 0, Season1996 = 1, Current = 2 };

// What a season switch tells the user.
struct SeasonSwitch {
    std::string Title;
    std::string Text;
    bool SpreadsEnabled = false;  // state of the point-spread menu item
    Status Load;                  // outcome of reading the season file
};

// Switches the season shown: year, current-season flag, the season file, and
// the team names of that year (Cleveland and Houston in 1995, Houston in 1996;
// the settings file's names again for the current season). When the season
// file cannot be read, nothing changes and Load holds the error. In a folder
// of today's league only the current season opens; the archived 1997-league
// seasons are refused the same way.
SeasonSwitch SelectSeason(AppState& state, SeasonChoice choice);

}  // namespace gm
