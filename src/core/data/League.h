#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "GameRecord.h"

namespace gm {

struct DefaultTeam;

// The two leagues a season may belong to: the 1997 league (30 teams, six
// divisions, 21 weeks of up to 15 games, the Monday-night game in slot 14) and
// today's league (32 teams, eight divisions, 18 regular weeks and four playoff
// weeks of up to 16 games, kick-off times).
enum class LeagueKind : std::uint8_t { Nfl1997 = 0, Today = 1 };

// What a season's displays and files ask of its league instead of using the
// 1997 numbers directly. Conferences are numbered as in 1997 (1 AFC, 2 NFC);
// divisions are numbered from 1 in display order.
struct League {
    LeagueKind Kind;
    int Year;          // the season a new folder of this league starts with
    int Teams;         // team numbers 1 to Teams; 0 = no team
    int Weeks;         // weeks 1 to Weeks
    int RegularWeeks;  // the weeks before the playoffs
    int Slots;         // game slots 0 to Slots - 1 a week
    int Divisions;     // divisions 1 to Divisions
    bool KickoffTimes;  // games carry a kick-off date and time
    std::span<const DefaultTeam> TeamTable;  // Teams + 1 entries; entry 0 = no team
    std::span<const std::string> Headings;   // the standings heading of each division, in division order

    bool ValidTeam(int team) const { return team >= 1 && team <= Teams; }
    bool ValidWeek(int week) const { return week >= 1 && week <= Weeks; }
    // 0 for team 0 or a number outside the league.
    int Conference(int team) const;
    int Division(int team) const;
    int DivisionConference(int division) const;
    // The team whose short id (the public games CSV's abbreviation, "LA",
    // "LAC", "WAS", ...) is `id`, in any letter case; 0 if none. The 1997
    // league has no such ids.
    int TeamFromId(std::string_view id) const;
    std::string_view TeamId(int team) const;

    // The week's tiebreak game (the Monday-night game): in 1997 always slot
    // 14; in today's league the week's last game by kick-off (of two at one
    // time, the later slot), or the last filled slot when no game has a
    // kick-off. -1 for a week without games in today's league.
    int TiebreakSlot(const WeekGames& week) const;

    bool operator==(const League& other) const { return Kind == other.Kind; }
};

// A game's kick-off as displays show it: "Thu 9/5 8:20 PM"; empty when the
// game has none (every 1997 game).
std::string KickoffLabel(const GameRecord& game);

const League& League1997();
const League& LeagueToday();
const League& LeagueFor(LeagueKind kind);

}  // namespace gm
