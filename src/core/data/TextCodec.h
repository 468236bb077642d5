#pragma once

#include <string>
#include <string_view>

namespace gm {

// Data files, settings and generated pages hold Windows-1252 text, one byte a
// character. In memory every string is UTF-8; these convert at the file boundary.
std::string Cp1252ToUtf8(std::string_view bytes);

// Appends one code point as UTF-8 (1 to 4 bytes).
void AppendUtf8(std::string& out, char32_t cp);

// Characters that Windows-1252 cannot hold become '?'. When `lossless` is given
// it is set to false if that happened.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

// Number of characters (code points) in a UTF-8 string.
std::size_t Utf8Length(std::string_view utf8);

// The first `count` characters of a UTF-8 string.
std::string Utf8Left(std::string_view utf8, std::size_t count);

}  // namespace gm
