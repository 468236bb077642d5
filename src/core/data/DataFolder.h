#pragma once

#include <filesystem>
#include <functional>
#include <string>

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

}  // namespace gm
