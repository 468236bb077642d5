#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gm {

// Splits one CSV line (RFC 4180 quoting; a quoted field may not span lines).
std::vector<std::string> SplitCsvLine(std::string_view line);

// A field quoted only when it needs to be.
std::string CsvField(std::string_view text);

// Splits text into lines, accepting "\n" and "\r\n".
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace gm
