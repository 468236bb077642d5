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
    state.SeasonFileName = std::string(name);
    const fs::path file = state.File(name);
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(file, bytes, &missing); !s) return s;
    state.Games = DecodeSeason(bytes);
    if (!missing) return Status::Ok();
    if (name == kCurrentSeasonRead || name == kCurrentSeasonWritten) return TouchFile(file);
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
    switch (choice) {
        case SeasonChoice::Season1995:
            state.SeasonYear = "1995";
            out.Load = LoadSeason(state, "1995.NFL");
            state.CurrentSeasonOpen = false;
            SetTeam(state.Teams, 3, "Cleveland", "Browns", "Cle", "Bro");
            SetTeam(state.Teams, 12, "Houston", "Oilers", "Hou", "Oil");
            out.Title = "View Previous NFL Season";
            out.Text = "The 1995 NFL Season is now available for viewing.";
            break;
        case SeasonChoice::Season1996:
            state.SeasonYear = "1996";
            state.CurrentSeasonOpen = false;
            out.Load = LoadSeason(state, "1996.NFL");
            SetTeam(state.Teams, 12, "Houston", "Oilers", "Hou", "Oil");
            SetTeam(state.Teams, 3, "Baltimore", "Ravens", "Bal", "Rav");
            out.Title = "View Previous NFL Season";
            out.Text = "The 1996 NFL Season is now opened.";
            break;
        case SeasonChoice::Current:
            state.SeasonYear = "1997";
            state.CurrentSeasonOpen = true;
            out.SpreadsEnabled = true;
            out.Load = LoadSeason(state, kCurrentSeasonRead);
            LoadTeamTables(state);
            out.Title = "Open 1997 NFL Season";
            out.Text = "The Current NFL Season is now opened.";
            break;
    }
    return out;
}

}  // namespace gm
