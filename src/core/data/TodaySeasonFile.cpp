#include "TodaySeasonFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "League.h"

namespace gm {

namespace {

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

unsigned Byte(std::string_view b, std::size_t at) { return static_cast<unsigned char>(b[at]); }
unsigned Get16(std::string_view b, std::size_t at) { return Byte(b, at) | Byte(b, at + 1) << 8; }
std::uint32_t Get32(std::string_view b, std::size_t at) { return Get16(b, at) | static_cast<std::uint32_t>(Get16(b, at + 2)) << 16; }

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "; ") + p;
    return out;
}

}  // namespace

bool IsTodaySeasonFile(std::string_view bytes) { return bytes.starts_with(kTodaySeasonSignature); }

std::string EncodeTodaySeason(const SeasonGrid& games, int year) {
    const League& league = LeagueToday();
    std::string out(kTodaySeasonSignature);
    Put16(out, kTodaySeasonVersion);
    Put16(out, static_cast<unsigned>(std::clamp(year, 0, 0xFFFF)));
    out += static_cast<char>(league.Weeks);
    out += static_cast<char>(league.Slots);
    out += static_cast<char>(league.Teams);
    out += static_cast<char>(kTodaySeasonRecordSize);
    for (int w = 0; w < league.Weeks; ++w) {
        for (int s = 0; s < league.Slots; ++s) {
            const GameRecord& g = games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
            const GameBytes b = EncodeGame(g);
            out.append(reinterpret_cast<const char*>(b.data()), b.size());
            Put32(out, g.KickoffDate);
            Put16(out, g.KickoffTime);
        }
    }
    return out;
}

TodaySeasonRead DecodeTodaySeason(std::string_view bytes) {
    TodaySeasonRead r;
    if (!IsTodaySeasonFile(bytes)) {
        r.Result = Status::Error("it is not a season file of today's league (it does not begin with \"" +
                                 std::string(kTodaySeasonSignature) + "\")");
        return r;
    }
    const League& league = LeagueToday();
    std::vector<std::string> damage;
    if (bytes.size() < kTodaySeasonHeaderSize) {
        r.Result = Status::Warning("the file ends inside its header; the season shows empty");
        return r;
    }
    const unsigned version = Get16(bytes, 8);
    if (version > kTodaySeasonVersion) {
        r.Result = Status::Error("it was written by a newer Gridmoot (format version " + std::to_string(version) +
                                 "; this one reads version " + std::to_string(kTodaySeasonVersion) + ")");
        return r;
    }
    if (version == 0) damage.push_back("format version 0 read as version 1");
    r.Year = static_cast<int>(Get16(bytes, 10));
    if (r.Year < 1920 || r.Year > 2999) {
        damage.push_back("year " + std::to_string(r.Year) + " is not a season");
        r.Year = 0;
    }

    // The records are stepped through with the dimensions the header gives,
    // so that a file of other dimensions still yields the games it can.
    auto dimension = [&](std::size_t at, int expected, int smallest, const char* what) {
        const int v = static_cast<int>(Byte(bytes, at));
        if (v == expected) return v;
        if (v < smallest) {
            damage.push_back(std::string(what) + " " + std::to_string(v) + " read as " + std::to_string(expected));
            return expected;
        }
        damage.push_back(std::string(what) + " " + std::to_string(v) + " where " + std::to_string(expected) +
                         " belong");
        return v;
    };
    const int weeks = dimension(12, league.Weeks, 1, "weeks");
    const int slots = dimension(13, league.Slots, 1, "slots");
    if (Byte(bytes, 14) != static_cast<unsigned>(league.Teams))
        damage.push_back("teams " + std::to_string(Byte(bytes, 14)) + " where " + std::to_string(league.Teams) +
                         " belong");
    const int recordSize = dimension(15, kTodaySeasonRecordSize, kGameRecordSize, "record size");

    const std::size_t expected = kTodaySeasonHeaderSize + static_cast<std::size_t>(weeks * slots * recordSize);
    if (bytes.size() < expected)
        damage.push_back("the file ends after " +
                         std::to_string((bytes.size() - kTodaySeasonHeaderSize) / static_cast<std::size_t>(recordSize)) +
                         " of " + std::to_string(weeks * slots) + " games");
    else if (bytes.size() > expected)
        damage.push_back(std::to_string(bytes.size() - expected) + " bytes past the last game");

    int badTeams = 0;
    for (int w = 0; w < std::min(weeks, league.Weeks); ++w) {
        for (int s = 0; s < std::min(slots, league.Slots); ++s) {
            const std::size_t at = kTodaySeasonHeaderSize + static_cast<std::size_t>((w * slots + s) * recordSize);
            if (at + kGameRecordSize > bytes.size()) continue;
            GameRecord g = DecodeGame(std::span<const std::uint8_t, kGameRecordSize>(
                reinterpret_cast<const std::uint8_t*>(bytes.data() + at), kGameRecordSize));
            if (recordSize >= kTodaySeasonRecordSize && at + kTodaySeasonRecordSize <= bytes.size()) {
                g.KickoffDate = Get32(bytes, at + kGameRecordSize);
                g.KickoffTime = static_cast<std::uint16_t>(Get16(bytes, at + kGameRecordSize + 4));
            }
            // A team outside the league would index past every team table: the slot stays empty.
            if (g.HomeTeam > league.Teams || g.AwayTeam > league.Teams) {
                ++badTeams;
                continue;
            }
            r.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)] = g;
        }
    }
    if (badTeams > 0)
        damage.push_back(std::to_string(badTeams) + (badTeams == 1 ? " game names" : " games name") +
                         " a team outside 1 to " + std::to_string(league.Teams) + " and " +
                         (badTeams == 1 ? "was" : "were") + " left out");
    if (!damage.empty()) r.Result = Status::Warning("the file is damaged: " + Join(damage));
    return r;
}

}  // namespace gm
