#include "DataFolder.h"

#include <cstdlib>

#include "FileIO.h"

namespace gm {

std::string ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::filesystem::path UserDataFolder(const EnvironmentLookup& env) {
    std::filesystem::path base(env("XDG_DATA_HOME"));
    if (!base.is_absolute()) {
        // Without HOME, the root folder stands for it, as it does for Qt.
        const std::filesystem::path home(env("HOME"));
        base = (home.empty() ? std::filesystem::path("/") : home) / ".local" / "share";
    }
    return base / "gridmoot";
}

std::filesystem::path ResolveDataFolder(const std::filesystem::path& given,
                                        const std::filesystem::path& programFolder,
                                        const EnvironmentLookup& env) {
    if (!given.empty()) return std::filesystem::absolute(given);
    std::error_code ec;
    if (!programFolder.empty() &&
        (std::filesystem::is_regular_file(FindFile(programFolder, "Vask97.ini"), ec) ||
         std::filesystem::is_regular_file(FindFile(programFolder, "Pool97.dat"), ec)))
        return programFolder;
    return UserDataFolder(env);
}

}  // namespace gm
