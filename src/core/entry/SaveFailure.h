#pragma once

#include <string>
#include <string_view>

#include "core/data/Status.h"

namespace gm {

// What the user is told when a save fails; the window stays open with the edits.
inline constexpr std::string_view kSaveFailedTitle = "Unable To Save";

inline std::string SaveFailedText(const Status& status) {
    return status.message + "\n\nNothing was saved; your changes are still in the window.";
}

}  // namespace gm
