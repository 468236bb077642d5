#pragma once

// A four-week season for the NFL display tests, small enough to work out
// every record by hand, and the real 1997 season from the shared data.

#include <stdexcept>
#include <string>

#include "core/data/AppState.h"
#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/data/Teams.h"
#include "support/TempDir.h"

namespace gm::test {

// A game with its result and its conference and division fields set the way
// score entry and the schedule leave them.
inline GameRecord NflGame(int home, int away, int homeScore, int awayScore, float homeSpread = 0,
                          float awaySpread = 0) {
    GameRecord g;
    g.HomeTeam = static_cast<std::uint8_t>(home);
    g.AwayTeam = static_cast<std::uint8_t>(away);
    g.HomeScore = static_cast<std::uint8_t>(homeScore);
    g.AwayScore = static_cast<std::uint8_t>(awayScore);
    g.HomeSpread = homeSpread;
    g.AwaySpread = awaySpread;
    g.HomeConference = static_cast<std::uint8_t>(TeamConference(home));
    g.AwayConference = static_cast<std::uint8_t>(TeamConference(away));
    g.HomeDivision = static_cast<std::uint8_t>(TeamDivision(home));
    g.AwayDivision = static_cast<std::uint8_t>(TeamDivision(away));
    ApplyResult(g);
    return g;
}

// Team numbers used below.
enum FixtureTeam { Ari = 1, Buf = 4, Dal = 8, Den = 9, KC = 15, Mia = 16, NyG = 20, Phi = 23, Was = 30 };

// Week 1: Dal 24 - NyG 20 (NyG +4: a push, division game), Buf 10 - Den 27
//         (Buf +3), Phi - Ari entered 0-0, Monday Was 17 - Mia 17 (no spread).
// Week 2: NyG 31 - Was 3 (Was +7), KC 13 - Den 20 (Den +2.5, division),
//         Monday Ari 21 - Dal 14 (Ari +6.5).
// Week 3: Dal 35 - Phi 7 (Phi +10), Mia 24 - NyG 21 (Mia +1.5).
// Week 4: Den 30 - Buf 20 (Buf +10: a push), Was - Dal not played.
//
// Through week 4, straight up: Den 3-0-0 77-43, Dal 2-1-0 73-48, Mia 1-0-1
// 41-38, Ari 1-0-0 21-14, NyG 1-2-0 72-51, Was 0-1-1 20-48, Phi 0-1-0 7-35,
// KC 0-1-0 13-20, Buf 0-2-0 30-57. Against the spread: Den 2-0-1, Dal 1-1-1,
// NyG 1-1-1, Mia 1-0-1, Ari 1-0-0, Was 0-1-1, Buf 0-1-1, Phi 0-1-0, KC 0-1-0.
inline SeasonGrid NflFixtureSeason() {
    SeasonGrid games{};
    games[0][0] = NflGame(Dal, NyG, 24, 20, 0, 4);
    games[0][1] = NflGame(Buf, Den, 10, 27, 3, 0);
    games[0][2] = NflGame(Phi, Ari, 0, 0);
    games[0][14] = NflGame(Was, Mia, 17, 17);
    games[1][0] = NflGame(NyG, Was, 31, 3, 0, 7);
    games[1][1] = NflGame(KC, Den, 13, 20, 0, 2.5f);
    games[1][14] = NflGame(Ari, Dal, 21, 14, 6.5f, 0);
    games[2][0] = NflGame(Dal, Phi, 35, 7, 0, 10);
    games[2][1] = NflGame(Mia, NyG, 24, 21, 1.5f, 0);
    games[3][0] = NflGame(Den, Buf, 30, 20, 0, 10);
    games[3][1] = NflGame(Was, Dal, 0, 0);
    return games;
}

// A state on the fixture season (no files) at the given week.
inline AppState NflFixtureState(const std::filesystem::path& folder, int week = 4) {
    AppState state(folder);
    state.Games = NflFixtureSeason();
    state.CurrentWeek = week;
    state.CurrentSeasonOpen = true;
    return state;
}

// The real 1997 season, imported from the shared data as gridmoot-cli does.
inline SeasonGrid RealSeason1997() {
    const std::string csv = ReadFile(test::SharedData() / "nfl-scores-1995-1997.csv");
    SeasonImport imported = ImportSeasonCsv(csv, 1997);
    if (!imported.Problems.empty() || imported.GamesPlaced == 0)
        throw std::runtime_error("the 1997 season could not be imported");
    return imported.Games;
}

}  // namespace gm::test
