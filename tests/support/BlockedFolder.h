#pragma once

#include <filesystem>

#include "support/TempDir.h"

namespace gm::test {

// Makes every file operation in a data folder fail while it lives, also for a
// user that file permissions do not stop: the folder is moved aside and a
// plain file takes its name. Restored on destruction.
class BlockedFolder {
public:
    explicit BlockedFolder(std::filesystem::path folder) : folder_(std::move(folder)), aside_(folder_) {
        aside_ += ".aside";
        std::filesystem::rename(folder_, aside_);
        WriteFile(folder_, "not a folder");
    }
    ~BlockedFolder() {
        std::error_code ec;
        std::filesystem::remove(folder_, ec);
        std::filesystem::rename(aside_, folder_, ec);
    }
    BlockedFolder(const BlockedFolder&) = delete;
    BlockedFolder& operator=(const BlockedFolder&) = delete;

private:
    std::filesystem::path folder_;
    std::filesystem::path aside_;
};

}  // namespace gm::test
