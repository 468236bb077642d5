#include "SeasonFile.h"

#include <cstring>

#include "Settings.h"

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

Status LoadSeason(AppState& state, std::string_view name) {
    const fs::path file = state.File(name);
    std::string bytes;
    bool missing = false;
    // A file that cannot be read leaves the season in memory as it was.
    if (Status s = ReadFileBytes(file, bytes, &missing); !s) return s;
    const bool current = name == kCurrentSeasonRead || name == kCurrentSeasonWritten;
    if (missing && current)
        if (Status s = TouchFile(file); !s) return s;
    state.SeasonFileName = std::string(name);
    state.Games = DecodeSeason(bytes);
    if (!missing || current) return Status::Ok();
    return Status::Warning("The season file \"" + std::string(name) + "\" was not found in " +
                           state.DataFolder.string() + "; its weeks show empty.");
}

Status SaveSeason(AppState& state) {
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
