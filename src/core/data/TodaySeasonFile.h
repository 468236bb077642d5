#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "GameRecord.h"
#include "Status.h"

namespace gm {

// The season file of today's league, "Season.gms". Little-endian, no padding:
//
//   offset  size  field
//        0     8  signature "GMSEASON" (no 1997 season file starts so: its first
//                 byte is a team number, 0 to 30)
//        8     2  format version, 1
//       10     2  the season's year
//       12     1  weeks (22)
//       13     1  slots a week (16)
//       14     1  teams (32)
//       15     1  record size (29)
//       16        weeks x slots records, week by week: the 23-byte game record
//                 as EncodeGame writes it, then the kick-off date (4 bytes,
//                 YYYYMMDD) and time (2 bytes, HHMM)
inline constexpr std::string_view kTodaySeasonSignature = "GMSEASON";
inline constexpr int kTodaySeasonVersion = 1;
inline constexpr int kTodaySeasonHeaderSize = 16;
inline constexpr int kTodaySeasonRecordSize = kGameRecordSize + 4 + 2;

struct TodaySeasonRead {
    SeasonGrid Games{};
    int Year = 0;
    // Error: not such a file, or a newer format; nothing may be used. Warning:
    // damaged, loaded as far as it could be, the message says what was wrong.
    Status Result;
};

std::string EncodeTodaySeason(const SeasonGrid& games, int year);
TodaySeasonRead DecodeTodaySeason(std::string_view bytes);
// The bytes begin with the signature (a 1997 reader refuses them).
bool IsTodaySeasonFile(std::string_view bytes);

}  // namespace gm
