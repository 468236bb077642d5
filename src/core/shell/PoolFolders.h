#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// The pool folders the desktop program has opened, kept in the user's own
// settings file (never in a data folder, which may be shared or backed up):
// the last one, which the next start opens when no folder is given, and a
// short list of recent ones, the most recent first.
inline constexpr int kRecentPoolFolders = 4;
inline constexpr std::string_view kPoolFoldersSection = "PoolFolders";

struct PoolFolderList {
    std::filesystem::path Last;
    std::vector<std::filesystem::path> Recent;  // at most kRecentPoolFolders, Last first
};

PoolFolderList ReadPoolFolders(const IniFile& config);
// Puts `folder` first (once, whatever its spelling: "a/b/" and "a/b" are one
// folder) and drops the oldest beyond the list's length.
PoolFolderList WithPoolFolder(PoolFolderList list, const std::filesystem::path& folder);
Status WritePoolFolders(const IniFile& config, const PoolFolderList& list);

// The folder a start without a folder argument opens: the last one used while
// it is still a folder, else none (the usual data folder is used).
std::filesystem::path RememberedStartFolder(const IniFile& config);

// A recent folder's menu caption: "&1 /home/pat/Pools/Office".
std::string RecentFolderCaption(int index, const std::filesystem::path& folder);

// Whether the pool of `state` holds nothing yet: no member and no game. Such
// a folder greets the organiser with the hint to get a season in.
bool PoolFolderIsEmpty(const AppState& state);
inline constexpr std::string_view kEmptyFolderTitle = "A New Pool Folder";
std::string EmptyFolderText(const std::filesystem::path& folder);

// A new pool folder must be a folder that holds no pool yet: missing, empty,
// or without a pool file or season. The refusal, or empty when it may be used.
inline constexpr std::string_view kNewFolderTitle = "New Pool Folder";
std::string NewFolderRefusal(const std::filesystem::path& folder);

inline constexpr std::string_view kOpenFolderTitle = "Open Pool Folder";

}  // namespace gm
