#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FileIO.h"
#include "GameRecord.h"
#include "IniFile.h"
#include "League.h"
#include "MemberRecord.h"
#include "Teams.h"

namespace gm {

// File names inside the data folder (matched without regard to case).
inline constexpr std::string_view kSettingsFileName = "Vask97.ini";
inline constexpr std::string_view kPoolFileName = "Pool97.dat";
inline constexpr std::string_view kPoolTempFileName = "Temp.dat";
inline constexpr std::string_view kCurrentSeasonRead = "1997.NFL";
inline constexpr std::string_view kCurrentSeasonWritten = "1997.nfl";
// The season file of a folder of today's league (a header, then its games).
inline constexpr std::string_view kTodaySeasonFileName = "Season.gms";
inline constexpr std::string_view kWebFolder = "Webpages";
inline constexpr std::string_view kTextFolder = "TxtFiles";

// Everything the windows and commands share: the season, the pool, the pool
// options and the few program-wide counters. One instance per run, passed by
// reference; nothing else holds mutable shared state.
struct AppState {
    explicit AppState(fs::path dataFolder)
        : DataFolder(std::move(dataFolder)), Settings(FindFile(DataFolder, kSettingsFileName)) {}

    fs::path DataFolder;
    IniFile Settings;  // "Vask97.ini"

    fs::path File(std::string_view name) const { return FindFile(DataFolder, name); }

    // Season. Its league says how many teams, weeks and games it has; a data
    // folder holds one league's season and never changes league.
    SeasonGrid Games{};
    TeamTables Teams = TeamTables::Defaults();
    const gm::League& League() const { return *league_; }
    // Switches the league and puts its built-in team names in place.
    void SetLeague(const gm::League& league) {
        league_ = &league;
        Teams = TeamTables::Defaults(league);
    }
    bool CurrentSeasonOpen = false;
    std::string SeasonYear = "1997";
    std::string SeasonFileName;

    // Pool.
    std::vector<MemberRecord> Members;
    int MemberCount = 0;  // never above kMaxMembers
    bool MembersChanged = false;

    // Pool options, as the strings of the settings file.
    std::string PointSpreads = "No";
    std::string PoolSort = "Confidence";
    std::string MondayPts = "TotalPoints";
    std::string MaxCPoints = "GamesPlayed";
    std::string TBMethod = "MonGame";
    std::string SecondaryTB = "Monday";
    std::string PSEntrys = "Underdog";
    std::string Comment = "Pick Sheets are due by Friday, Noon";
    std::string Team = "City";
    std::string GroupBy = "FavUnd";
    std::string Title = "The Acme Office Pool";
    std::string Color = "BW";

    int CurrentWeek = 1;  // 1 to 21
    int LastPlayerNumber = 0;
    int ColorScheme = 1;  // 1 to 12

    // Pool displays.
    std::string StandingsSort = "Confidence";  // the standings' ranking, also read by the Player StatPak
    int CurrentPlayer = 0;
    bool StatPakFromStandings = false;

    // NFL displays: the team the team-results window opens on (team number - 1);
    // set by the standings windows before they open it, back to 0 when it closes.
    int ResultsTeam = 0;

private:
    const gm::League* league_ = &League1997();
};

}  // namespace gm
