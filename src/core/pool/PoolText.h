#pragma once

#include <string>
#include <string_view>

#include "core/data/MemberRecord.h"
#include "core/data/TextCodec.h"

namespace gm::pooltext {

// Fixed-pitch report columns. Widths count characters, not bytes, so a name
// with accented letters keeps its columns.

// A number in plain decimal digits.
inline std::string N(long long value) { return std::to_string(value); }

// Right-aligned in n characters; a value wider than its column is written
// whole (the columns after it move right rather than lose digits).
inline std::string Pad(std::size_t n, std::string_view s) {
    const std::size_t len = Utf8Length(s);
    return std::string(len < n ? n - len : 0, ' ') + std::string(s);
}

// Left-aligned in n characters.
inline std::string PadRight(std::string_view s, std::size_t n) {
    const std::size_t len = Utf8Length(s);
    return std::string(s) + std::string(len < n ? n - len : 0, ' ');
}

// The member's 18-character name field.
inline std::string NameField(const MemberRecord& m) { return FitName(m.Name); }

// A week label as a spin control writes it: the number after a blank.
inline std::string SpunLabel(int week) { return " " + N(week); }

}  // namespace gm::pooltext
