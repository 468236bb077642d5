#pragma once

#include <chrono>

namespace gm::test {

// An instant given as a UTC date and time, as the picks site counts time.
inline std::chrono::sys_seconds Utc(int y, unsigned m, unsigned d, int h, int mi) {
    using namespace std::chrono;
    return sys_days(year(y) / month(m) / day(d)) + hours(h) + minutes(mi);
}

}  // namespace gm::test
