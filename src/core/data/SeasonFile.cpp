#include "SeasonFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "Settings.h"
#include "TodaySeasonFile.h"

namespace gm {

std::string EncodeSeason(const SeasonGrid& games) {
    std::string out;
    out.reserve(kSeasonFileSize);
    for (int w = 0; w < kWeeks; ++w) {
        for (int s = 0; s < kSlots; ++s) {
            const GameBytes b = EncodeGame(games[w][s]);
            out.append(reinterpret_cast<const char*>(b.data()), b.size());
        }
    }
    return out;
}

SeasonGrid DecodeSeason(std::string_view bytes) {
    SeasonGrid games{};
    std::size_t at = 0;
    for (int w = 0; w < kWeeks; ++w) {
        for (int s = 0; s < kSlots; ++s, at += kGameRecordSize) {
            if (at >= bytes.size()) return games;
            GameBytes b{};
            std::memcpy(b.data(), bytes.data() + at, std::min<std::size_t>(kGameRecordSize, bytes.size() - at));
            games[w][s] = DecodeGame(b);
        }
    }
    return games;
}

namespace {

bool IsCurrentSeason(std::string_view name) { return name == kCurrentSeasonRead || name == kCurrentSeasonWritten; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool HoldsTodaySeason(const AppState& state) {
    std::error_code ec;
    return fs::is_regular_file(state.File(kTodaySeasonFileName), ec);
}

// Reads "Season.gms" and makes the state a season of today's league: its
// league, its team names (built-in, then the settings file's edits) and its year.
Status LoadTodaySeason(AppState& state) {
    const fs::path file = state.File(kTodaySeasonFileName);
    std::string bytes;
    if (Status s = ReadFileBytes(file, bytes); !s) return s;
    TodaySeasonRead read = DecodeTodaySeason(bytes);
    if (!read.Result)
        return Status::Error("The season file " + file.string() + " cannot be read: " + read.Result.message + ".");
    state.SetLeague(LeagueToday());
    LoadTeamTables(state);
    ReadCurrentWeek(state);
    state.Games = read.Games;
    state.SeasonYear = std::to_string(read.Year != 0 ? read.Year : LeagueToday().Year);
    state.SeasonFileName = std::string(kTodaySeasonFileName);
    if (read.Result.isWarning())
        return Status::Warning("The season file " + file.string() + " was loaded as far as it could be: " +
                               read.Result.message + ".");
    return Status::Ok();
}

}  // namespace

Status LoadSeason(AppState& state, std::string_view name) {
    if (SameName(name, kTodaySeasonFileName) || (IsCurrentSeason(name) && HoldsTodaySeason(state)))
        return LoadTodaySeason(state);
    const fs::path file = state.File(name);
    std::string bytes;
    bool missing = false;
    // A file that cannot be read leaves the season in memory as it was.
    if (Status s = ReadFileBytes(file, bytes, &missing); !s) return s;
    if (IsTodaySeasonFile(bytes))
        return Status::Error("The file " + file.string() +
                             " holds a season of today's league, not a 1997 season file; it was not loaded.");
    const bool current = IsCurrentSeason(name);
    if (missing && current)
        if (Status s = TouchFile(file); !s) return s;
    // A state that held today's league goes back to the 1997 one with its names.
    if (state.League().Kind != LeagueKind::Nfl1997) {
        state.SetLeague(League1997());
        LoadTeamTables(state);
    }
    state.SeasonFileName = std::string(name);
    state.Games = DecodeSeason(bytes);
    if (!missing || current) return Status::Ok();
    return Status::Warning("The season file \"" + std::string(name) + "\" was not found in " +
                           state.DataFolder.string() + "; its weeks show empty.");
}

Status SaveSeason(AppState& state) {
    if (state.League().Kind == LeagueKind::Today) {
        int year = 0;
        try {
            year = std::stoi(state.SeasonYear);
        } catch (...) {
            year = state.League().Year;
        }
        state.SeasonFileName = std::string(kTodaySeasonFileName);
        return WriteFileAtomic(state.File(kTodaySeasonFileName), EncodeTodaySeason(state.Games, year));
    }
    state.SeasonFileName = std::string(kCurrentSeasonWritten);
    return WriteFileAtomic(state.File(kCurrentSeasonWritten), EncodeSeason(state.Games));
}

namespace {

void SetTeam(TeamTables& t, int team, const char* city, const char* name, const char* cityAbbr,
             const char* nameAbbr) {
    t.TeamCity[team] = city;
    t.TeamName[team] = name;
    t.TeamCityAbbr[team] = cityAbbr;
    t.TeamNameAbbr[team] = nameAbbr;
}

}  // namespace

SeasonSwitch SelectSeason(AppState& state, SeasonChoice choice) {
    SeasonSwitch out;
    const bool current = choice == SeasonChoice::Current;
    if (state.League().Kind == LeagueKind::Today) {
        // The archived seasons are of the 1997 league; a folder never changes league.
        out.Title = current ? "Open " + state.SeasonYear + " NFL Season" : "View Previous NFL Season";
        if (!current) {
            out.Load = Status::Error("The 1995 and 1996 seasons belong to the 1997 league; this pool folder holds the " +
                                     state.SeasonYear + " season of today's league.");
            out.SpreadsEnabled = state.CurrentSeasonOpen;
            return out;
        }
        out.Load = LoadSeason(state, kCurrentSeasonRead);
        if (out.Load.ok()) {
            state.CurrentSeasonOpen = true;
            out.Text = "The Current NFL Season is now opened.";
        }
        out.SpreadsEnabled = state.CurrentSeasonOpen;
        return out;
    }
    out.Title = current ? "Open 1997 NFL Season" : "View Previous NFL Season";
    out.Load = LoadSeason(state, choice == SeasonChoice::Season1995   ? "1995.NFL"
                                 : choice == SeasonChoice::Season1996 ? "1996.NFL"
                                                                      : kCurrentSeasonRead);
    if (!out.Load.ok()) {
        // The switch ends at a file that cannot be read: the season shown, its
        // year, the current-season flag and the team names all stay as they
        // were, so a later save can never write one season over another.
        out.SpreadsEnabled = state.CurrentSeasonOpen;
        return out;
    }
    switch (choice) {
        case SeasonChoice::Season1995:
            state.SeasonYear = "1995";
            state.CurrentSeasonOpen = false;
            SetTeam(state.Teams, 3, "Cleveland", "Browns", "Cle", "Bro");
            SetTeam(state.Teams, 12, "Houston", "Oilers", "Hou", "Oil");
            out.Text = "The 1995 NFL Season is now available for viewing.";
            break;
        case SeasonChoice::Season1996:
            state.SeasonYear = "1996";
            state.CurrentSeasonOpen = false;
            SetTeam(state.Teams, 12, "Houston", "Oilers", "Hou", "Oil");
            SetTeam(state.Teams, 3, "Baltimore", "Ravens", "Bal", "Rav");
            out.Text = "The 1996 NFL Season is now opened.";
            break;
        case SeasonChoice::Current:
            state.SeasonYear = "1997";
            state.CurrentSeasonOpen = true;
            LoadTeamTables(state);
            out.Text = "The Current NFL Season is now opened.";
            break;
    }
    out.SpreadsEnabled = state.CurrentSeasonOpen;
    return out;
}

}  // namespace gm
