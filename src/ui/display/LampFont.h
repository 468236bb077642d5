#pragma once

#include <array>
#include <cstdint>

namespace gm::ui {

// A 5 by 7 lamp font: five columns per character, bit 0 the top lamp.
// Covers every printable ASCII character; anything else shows as '?'.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
const std::array<std::uint8_t, kGlyphWidth>& LampGlyph(char32_t c);

}  // namespace gm::ui
