#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/data/Status.h"

namespace gm::cli {

// "--out -" is standard output, as with most command-line tools, whatever
// is written: text, a web page or a printout. So is a name of the file
// standard output already goes to ("/dev/stdout").
bool IsStandardOutput(std::string_view out);

// Writes `bytes` where --out says: to `standardOutput` for "-", else to the
// file through the program's one writer (a link's file replaced, a pipe or
// device written, a folder refused).
Status WriteOut(std::ostream& standardOutput, const std::string& out, std::string_view bytes);

}  // namespace gm::cli
