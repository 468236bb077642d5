#pragma once

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

// Loads what the program starts with, in its order: the pool, the current
// season, the settings (on a 256-colour display a team scheme falls back to
// scheme 1) and the team tables. Returns what the user should hear about.
std::vector<Status> LoadAtStartup(AppState& state, long long screenColors);

}  // namespace gm
