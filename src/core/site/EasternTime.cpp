#include "core/site/EasternTime.h"

#include <array>
#include <cstdio>

namespace gm {

namespace {

using namespace std::chrono;

// The n-th Sunday (1-based) of a month.
sys_days NthSunday(year y, month m, unsigned n) {
    return sys_days(year_month_weekday(y / m / weekday_indexed(Sunday, n)));
}

// The two instants at which daylight time begins and ends in a year.
struct DstBounds {
    sys_seconds Start;  // 2:00 EST = 7:00 UTC
    sys_seconds End;    // 2:00 EDT = 6:00 UTC
};

DstBounds BoundsFor(year y) {
    return {NthSunday(y, March, 2) + hours(7), NthSunday(y, November, 1) + hours(6)};
}

bool IsDaylight(sys_seconds t) {
    const year y = year_month_day(floor<days>(t)).year();
    const DstBounds b = BoundsFor(y);
    return t >= b.Start && t < b.End;
}

}  // namespace

std::optional<SiteTime> EasternToUtc(EasternClock when) {
    const int yy = static_cast<int>(when.Date / 10000);
    const unsigned mm = (when.Date / 100) % 100;
    const unsigned dd = when.Date % 100;
    const int hh = when.Time / 100;
    const int mi = when.Time % 100;
    const year_month_day ymd{year(yy), month(mm), day(dd)};
    if (!ymd.ok() || hh > 23 || mi > 59) return std::nullopt;
    const sys_seconds local = sys_days(ymd) + hours(hh) + minutes(mi);
    // Read the wall clock as daylight time first; if that instant is not in
    // daylight time, it is standard time.
    const sys_seconds asDaylight = local + hours(4);
    if (IsDaylight(asDaylight)) return asDaylight;
    return local + hours(5);
}

EasternClock UtcToEastern(SiteTime when) {
    const sys_seconds local = when - hours(IsDaylight(when) ? 4 : 5);
    const sys_days d = floor<days>(local);
    const year_month_day ymd(d);
    const hh_mm_ss<seconds> tod(local - d);
    EasternClock out;
    out.Date = static_cast<std::uint32_t>(static_cast<int>(ymd.year()) * 10000 +
                                          static_cast<int>(static_cast<unsigned>(ymd.month())) * 100 +
                                          static_cast<int>(static_cast<unsigned>(ymd.day())));
    out.Time = static_cast<std::uint16_t>(tod.hours().count() * 100 + tod.minutes().count());
    return out;
}

std::optional<SiteTime> KickoffInstant(const GameRecord& game) {
    if (game.KickoffDate == 0) return std::nullopt;
    return EasternToUtc({game.KickoffDate, game.KickoffTime});
}

std::string EasternStamp(SiteTime when) {
    const bool daylight = IsDaylight(when);
    const sys_seconds local = when - hours(daylight ? 4 : 5);
    const sys_days d = floor<days>(local);
    const year_month_day ymd(d);
    const hh_mm_ss<seconds> tod(local - d);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02uT%02d:%02d:%02d%s", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(tod.hours().count()), static_cast<int>(tod.minutes().count()),
                  static_cast<int>(tod.seconds().count()), daylight ? "-04:00" : "-05:00");
    return buf;
}

std::string EasternLabel(SiteTime when) {
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const sys_seconds local = when - hours(IsDaylight(when) ? 4 : 5);
    const sys_days d = floor<days>(local);
    const year_month_day ymd(d);
    const hh_mm_ss<seconds> tod(local - d);
    const int h = static_cast<int>(tod.hours().count());
    const int h12 = h % 12 == 0 ? 12 : h % 12;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s %u/%u/%d %d:%02d %s ET", kDays[weekday(d).c_encoding()],
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()),
                  h12, static_cast<int>(tod.minutes().count()), h < 12 ? "AM" : "PM");
    return buf;
}

}  // namespace gm
