#include "SeasonCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <bit>
#include <map>
#include <optional>
#include <tuple>

#include "Csv.h"
#include "Teams.h"

namespace gm {
namespace {

struct TeamNames {
    std::vector<std::string_view> FullNames;
    std::vector<std::string_view> Ids;
};

// Indexed by team number. Names and ids include the ones the franchise used
// before and after the seasons the program keeps.
const std::array<TeamNames, kTeams + 1>& TeamNameTable() {
    static const std::array<TeamNames, kTeams + 1> t = {{
        {{}, {}},
        {{"Arizona Cardinals", "Phoenix Cardinals"}, {"ARI", "PHO", "CRD"}},
        {{"Atlanta Falcons"}, {"ATL"}},
        {{"Baltimore Ravens", "Cleveland Browns"}, {"BAL", "CLE", "RAV"}},
        {{"Buffalo Bills"}, {"BUF"}},
        {{"Carolina Panthers"}, {"CAR"}},
        {{"Chicago Bears"}, {"CHI"}},
        {{"Cincinnati Bengals"}, {"CIN"}},
        {{"Dallas Cowboys"}, {"DAL"}},
        {{"Denver Broncos"}, {"DEN"}},
        {{"Detroit Lions"}, {"DET"}},
        {{"Green Bay Packers"}, {"GB", "GNB"}},
        {{"Tennessee Oilers", "Houston Oilers", "Tennessee Titans"}, {"TEN", "HOU", "OTI"}},
        {{"Indianapolis Colts"}, {"IND", "CLT"}},
        {{"Jacksonville Jaguars"}, {"JAX", "JAC"}},
        {{"Kansas City Chiefs"}, {"KC", "KAN"}},
        {{"Miami Dolphins"}, {"MIA"}},
        {{"Minnesota Vikings"}, {"MIN"}},
        {{"New England Patriots"}, {"NE", "NWE"}},
        {{"New Orleans Saints"}, {"NO", "NOR"}},
        {{"New York Giants"}, {"NYG"}},
        {{"New York Jets"}, {"NYJ"}},
        {{"Oakland Raiders", "Los Angeles Raiders", "Las Vegas Raiders"}, {"OAK", "LVR", "LV", "RAI"}},
        {{"Philadelphia Eagles"}, {"PHI"}},
        {{"Pittsburgh Steelers"}, {"PIT"}},
        {{"San Diego Chargers", "Los Angeles Chargers"}, {"SD", "LAC", "SDG"}},
        {{"San Francisco 49ers"}, {"SF", "SFO"}},
        {{"Seattle Seahawks"}, {"SEA"}},
        {{"St. Louis Rams", "Los Angeles Rams"}, {"STL", "LAR", "RAM"}},
        {{"Tampa Bay Buccaneers"}, {"TB", "TAM"}},
        {{"Washington Redskins"}, {"WAS"}},
    }};
    return t;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<long> ParseInt(std::string_view s) {
    s = Trim(s);
    long v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || p != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

std::optional<double> ParseNumber(std::string_view s) {
    s = Trim(s);
    if (s.empty()) return std::nullopt;
    std::string text(s);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// "9/3/1995" as a sortable number.
std::optional<long> ParseDate(std::string_view s) {
    const auto a = s.find('/');
    const auto b = a == std::string_view::npos ? a : s.find('/', a + 1);
    if (b == std::string_view::npos) return std::nullopt;
    const auto m = ParseInt(s.substr(0, a));
    const auto d = ParseInt(s.substr(a + 1, b - a - 1));
    const auto y = ParseInt(s.substr(b + 1));
    if (!m || !d || !y || *m < 1 || *m > 12 || *d < 1 || *d > 31 || *y < 1 || *y > 9999) return std::nullopt;
    return *y * 10000 + *m * 100 + *d;
}

int WeekNumber(std::string_view w) {
    if (auto n = ParseInt(w); n && *n >= 1 && *n <= 17) return static_cast<int>(*n);
    static const std::map<std::string_view, int> playoffs = {
        {"Wildcard", 18}, {"Division", 19}, {"Conference", 20}, {"Superbowl", 21}};
    const auto it = playoffs.find(Trim(w));
    return it == playoffs.end() ? 0 : it->second;
}

void SetConferences(GameRecord& g) {
    g.HomeConference = static_cast<std::uint8_t>(TeamConference(g.HomeTeam));
    g.AwayConference = static_cast<std::uint8_t>(TeamConference(g.AwayTeam));
    g.HomeDivision = static_cast<std::uint8_t>(TeamDivision(g.HomeTeam));
    g.AwayDivision = static_cast<std::uint8_t>(TeamDivision(g.AwayTeam));
}

struct PendingGame {
    int Line;
    long Date;
    GameRecord Game;
};

void ImportScoresAndLines(const std::vector<std::string_view>& lines, int season, SeasonImport& out) {
    const auto header = SplitCsvLine(lines[0]);
    auto column = [&](std::string_view name) -> int {
        const auto it = std::find(header.begin(), header.end(), name);
        return it == header.end() ? -1 : static_cast<int>(it - header.begin());
    };
    const int cDate = column("schedule_date"), cSeason = column("schedule_season"), cWeek = column("schedule_week"),
              cHome = column("team_home"), cAway = column("team_away"), cHomeScore = column("score_home"),
              cAwayScore = column("score_away"), cFav = column("team_favorite_id"),
              cLine = column("spread_favorite");
    for (int c : {cDate, cSeason, cWeek, cHome, cAway, cHomeScore, cAwayScore, cFav, cLine}) {
        if (c < 0) {
            out.Problems.push_back({1, "the header lacks a column the importer needs"});
            return;
        }
    }

    std::array<std::vector<PendingGame>, kWeeks> weeks;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (Trim(lines[i]).empty()) continue;
        const auto f = SplitCsvLine(lines[i]);
        auto field = [&](int c) -> std::string_view {
            return c < static_cast<int>(f.size()) ? std::string_view(f[c]) : std::string_view();
        };
        auto problem = [&](std::string reason) { out.Problems.push_back({lineNo, std::move(reason)}); };

        const auto rowSeason = ParseInt(field(cSeason));
        if (!rowSeason) {
            problem("bad season \"" + std::string(field(cSeason)) + "\"");
            continue;
        }
        if (*rowSeason != season) continue;

        const int week = WeekNumber(field(cWeek));
        if (week == 0) {
            problem("unknown week \"" + std::string(field(cWeek)) + "\"");
            continue;
        }
        const auto date = ParseDate(field(cDate));
        if (!date) {
            problem("bad date \"" + std::string(field(cDate)) + "\"");
            continue;
        }
        GameRecord g;
        g.HomeTeam = static_cast<std::uint8_t>(TeamFromFullName(field(cHome)));
        g.AwayTeam = static_cast<std::uint8_t>(TeamFromFullName(field(cAway)));
        if (g.HomeTeam == 0) {
            problem("unknown team \"" + std::string(field(cHome)) + "\"");
            continue;
        }
        if (g.AwayTeam == 0) {
            problem("unknown team \"" + std::string(field(cAway)) + "\"");
            continue;
        }
        if (g.HomeTeam == g.AwayTeam) {
            problem("a team cannot play itself");
            continue;
        }
        // Two empty scores are a game not played yet (0-0); one alone is a damaged row.
        const std::string_view hs = Trim(field(cHomeScore)), as = Trim(field(cAwayScore));
        const bool unplayed = hs.empty() && as.empty();
        const auto home = unplayed ? std::optional<long>(0) : ParseInt(hs);
        const auto away = unplayed ? std::optional<long>(0) : ParseInt(as);
        if (!home || *home < 0 || *home > 99 || !away || *away < 0 || *away > 99) {
            problem("bad score \"" + std::string(hs) + "\" - \"" + std::string(as) + "\" (scores run from 0 to 99)");
            continue;
        }
        g.HomeScore = static_cast<std::uint8_t>(*home);
        g.AwayScore = static_cast<std::uint8_t>(*away);
        ApplyResult(g);

        const std::string_view fav = Trim(field(cFav));
        const std::string_view lineText = Trim(field(cLine));
        if (fav.empty() || fav == "PICK") {
            // An even game: a line with no favourite to give it would be dropped unseen.
            const auto line = lineText.empty() ? std::optional<double>(0.0) : ParseNumber(lineText);
            if (!line || *line != 0) {
                problem("a line of \"" + std::string(lineText) + "\" without a favourite");
                continue;
            }
        } else {
            const auto line = lineText.empty() ? std::optional<double>(0.0) : ParseNumber(lineText);
            const double points = line ? std::fabs(*line) : -1;
            if (!line || points > 99.5 || std::fmod(points * 2, 1.0) != 0) {
                problem("bad line \"" + std::string(lineText) + "\" (half points from 0 to 99.5)");
                continue;
            }
            // The underdog is credited with the favourite's line.
            if (TeamHasId(g.HomeTeam, fav)) {
                g.AwaySpread = static_cast<float>(points);
            } else if (TeamHasId(g.AwayTeam, fav)) {
                g.HomeSpread = static_cast<float>(points);
            } else {
                problem("favourite id \"" + std::string(fav) + "\" matches neither team of the game");
                continue;
            }
        }
        SetConferences(g);
        weeks[week - 1].push_back({lineNo, *date, g});
    }

    for (int w = 0; w < kWeeks; ++w) {
        auto& games = weeks[w];
        if (games.size() > static_cast<std::size_t>(kSlots)) {
            out.Problems.push_back(
                {games[kSlots].Line, "a 16th game in week " + std::to_string(w + 1) + " (a week holds 15)"});
            continue;
        }
        std::stable_sort(games.begin(), games.end(),
                         [](const PendingGame& a, const PendingGame& b) { return a.Date < b.Date; });
        for (std::size_t k = 0; k < games.size(); ++k) {
            const bool last = k + 1 == games.size();
            out.Games[w][last ? kMondaySlot : k] = games[k].Game;
            ++out.GamesPlaced;
        }
    }
}

// "2024-09-05" as YYYYMMDD.
std::optional<std::uint32_t> ParseIsoDate(std::string_view s) {
    s = Trim(s);
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
    const auto y = ParseInt(s.substr(0, 4));
    const auto m = ParseInt(s.substr(5, 2));
    const auto d = ParseInt(s.substr(8, 2));
    if (!y || !m || !d || *y < 1900 || *m < 1 || *m > 12 || *d < 1) return std::nullopt;
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (*y % 4 == 0 && *y % 100 != 0) || *y % 400 == 0;
    if (*d > days[*m - 1] || (*m == 2 && *d == 29 && !leap)) return std::nullopt;
    return static_cast<std::uint32_t>(*y * 10000 + *m * 100 + *d);
}

// "20:20" (24-hour) as HHMM.
std::optional<std::uint16_t> ParseClock(std::string_view s) {
    s = Trim(s);
    const auto colon = s.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || s.size() != colon + 3) return std::nullopt;
    const auto h = ParseInt(s.substr(0, colon));
    const auto m = ParseInt(s.substr(colon + 1));
    if (!h || !m || *h < 0 || *h > 23 || *m < 0 || *m > 59 || s[colon + 1] == '+' || s[colon + 1] == '-')
        return std::nullopt;
    return static_cast<std::uint16_t>(*h * 100 + *m);
}

bool IsGamesHeader(std::string_view header) {
    const auto h = SplitCsvLine(header);
    auto has = [&](std::string_view name) { return std::find(h.begin(), h.end(), name) != h.end(); };
    return has("game_type") && has("gameday") && has("away_team") && has("home_team") && has("spread_line");
}

void ImportGames(const std::vector<std::string_view>& lines, int season, SeasonImport& out) {
    const League& league = LeagueToday();
    out.League = league.Kind;
    const auto header = SplitCsvLine(lines[0]);
    auto column = [&](std::string_view name) -> int {
        const auto it = std::find(header.begin(), header.end(), name);
        return it == header.end() ? -1 : static_cast<int>(it - header.begin());
    };
    const int cSeason = column("season"), cWeek = column("week"), cDay = column("gameday"),
              cTime = column("gametime"), cAway = column("away_team"), cAwayScore = column("away_score"),
              cHome = column("home_team"), cHomeScore = column("home_score"), cLine = column("spread_line");
    for (int c : {cSeason, cWeek, cDay, cTime, cAway, cAwayScore, cHome, cHomeScore, cLine}) {
        if (c < 0) {
            out.Problems.push_back({1, "the header lacks a column the importer needs"});
            return;
        }
    }

    std::array<std::vector<PendingGame>, kMaxWeeks> weeks;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (Trim(lines[i]).empty()) continue;
        const auto f = SplitCsvLine(lines[i]);
        auto field = [&](int c) -> std::string_view {
            return c < static_cast<int>(f.size()) ? Trim(f[static_cast<std::size_t>(c)]) : std::string_view();
        };
        auto problem = [&](std::string reason) { out.Problems.push_back({lineNo, std::move(reason)}); };

        const auto rowSeason = ParseInt(field(cSeason));
        if (!rowSeason) {
            problem("bad season \"" + std::string(field(cSeason)) + "\"");
            continue;
        }
        if (*rowSeason != season) continue;

        const auto week = ParseInt(field(cWeek));
        if (!week || !league.ValidWeek(static_cast<int>(*week))) {
            problem("week \"" + std::string(field(cWeek)) + "\" is out of range (1 to " +
                    std::to_string(league.Weeks) + ")");
            continue;
        }
        GameRecord g;
        const auto day = ParseIsoDate(field(cDay));
        if (!day) {
            problem("bad date \"" + std::string(field(cDay)) + "\" (YYYY-MM-DD)");
            continue;
        }
        const auto time = ParseClock(field(cTime));
        if (!time) {
            problem("bad kick-off time \"" + std::string(field(cTime)) + "\" (HH:MM, 24-hour)");
            continue;
        }
        g.KickoffDate = *day;
        g.KickoffTime = *time;
        g.HomeTeam = static_cast<std::uint8_t>(league.TeamFromId(field(cHome)));
        g.AwayTeam = static_cast<std::uint8_t>(league.TeamFromId(field(cAway)));
        if (g.HomeTeam == 0) {
            problem("unknown team \"" + std::string(field(cHome)) + "\"");
            continue;
        }
        if (g.AwayTeam == 0) {
            problem("unknown team \"" + std::string(field(cAway)) + "\"");
            continue;
        }
        if (g.HomeTeam == g.AwayTeam) {
            problem("a team cannot play itself");
            continue;
        }
        // Two empty scores are a game not played yet (0-0); one alone is a damaged row.
        const std::string_view hs = field(cHomeScore), as = field(cAwayScore);
        const bool unplayed = hs.empty() && as.empty();
        const auto home = unplayed ? std::optional<long>(0) : ParseInt(hs);
        const auto away = unplayed ? std::optional<long>(0) : ParseInt(as);
        if (!home || *home < 0 || *home > 99 || !away || *away < 0 || *away > 99) {
            problem("bad score \"" + std::string(as) + "\" - \"" + std::string(hs) +
                    "\" (away - home; scores run from 0 to 99)");
            continue;
        }
        g.HomeScore = static_cast<std::uint8_t>(*home);
        g.AwayScore = static_cast<std::uint8_t>(*away);
        ApplyResult(g);

        // The home team's expected margin: the underdog is credited with it.
        // An empty line is a game not yet given one, like a pick'em.
        const std::string_view lineText = field(cLine);
        const auto line = lineText.empty() ? std::optional<double>(0.0) : ParseNumber(lineText);
        const double points = line ? std::fabs(*line) : -1;
        if (!line || points > 99.5 || std::fmod(points * 2, 1.0) != 0) {
            problem("bad line \"" + std::string(lineText) + "\" (half points from -99.5 to 99.5)");
            continue;
        }
        if (*line > 0) g.AwaySpread = static_cast<float>(points);
        if (*line < 0) g.HomeSpread = static_cast<float>(points);

        g.HomeConference = static_cast<std::uint8_t>(league.Conference(g.HomeTeam));
        g.AwayConference = static_cast<std::uint8_t>(league.Conference(g.AwayTeam));
        g.HomeDivision = static_cast<std::uint8_t>(league.Division(g.HomeTeam));
        g.AwayDivision = static_cast<std::uint8_t>(league.Division(g.AwayTeam));
        weeks[static_cast<std::size_t>(*week - 1)].push_back({lineNo, 0, g});
    }

    for (int w = 0; w < league.Weeks; ++w) {
        auto& games = weeks[static_cast<std::size_t>(w)];
        if (games.size() > static_cast<std::size_t>(league.Slots)) {
            out.Problems.push_back({games[static_cast<std::size_t>(league.Slots)].Line,
                                    "game " + std::to_string(league.Slots + 1) + " of week " + std::to_string(w + 1) +
                                        " (a week holds " + std::to_string(league.Slots) + ")"});
            continue;
        }
        // Schedule order: by kick-off, games at one time in the order of the file.
        std::stable_sort(games.begin(), games.end(), [](const PendingGame& a, const PendingGame& b) {
            return std::tie(a.Game.KickoffDate, a.Game.KickoffTime) < std::tie(b.Game.KickoffDate, b.Game.KickoffTime);
        });
        for (std::size_t k = 0; k < games.size(); ++k) {
            out.Games[static_cast<std::size_t>(w)][k] = games[k].Game;
            ++out.GamesPlaced;
        }
    }
}

constexpr std::array<std::string_view, 19> kExportHeader = {
    "week",          "slot",           "HomeTeam",       "AwayTeam",      "HomeScore",
    "AwayScore",     "WinScore",       "LoseScore",      "HomeSpread",    "AwaySpread",
    "WinTeam",       "LoseTeam",       "SpreadWinTeam",  "SpreadLoseTeam", "AwayConference",
    "HomeConference", "AwayDivision",  "HomeDivision",   "Spare"};

std::string FormatSpread(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    // A value that would not come back bit for bit (NaN and the like) is written as its bits.
    if (!std::isfinite(v) || std::bit_cast<std::uint32_t>(std::strtof(buf, nullptr)) != std::bit_cast<std::uint32_t>(v))
        std::snprintf(buf, sizeof buf, "0x%08X", std::bit_cast<std::uint32_t>(v));
    return buf;
}

std::optional<float> ParseSpread(std::string_view s) {
    s = Trim(s);
    if (s.size() == 10 && s.substr(0, 2) == "0x") {
        std::uint32_t bits = 0;
        const auto [p, ec] = std::from_chars(s.data() + 2, s.data() + s.size(), bits, 16);
        if (ec != std::errc{} || p != s.data() + s.size()) return std::nullopt;
        return std::bit_cast<float>(bits);
    }
    std::string text(s);
    char* end = nullptr;
    const float v = std::strtof(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) return std::nullopt;
    return v;
}

void ImportExported(const std::vector<std::string_view>& lines, SeasonImport& out) {
    std::array<std::array<bool, kSlots>, kWeeks> seen{};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        if (Trim(lines[i]).empty()) continue;
        const auto f = SplitCsvLine(lines[i]);
        auto problem = [&](std::string reason) { out.Problems.push_back({lineNo, std::move(reason)}); };
        if (f.size() != kExportHeader.size()) {
            problem("expected " + std::to_string(kExportHeader.size()) + " fields, found " + std::to_string(f.size()));
            continue;
        }
        const auto week = ParseInt(f[0]);
        const auto slot = ParseInt(f[1]);
        if (!week || *week < 1 || *week > kWeeks) {
            problem("bad week \"" + f[0] + "\" (1 to 21)");
            continue;
        }
        if (!slot || *slot < 0 || *slot >= kSlots) {
            problem("bad slot \"" + f[1] + "\" (0 to 14)");
            continue;
        }
        if (seen[*week - 1][*slot]) {
            problem("week " + f[0] + " slot " + f[1] + " appears twice");
            continue;
        }
        std::array<std::uint8_t, 19> bytes{};
        bool bad = false;
        for (std::size_t c = 2; c < f.size() && !bad; ++c) {
            if (c == 8 || c == 9) continue;
            const auto v = ParseInt(f[c]);
            if (!v || *v < 0 || *v > 255) {
                problem("bad " + std::string(kExportHeader[c]) + " \"" + f[c] + "\" (0 to 255)");
                bad = true;
            } else {
                bytes[c] = static_cast<std::uint8_t>(*v);
            }
        }
        const auto homeSpread = ParseSpread(f[8]);
        const auto awaySpread = ParseSpread(f[9]);
        if (!bad && (!homeSpread || !awaySpread)) {
            problem("bad spread \"" + (homeSpread ? f[9] : f[8]) + "\"");
            bad = true;
        }
        if (bad) continue;
        seen[*week - 1][*slot] = true;
        GameRecord& g = out.Games[*week - 1][*slot];
        g.HomeTeam = bytes[2];
        g.AwayTeam = bytes[3];
        g.HomeScore = bytes[4];
        g.AwayScore = bytes[5];
        g.WinScore = bytes[6];
        g.LoseScore = bytes[7];
        g.HomeSpread = *homeSpread;
        g.AwaySpread = *awaySpread;
        g.WinTeam = bytes[10];
        g.LoseTeam = bytes[11];
        g.SpreadWinTeam = bytes[12];
        g.SpreadLoseTeam = bytes[13];
        g.AwayConference = bytes[14];
        g.HomeConference = bytes[15];
        g.AwayDivision = bytes[16];
        g.HomeDivision = bytes[17];
        g.Spare = bytes[18];
        ++out.GamesPlaced;
    }
}

std::string ExportHeaderLine() {
    std::string line;
    for (std::size_t i = 0; i < kExportHeader.size(); ++i) {
        if (i) line += ',';
        line += kExportHeader[i];
    }
    return line;
}

}  // namespace

int TeamFromFullName(std::string_view name) {
    name = Trim(name);
    const auto& t = TeamNameTable();
    for (int n = 1; n <= kTeams; ++n)
        if (std::find(t[n].FullNames.begin(), t[n].FullNames.end(), name) != t[n].FullNames.end()) return n;
    return 0;
}

bool TeamHasId(int team, std::string_view id) {
    if (team < 1 || team > kTeams) return false;
    const auto& ids = TeamNameTable()[team].Ids;
    return std::find(ids.begin(), ids.end(), Trim(id)) != ids.end();
}

std::string SeasonFileNameFor(int season) {
    switch (season) {
        case 1995: return "1995.NFL";
        case 1996: return "1996.NFL";
        case 1997: return "1997.nfl";
        default: return {};
    }
}

SeasonImport ImportSeasonCsv(std::string_view text, int season) {
    SeasonImport out;
    out.Season = season;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const auto lines = SplitLines(text);
    if (lines.empty()) {
        out.Problems.push_back({1, "the file is empty"});
        return out;
    }
    if (lines[0].find("schedule_season") != std::string_view::npos) {
        ImportScoresAndLines(lines, season, out);
    } else if (IsGamesHeader(lines[0])) {
        ImportGames(lines, season, out);
    } else if (lines[0] == ExportHeaderLine()) {
        ImportExported(lines, out);
    } else {
        out.Problems.push_back({1, "unknown header: neither a scores-and-lines file, a games file nor an exported season"});
    }
    return out;
}

std::string ExportSeasonCsv(const SeasonGrid& games) {
    std::string out = ExportHeaderLine() + "\n";
    const GameRecord empty{};
    for (int w = 0; w < kWeeks; ++w) {
        for (int s = 0; s < kSlots; ++s) {
            const GameRecord& g = games[w][s];
            // Every slot with any byte set, so that export and import give the same file.
            if (EncodeGame(g) == EncodeGame(empty)) continue;
            const int fields[] = {g.HomeTeam,      g.AwayTeam,       g.HomeScore,      g.AwayScore,
                                  g.WinScore,      g.LoseScore};
            const int tail[] = {g.WinTeam,        g.LoseTeam,       g.SpreadWinTeam, g.SpreadLoseTeam,
                                g.AwayConference, g.HomeConference, g.AwayDivision,  g.HomeDivision, g.Spare};
            out += std::to_string(w + 1) + "," + std::to_string(s);
            for (int v : fields) out += "," + std::to_string(v);
            out += "," + FormatSpread(g.HomeSpread) + "," + FormatSpread(g.AwaySpread);
            for (int v : tail) out += "," + std::to_string(v);
            out += "\n";
        }
    }
    return out;
}

}  // namespace gm
