#pragma once

#include <string>
#include <utility>

namespace gm {

// Outcome of a file operation. A warning means the operation succeeded but the
// user should hear about something (for example records that could not be loaded).
struct [[nodiscard]] Status {
    enum class Level { Ok, Warning, Error };

    Level level = Level::Ok;
    std::string message;

    static Status Ok() { return {}; }
    static Status Warning(std::string text) { return {Level::Warning, std::move(text)}; }
    static Status Error(std::string text) { return {Level::Error, std::move(text)}; }

    bool ok() const { return level != Level::Error; }
    bool isWarning() const { return level == Level::Warning; }
    explicit operator bool() const { return ok(); }
};

}  // namespace gm
