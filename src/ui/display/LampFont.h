#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gm::ui {

// A 5 by 7 lamp font: five columns per character, bit 0 the top lamp.
// Covers every printable ASCII character and the signs of Windows-1252 text
// (fractions, currency, degree, quotes...); anything else shows as '?'.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
const std::array<std::uint8_t, kGlyphWidth>& LampGlyph(char32_t c);

// Characters the sign spells with other characters (typographic quotes and
// dashes, ligatures, letters without a decomposition such as '\u00d8');
// empty when the character is drawn as it is.
std::u32string_view LampSpelling(char32_t c);

}  // namespace gm::ui
