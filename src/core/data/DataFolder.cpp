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

std::filesystem::path FolderOfArgument(const std::filesystem::path& given) {
    std::error_code ec;
    if (given.empty() || !std::filesystem::is_regular_file(given, ec)) return given;
    const std::filesystem::path file = std::filesystem::absolute(given, ec);
    return ec ? given : file.parent_path();
}

namespace {

// `folder` itself or a folder below `tree`, comparing the real paths so that
// links and "..", as in "build/src/ui/../cli", do not matter.
bool IsInside(const std::filesystem::path& folder, const std::filesystem::path& tree) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(folder, ec);
    if (ec) return false;
    const std::filesystem::path root = std::filesystem::canonical(tree, ec);
    if (ec) return false;
    auto r = real.begin();
    for (auto t = root.begin(); t != root.end(); ++t, ++r)
        if (r == real.end() || *r != *t) return false;
    return true;
}

}  // namespace

std::vector<std::filesystem::path> ShippedFoldersFor(std::string_view what,
                                                     const std::filesystem::path& programFolder,
                                                     const std::filesystem::path& sourceTree,
                                                     const std::filesystem::path& buildTree) {
    std::vector<std::filesystem::path> out;
    if (!programFolder.empty()) {
        out.push_back((programFolder / ".." / "share" / "gridmoot" / what).lexically_normal());
        if (!IsInside(programFolder, buildTree)) return out;
    }
    out.push_back((what == "docs" ? sourceTree / "docs" : sourceTree / "share" / what).lexically_normal());
    return out;
}

}  // namespace gm
