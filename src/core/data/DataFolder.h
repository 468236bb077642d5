#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gm {

// Reads one environment variable; an unset variable reads as "".
using EnvironmentLookup = std::function<std::string(const char* name)>;

// The process's own environment.
std::string ProcessEnvironment(const char* name);

// The per-user data folder: "$XDG_DATA_HOME/gridmoot", or
// "$HOME/.local/share/gridmoot" when XDG_DATA_HOME is unset or not an absolute
// path (the XDG rule ignores relative ones).
std::filesystem::path UserDataFolder(const EnvironmentLookup& env = ProcessEnvironment);

// The data folder of a run: the folder given on the command line (made
// absolute); else the program's own folder when it already holds "Vask97.ini"
// or "Pool97.dat" in any letter case (a portable install); else the per-user
// data folder.
std::filesystem::path ResolveDataFolder(const std::filesystem::path& given,
                                        const std::filesystem::path& programFolder,
                                        const EnvironmentLookup& env = ProcessEnvironment);

// The folder a desktop start is given: a file (the pool file the desktop entry
// opens, or one dropped on the launcher) stands for the folder it lies in;
// anything else is taken as it is.
std::filesystem::path FolderOfArgument(const std::filesystem::path& given);

// Where the files shipped with the program ("seasons", "docs") are for a
// program in `programFolder`: "<programFolder>/../share/gridmoot/<what>", as
// installed under a prefix; and, only for a program run from inside the build
// tree `buildTree` (or with no program folder known), the sources in
// `sourceTree` too ("seasons" lives under share/, the help pages under docs/).
// An installed program never reads the sources it was built from: they may be
// gone, or newer than what it installed.
std::vector<std::filesystem::path> ShippedFoldersFor(std::string_view what,
                                                     const std::filesystem::path& programFolder,
                                                     const std::filesystem::path& sourceTree,
                                                     const std::filesystem::path& buildTree);

}  // namespace gm
