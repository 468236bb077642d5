#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace gm::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("gridmoot-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / std::string(name); }

private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The folder of public NFL results the tests carry with them (tests/data).
// GRIDMOOT_SHARED_DATA in the environment may point the tests at another copy.
inline std::filesystem::path SharedData() {
    const char* env = std::getenv("GRIDMOOT_SHARED_DATA");
    if (env && std::filesystem::exists(std::filesystem::path(env) / "nfl-scores-1995-1997.csv")) return env;
    return std::filesystem::path(GRIDMOOT_FIXTURES) / "data";
}

// Running as root ignores file permissions, so read-only tests cannot show anything there.
inline bool PermissionsEnforced() {
    TempDir dir;
    const auto probe = dir / "probe";
    WriteFile(probe, "x");
    std::filesystem::permissions(probe, std::filesystem::perms::owner_read);
    std::ofstream out(probe, std::ios::app);
    return !out.is_open();
}

}  // namespace gm::test
