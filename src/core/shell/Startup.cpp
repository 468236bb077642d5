#include "Startup.h"

#include <system_error>

#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"

namespace gm {

namespace {

void Keep(std::vector<Status>& out, Status s) {
    if (!s.ok() || s.isWarning()) out.push_back(std::move(s));
}

}  // namespace

std::vector<Status> PrepareDataFolder(const fs::path& folder, const std::vector<fs::path>& shippedSeasonFolders) {
    std::vector<Status> out;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        out.push_back(Status::Error(FileErrorText("create the folder", folder, ec.message())));
        return out;
    }
    for (std::string_view sub : {kWebFolder, kTextFolder}) {
        const fs::path path = FindFile(folder, sub);
        if (fs::is_directory(path, ec)) continue;
        fs::create_directory(path, ec);
        if (ec) out.push_back(Status::Error(FileErrorText("create the folder", path, ec.message())));
    }
    Keep(out, TouchFile(FindFile(folder, kCurrentSeasonRead)));
    Keep(out, TouchFile(FindFile(folder, kPoolFileName)));
    for (Status& s : CopyArchivedSeasons(folder, shippedSeasonFolders)) out.push_back(std::move(s));
    return out;
}

std::vector<Status> CopyArchivedSeasons(const fs::path& folder,
                                        const std::vector<fs::path>& shippedSeasonFolders) {
    std::vector<Status> out;
    std::error_code ec;
    for (std::string_view season : {"1995.NFL", "1996.NFL"}) {
        if (fs::exists(FindFile(folder, season), ec)) continue;
        for (const fs::path& shipped : shippedSeasonFolders) {
            const fs::path source = FindFile(shipped, season);
            if (!fs::is_regular_file(source, ec)) continue;
            Keep(out, CopyFileAtomic(source, folder / std::string(season)));
            break;
        }
    }
    return out;
}

std::vector<Status> LoadAtStartup(AppState& state, long long screenColors) {
    std::vector<Status> out;
    Keep(out, LoadPool(state));
    Keep(out, LoadSeason(state, kCurrentSeasonRead));
    state.CurrentSeasonOpen = true;
    state.CurrentPlayer = 0;
    state.StatPakFromStandings = false;
    state.SeasonYear = "1997";
    ReadSettings(state, screenColors);
    LoadTeamTables(state);
    return out;
}

}  // namespace gm
