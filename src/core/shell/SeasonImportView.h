#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/SeasonCsv.h"
#include "core/data/SeasonMerge.h"

namespace gm {

// What the "Import Season..." window shows: what was read from the games
// CSV, then what importing it would change, and whether OK may save it.

inline constexpr std::string_view kImportSeasonTitle = "Import Season";

// The newest season the public games CSV lists (its "season" column), so that
// the window can offer it; 0 for any other text.
int NewestSeasonInCsv(std::string_view text);

// The season the window offers first: the folder's own year for a folder of
// today's league, else the newest season in the file, else today's league's year.
int OfferedImportSeason(const AppState& state, std::string_view text);

// "Read 285 games in 22 weeks of the 2024 season from nfl-games-2024.csv."
// then, when there are problems, one line each: "Line 12: unknown team XYZ".
std::vector<std::string> ImportReadLines(const SeasonImport& read, std::string_view fileName);

struct ImportView {
    std::vector<std::string> Read;     // ImportReadLines
    std::vector<std::string> Changes;  // what importing changes, or why it may not
    bool CanSave = false;              // OK saves only an allowed plan that changes something
};

// Reads `text` for `season` and plans importing it into the folder of `state`.
// The plan is handed back for ApplySeasonImport when the user says OK.
ImportView PlanImportView(const AppState& state, std::string_view text, std::string_view fileName, int season,
                          bool replaceLines, SeasonImportPlan& plan);

// The box after a save, and after a failed one.
std::string ImportSavedText(const SeasonImportPlan& plan);
inline constexpr std::string_view kImportNotSavedTitle = "Season Not Imported";

}  // namespace gm
