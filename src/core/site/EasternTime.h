#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "core/data/GameRecord.h"

namespace gm {

// Instants the site works with: seconds since the epoch, UTC. The caller
// passes "now" in, so that the site never reads the machine's clock or zone.
using SiteTime = std::chrono::sys_seconds;

// A wall-clock time in US Eastern (what kick-offs and deadlines are written
// in): date as YYYYMMDD, time as HHMM (24-hour).
struct EasternClock {
    std::uint32_t Date = 0;
    std::uint16_t Time = 0;
    bool operator==(const EasternClock&) const = default;
};

// Daylight saving time in US Eastern runs from 2:00 on the second Sunday of
// March to 2:00 on the first Sunday of November. The instant of an Eastern
// wall-clock time: a time skipped when clocks go forward (2:00-2:59 in March)
// counts as standard time, i.e. the same instant as an hour later; a time
// that happens twice in November is taken the first time (daylight time).
// Nothing for a date or time that does not exist (month 13, 25:00, ...).
std::optional<SiteTime> EasternToUtc(EasternClock when);
// The Eastern wall-clock time of an instant.
EasternClock UtcToEastern(SiteTime when);
// The kick-off of a game as an instant; nothing when the game has none.
std::optional<SiteTime> KickoffInstant(const GameRecord& game);

// "2024-09-05T20:20:00-04:00": an instant as Eastern time with its offset.
std::string EasternStamp(SiteTime when);
// "Thu 9/5/2024 8:20 PM ET" for pages.
std::string EasternLabel(SiteTime when);

}  // namespace gm
