#pragma once

#include <filesystem>

namespace gm {

// The data folder of a run: the folder given on the command line; else the
// program's own folder when it already holds "Vask97.ini" or "Pool97.dat" (a
// portable install); else the per-user data folder.
std::filesystem::path ResolveDataFolder(const std::filesystem::path& given,
                                        const std::filesystem::path& programFolder);

// The per-user data folder ("~/.local/share/gridmoot" on Linux).
std::filesystem::path UserDataFolder();

}  // namespace gm
