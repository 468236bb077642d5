#include "League.h"

#include <tuple>

#include "Teams.h"

namespace gm {

namespace {

bool SameId(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

// Day of the week of a Gregorian date, 0 = Sunday (Sakamoto's method).
int Weekday(int y, int m, int d) {
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + d) % 7;
}

}  // namespace

std::string KickoffLabel(const GameRecord& game) {
    if (game.KickoffDate == 0) return {};
    const int y = static_cast<int>(game.KickoffDate / 10000);
    const int m = static_cast<int>(game.KickoffDate / 100 % 100);
    const int d = static_cast<int>(game.KickoffDate % 100);
    if (m < 1 || m > 12 || d < 1 || d > 31) return {};
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string out = std::string(days[Weekday(y, m, d)]) + " " + std::to_string(m) + "/" + std::to_string(d);
    const int hour = game.KickoffTime / 100;
    const int minute = game.KickoffTime % 100;
    if (hour > 23 || minute > 59) return out;
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    out += " " + std::to_string(h12) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute) + (hour < 12 ? " AM" : " PM");
    return out;
}

int League::Conference(int team) const { return ValidTeam(team) ? TeamTable[static_cast<std::size_t>(team)].Conference : 0; }

int League::Division(int team) const { return ValidTeam(team) ? TeamTable[static_cast<std::size_t>(team)].Division : 0; }

int League::DivisionConference(int division) const {
    for (int team = 1; team <= Teams; ++team) {
        if (Division(team) == division) return Conference(team);
    }
    return 0;
}

int League::TeamFromId(std::string_view id) const {
    if (id.empty()) return 0;
    for (int team = 1; team <= Teams; ++team) {
        const std::string_view own = TeamTable[static_cast<std::size_t>(team)].Id;
        if (!own.empty() && SameId(own, id)) return team;
    }
    return 0;
}

std::string_view League::TeamId(int team) const {
    return ValidTeam(team) ? TeamTable[static_cast<std::size_t>(team)].Id : std::string_view{};
}

int League::TiebreakSlot(const WeekGames& week) const {
    if (Kind == LeagueKind::Nfl1997) return kMondaySlot;
    int best = -1;
    for (int slot = 0; slot < Slots; ++slot) {
        const GameRecord& g = week[static_cast<std::size_t>(slot)];
        if (!g.HasGame()) continue;
        if (best < 0) {
            best = slot;
            continue;
        }
        const GameRecord& b = week[static_cast<std::size_t>(best)];
        if (std::tie(g.KickoffDate, g.KickoffTime) >= std::tie(b.KickoffDate, b.KickoffTime)) best = slot;
    }
    return best;
}

const League& League1997() {
    static const League league{LeagueKind::Nfl1997, 1997, kTeams, kWeeks, 17, kSlots, kDivisions, false,
                               std::span<const DefaultTeam>(DefaultTeams()),
                               std::span<const std::string>(DivisionHeadings())};
    return league;
}

const League& LeagueToday() {
    static const League league{LeagueKind::Today, 2024, kMaxTeams, kMaxWeeks, 18, kMaxSlots, kMaxDivisions, true,
                               std::span<const DefaultTeam>(TodayTeams()),
                               std::span<const std::string>(TodayDivisionHeadings())};
    return league;
}

const League& LeagueFor(LeagueKind kind) { return kind == LeagueKind::Today ? LeagueToday() : League1997(); }

}  // namespace gm
