#pragma once

#include <gtest/gtest.h>

#include "core/data/AppState.h"
#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "support/TempDir.h"

namespace gm::test {

// The real 2024 season of today's league, as the importer reads it from
// tests/data/nfl-games-2024.csv.
inline SeasonImport Import2024() {
    return ImportSeasonCsv(ReadFile(SharedData() / "nfl-games-2024.csv"), 2024);
}

// Fills `state` with the 2024 season the way loading a folder of today's
// league leaves it: the league switched (team names its built-ins), the games
// in place, not graded against the spread (the pool models grade as they
// need). Weeks after `playedThrough` keep their games and lines but have no
// scores yet, for tests of a season in progress.
inline void LoadSeason2024(AppState& state, int playedThrough = 22) {
    const SeasonImport season = Import2024();
    ASSERT_TRUE(season.Problems.empty()) << "line " << season.Problems[0].Line << ": " << season.Problems[0].Reason;
    state.SetLeague(LeagueToday());
    state.Games = season.Games;
    for (int w = playedThrough; w < kMaxWeeks; ++w) {
        for (GameRecord& g : state.Games[static_cast<std::size_t>(w)]) {
            g.HomeScore = g.AwayScore = 0;
            ApplyResult(g);
        }
    }
    state.SeasonYear = "2024";
    state.CurrentSeasonOpen = true;
    state.SeasonFileName = std::string(kTodaySeasonFileName);
}

// Makes `folder` a data folder of today's league holding the 2024 season (as
// LoadSeason2024 leaves it) with the current week set, as an import of the
// games CSV would; members and options are the caller's to add.
inline void Write2024Folder(const fs::path& folder, int playedThrough = 22, int currentWeek = 1) {
    fs::create_directories(folder);
    AppState state(folder);
    LoadSeason2024(state, playedThrough);
    state.CurrentWeek = currentWeek;
    ASSERT_TRUE(SaveSeason(state).ok());
    ASSERT_TRUE(WriteCurrentWeek(state).ok());
}

}  // namespace gm::test
