#pragma once

#include <string>

namespace gm {

// The week a window shows. A label rewritten by a spin control carries a blank
// before the number, and file names built from such a label keep it.
inline std::string WeekLabel(int week, bool spun) { return (spun ? " " : "") + std::to_string(week); }

}  // namespace gm
