#include "Backup.h"

#include <cerrno>
#include <system_error>

namespace gm {

const std::vector<BackupItem>& BackupItems() {
    static const std::vector<BackupItem> kItems{
        {"pool97.dat", "Pool97.dat"},     {"sbplayer.dat", "SBPlayer.dat"}, {"sportbox.dat", "Sportbox.dat"},
        {"digital.dat", "Digital.dat"},   {"1997.nfl", "1997.NFL"},
    };
    return kItems;
}

std::string BackupPrompt(const fs::path& target) {
    return "Make sure the folder " + target.string() + " is available before continuing.";
}

namespace {

// The classic error numbers the error box shows for file failures.
BackupError ErrorFor(const std::error_code& ec, const fs::path& file) {
    int number = 75;  // path/file access error
    if (ec == std::errc::no_space_on_device) number = 61;
    else if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory) number = 76;
    else if (ec == std::errc::permission_denied || ec == std::errc::read_only_file_system) number = 70;
    return {number, FileErrorText("copy", file, ec.message())};
}

}  // namespace

BackupResult BackUpDataFiles(const fs::path& dataFolder, const fs::path& target) {
    BackupResult result;
    std::error_code ec;
    if (!fs::is_directory(target, ec)) {
        result.Error = ErrorFor(std::make_error_code(std::errc::no_such_file_or_directory), target);
        return result;
    }
    // Copying a file onto itself would truncate it.
    if (fs::equivalent(dataFolder, target, ec)) {
        result.Error = BackupError{75, "The backup folder is the data folder itself: choose another folder."};
        return result;
    }
    for (const BackupItem& item : BackupItems()) {
        const fs::path source = FindFile(dataFolder, item.FileName);
        if (!fs::is_regular_file(source, ec)) continue;
        const fs::path existing = FindFile(target, item.FileName);
        const fs::path dest = fs::exists(existing, ec) ? existing : target / source.filename();
        if (const Status s = CopyFileAtomic(source, dest); !s.ok()) {
            // The status carries the reason as text; the number follows from the target's state.
            std::error_code probe;
            const auto space = fs::space(target, probe);
            const int number = !probe && space.available < fs::file_size(source, probe) ? 61 : 75;
            result.Error = BackupError{number, s.message};
            return result;
        }
        result.Copied.emplace_back(item.DisplayName);
    }
    return result;
}

std::string BackupReport(const std::vector<std::string>& copied) {
    std::string text = "The following files were copied:\n\n";
    for (const auto& name : copied) text += name + "\n";
    return text;
}

}  // namespace gm
