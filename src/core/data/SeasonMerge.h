#pragma once

#include <string>
#include <vector>

#include "AppState.h"
#include "SeasonCsv.h"
#include "Status.h"

namespace gm {

// What importing a season of today's league into a data folder would do. The
// state is the folder as loaded (LoadSeason and LoadPool). Built by
// PlanSeasonImport, shown to the user (the CLI prints Lines, the desktop
// dialog lists them), then carried out by ApplySeasonImport.
struct SeasonImportPlan {
    enum class Kind {
        Refused,    // nothing may be written: Refusal says why and what to do instead
        NewSeason,  // the folder holds nothing a pool needs: it becomes a folder of this season
        Update,     // the folder holds this season: scores, games and lines brought up to date
    };
    Kind What = Kind::Refused;
    std::string Refusal;
    int Year = 0;
    SeasonGrid Games{};  // the season after the import

    int GamesPlaced = 0;  // games in the file
    int ScoresAdded = 0;
    int ScoresChanged = 0;
    int GamesAdded = 0;
    int LinesChanged = 0;
    int LinesKept = 0;     // lines the file changes but members have picked the game
    int KickoffsMoved = 0;
    // One line per change, in week and slot order ("Week 3: Chicago at
    // Indianapolis, score 10-21 added"), then a summary line.
    std::vector<std::string> Lines;

    bool Allowed() const { return What != Kind::Refused; }
    bool ChangesAnything() const;
};

// Plans importing `read` (a season of today's league from ImportSeasonCsv,
// with no problems) into the folder of `state`:
// - a folder with no members and no games (a new folder, or the one a first
//   start prepares) of either league becomes a folder of that season;
// - a folder holding a pool (members or games) of the 1997 league, or of
//   another year of today's league, is refused with a message naming what it
//   holds and how to start a new pool folder;
// - the folder's own season is updated: new scores, games not there yet
//   (matched by week and teams, added in the week's next free slot), kick-off
//   times; a line changes only when no member has picked that game, unless
//   `replaceLines`; games the file does not list stay as they are.
// A read with problems, or of the 1997 league, is refused.
SeasonImportPlan PlanSeasonImport(const AppState& state, const SeasonImport& read, bool replaceLines);

// Carries out an allowed plan: the state takes the season (and, for a new
// season, today's league and its team names) and the season file is saved.
// The state is left as it was when the save fails.
Status ApplySeasonImport(AppState& state, const SeasonImportPlan& plan);

}  // namespace gm
