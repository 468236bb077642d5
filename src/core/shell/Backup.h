#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/data/FileIO.h"

namespace gm {

// A file the backup copies: its name as looked for, and as the report lists it.
struct BackupItem {
    std::string_view FileName;
    std::string_view DisplayName;
};

// The data files worth keeping, in the order they are copied.
const std::vector<BackupItem>& BackupItems();

inline constexpr std::string_view kBackupTitle = "Backup Gridmoot Data Files";

// The question asked before copying into `target`.
std::string BackupPrompt(const fs::path& target);

// A failed copy, as the error box shows it: an error number and its description.
struct BackupError {
    int Number = 0;
    std::string Description;
};

struct BackupResult {
    std::vector<std::string> Copied;  // display names, in copy order
    std::optional<BackupError> Error;  // the copy that failed ends the backup
};

// Copies each data file present in `dataFolder` to `target`, keeping its name
// (an existing copy there, whatever its letter case, is replaced).
BackupResult BackUpDataFiles(const fs::path& dataFolder, const fs::path& target);

// "The following files were copied:" and the list.
std::string BackupReport(const std::vector<std::string>& copied);

}  // namespace gm
