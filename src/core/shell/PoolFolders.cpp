#include "PoolFolders.h"

#include <algorithm>
#include <system_error>

#include "core/data/FileIO.h"
#include "core/data/IniFile.h"
#include "core/data/SeasonFile.h"

namespace gm {

namespace {

// The settings file holds Windows-1252 text and keeps a line per key, so a
// folder is written as its UTF-8 bytes in hex: any path survives the trip.
std::string ToHex(const std::string& s) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

std::string FromHex(std::string_view s) {
    auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        const int hi = value(s[i]);
        const int lo = value(s[i + 1]);
        if (hi < 0 || lo < 0) return {};
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

constexpr std::size_t kLongestEntry = 8192;

std::filesystem::path Normal(const std::filesystem::path& folder) {
    std::filesystem::path p = folder.lexically_normal();
    // "a/b/" and "a/b" name one folder.
    if (!p.has_filename() && p.has_parent_path() && p != p.root_path()) p = p.parent_path();
    return p;
}

}  // namespace

PoolFolderList ReadPoolFolders(const IniFile& config) {
    PoolFolderList list;
    list.Last = FromHex(config.Read(kPoolFoldersSection, "Last", "", kLongestEntry));
    for (int i = 0; i < kRecentPoolFolders; ++i) {
        const std::string folder = FromHex(config.Read(kPoolFoldersSection, "Recent" + std::to_string(i + 1), "",
                                                       kLongestEntry));
        if (!folder.empty()) list.Recent.emplace_back(folder);
    }
    return list;
}

PoolFolderList WithPoolFolder(PoolFolderList list, const std::filesystem::path& folder) {
    const std::filesystem::path chosen = Normal(folder);
    list.Last = chosen;
    std::vector<std::filesystem::path> recent{chosen};
    for (const auto& f : list.Recent)
        if (Normal(f) != chosen && static_cast<int>(recent.size()) < kRecentPoolFolders) recent.push_back(Normal(f));
    list.Recent = std::move(recent);
    return list;
}

Status WritePoolFolders(const IniFile& config, const PoolFolderList& list) {
    if (Status s = config.Write(kPoolFoldersSection, "Last", ToHex(list.Last.string())); !s) return s;
    for (int i = 0; i < kRecentPoolFolders; ++i) {
        const std::string value =
            i < static_cast<int>(list.Recent.size()) ? ToHex(list.Recent[static_cast<std::size_t>(i)].string()) : "";
        if (Status s = config.Write(kPoolFoldersSection, "Recent" + std::to_string(i + 1), value); !s) return s;
    }
    return Status::Ok();
}

std::filesystem::path RememberedStartFolder(const IniFile& config) {
    const std::filesystem::path last = ReadPoolFolders(config).Last;
    std::error_code ec;
    if (last.empty() || !std::filesystem::is_directory(last, ec)) return {};
    return last;
}

std::string RecentFolderCaption(int index, const std::filesystem::path& folder) {
    std::string text = folder.string();
    // A "&" in a folder name would otherwise take the access key.
    std::string escaped;
    for (char c : text) {
        if (c == '&') escaped += '&';
        escaped += c;
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}

bool PoolFolderIsEmpty(const AppState& state) {
    if (state.MemberCount > 0) return false;
    for (const WeekGames& week : state.Games)
        for (const GameRecord& game : week)
            if (game.HomeTeam != 0 || game.AwayTeam != 0) return false;
    return true;
}

std::string EmptyFolderText(const std::filesystem::path& folder) {
    return "The pool folder " + folder.string() +
           " holds no season and no members yet.\n\n"
           "Get the season in first: Season, Import Season... reads this season's games from the public "
           "games CSV (teams, kick-off times, lines and the scores so far); or type the games of the 1997 "
           "season in Edits, NFL Schedule. Then add the members in Edits, Pool Members.";
}

std::string NewFolderRefusal(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::exists(folder, ec)) return {};
    if (!std::filesystem::is_directory(folder, ec))
        return folder.string() + " is a file, not a folder. Choose a folder for the new pool.";
    // A folder a first start prepared (an empty season, no members) may still
    // become the new pool; one that holds members or games may not.
    bool holdsPool = false;
    std::string bytes;
    if (ReadFileBytes(FindFile(folder, kPoolFileName), bytes).ok() && !bytes.empty()) holdsPool = true;
    if (ReadFileBytes(FindFile(folder, kTodaySeasonFileName), bytes).ok() && !bytes.empty()) holdsPool = true;
    if (ReadFileBytes(FindFile(folder, kCurrentSeasonRead), bytes).ok()) {
        const SeasonGrid games = DecodeSeason(bytes);
        for (const WeekGames& week : games)
            for (const GameRecord& game : week)
                if (game.HomeTeam != 0 || game.AwayTeam != 0) holdsPool = true;
    }
    if (!holdsPool) return {};
    return folder.string() +
           " already holds a pool. Open it with Season, Open Pool Folder..., or choose an empty folder for the "
           "new pool.";
}

}  // namespace gm
