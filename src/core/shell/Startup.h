#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// Makes `folder` ready for a run: the folder itself, "Webpages" and
// "TxtFiles", an empty current season "1997.NFL" and pool "Pool97.dat" when
// missing, and the archived seasons "1995.NFL" and "1996.NFL" copied from the
// first of `shippedSeasonFolders` that holds them. Existing files are never
// touched. Every failure is reported; the rest is still done.
std::vector<Status> PrepareDataFolder(const fs::path& folder, const std::vector<fs::path>& shippedSeasonFolders);

// Only the last step of it: the archived seasons the folder lacks, copied from
// the first of `shippedSeasonFolders` that holds each (atomically).
std::vector<Status> CopyArchivedSeasons(const fs::path& folder,
                                        const std::vector<fs::path>& shippedSeasonFolders);

// Loads what the program starts with, in its order: the pool, the current
// season, the settings (on a 256-colour display a team scheme falls back to
// scheme 1) and the team tables. Returns what the user should hear about.
std::vector<Status> LoadAtStartup(AppState& state, long long screenColors);

// A second start on a folder the program already has open: the box that says
// so before the second one ends (each would overwrite the other's saves).
inline constexpr std::string_view kFolderInUseTitle = "Gridmoot Is Already Open";
inline std::string FolderInUseText(const fs::path& folder) {
    return "The pool in " + folder.string() +
           " is already open in Gridmoot (or being imported by gridmoot-cli).\n\n"
           "Use the window that is open, or close it and start again.";
}

// Closing keeps the week shown for the next start; when that cannot be
// written, the box the user sees (title, text).
inline constexpr std::string_view kWeekNotKeptTitle = "Unable To Save";
inline std::string WeekNotKeptText(const Status& failed) {
    return failed.message + "\n\nThe next start opens at the week last saved.";
}

}  // namespace gm
