#pragma once

#include <array>
#include <string>
#include <string_view>

#include "GameRecord.h"

namespace gm {

inline constexpr int kConferenceAFC = 1;
inline constexpr int kConferenceNFC = 2;
// Divisions: 1 NFC East, 2 NFC Central, 3 NFC West, 4 AFC East, 5 AFC Central, 6 AFC West.
inline constexpr int kDivisions = 6;
inline constexpr int kMaxDivisions = 8;  // today's league

struct DefaultTeam {
    std::string_view City;
    std::string_view Name;
    std::string_view CityAbbr;
    std::string_view NameAbbr;
    int Conference;
    int Division;
    std::string_view Id = {};  // today's league: the public games CSV's abbreviation
};

// The built-in team table, indexed by team number (entry 0 = no team).
const std::array<DefaultTeam, kTeams + 1>& DefaultTeams();

// Conference and division are fixed by the team number; 0 for team 0 or a
// number outside 1 to 30.
int TeamConference(int team);
int TeamDivision(int team);

// The six standings headings, one per division, in division order.
const std::array<std::string, kDivisions>& DivisionHeadings();

// Today's league: the 32 teams numbered by location, and its eight division headings.
const std::array<DefaultTeam, kMaxTeams + 1>& TodayTeams();
const std::array<std::string, kMaxDivisions>& TodayDivisionHeadings();

struct League;

// The four name tables, indexed by team number (entry 0 = no team); entries
// past the league's last team stay blank.
struct TeamTables {
    std::array<std::string, kMaxTeams + 1> TeamCity;
    std::array<std::string, kMaxTeams + 1> TeamName;
    std::array<std::string, kMaxTeams + 1> TeamCityAbbr;
    std::array<std::string, kMaxTeams + 1> TeamNameAbbr;

    // The built-in names of the 1997 league, or of `league`.
    static TeamTables Defaults();
    static TeamTables Defaults(const League& league);

    // Safe lookups: a number outside the tables (bad data in a file) gives a blank name.
    const std::string& City(int team) const;
    const std::string& Name(int team) const;
    const std::string& CityAbbr(int team) const;
    const std::string& NameAbbr(int team) const;
};

}  // namespace gm
