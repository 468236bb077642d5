#pragma once

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "core/data/TextCodec.h"

namespace gm {

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

// Appending forms of Pad for the long reports: no temporaries per column.
inline void AppendPad(std::string& out, std::size_t n, std::string_view s) {
    const std::size_t len = Utf8Length(s);
    if (len < n) out.append(n - len, ' ');
    out.append(s);
}

namespace detail {
// Appends s right-aligned in n characters in one append (the long reports
// write a few hundred thousand columns).
inline void AppendRightAligned(std::string& out, std::size_t n, const char* s, std::size_t len) {
    if (len >= n) {
        out.append(s, len);
        return;
    }
    char buf[64];
    if (n > sizeof buf) {
        out.append(n - len, ' ');
        out.append(s, len);
        return;
    }
    std::memset(buf, ' ', n - len);
    std::memcpy(buf + (n - len), s, len);
    out.append(buf, n);
}
}  // namespace detail

inline void AppendNumber(std::string& out, std::size_t n, long long value) {
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    detail::AppendRightAligned(out, n, buf, static_cast<std::size_t>(end - buf));
}

// "#0.0" written at `buf` (32 characters at most): the same text as Format1,
// halves away from zero. Returns the end.
inline char* WriteFixed1(char (&buf)[32], double value) {
    const long long tenths = std::llround(value * 10.0);
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    char* p = buf;
    if (tenths < 0) *p++ = '-';
    p = std::to_chars(p, buf + sizeof buf, magnitude / 10).ptr;
    *p++ = '.';
    *p++ = static_cast<char>('0' + magnitude % 10);
    return p;
}

// "#0.0" right-aligned in n.
inline void AppendFixed1(std::string& out, std::size_t n, double value) {
    char buf[32];
    const char* end = WriteFixed1(buf, value);
    detail::AppendRightAligned(out, n, buf, static_cast<std::size_t>(end - buf));
}

// Team abbreviations in capitals (the home team in the heading rows).
inline std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace gm
