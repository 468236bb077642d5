#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace gm {

struct Rgb {
    int R = 0, G = 0, B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The sixteen QBColor values.
Rgb QBColor(int n);

// One background scheme of the main window (ColorScheme 1 to 12).
struct Scheme {
    std::string_view Name;  // as the colour dialog lists it
    bool Banded = true;     // 256 bands (schemes 1 to 7), else a two-colour blend
    // Blend schemes only.
    Rgb BlendStart, BlendEnd;
    int Pattern = 0;
    Rgb TitleColor;   // Label1(1), drawn on top
    Rgb ShadowColor;  // Label1(0), the shadow under it
};

inline constexpr int kSchemeCount = 12;

// Scheme `number` (1 to 12); anything else gives scheme 1.
const Scheme& SchemeFor(int number);

// Colour of band i (0 to 255, top to bottom) of a banded scheme.
Rgb BandColor(int number, int band);

// The colour dialog's line about the display depth.
std::string DepthLabel(long long screenColors);

// The team schemes (7 to 12 in the dialog's numbering, indexes 6 to 11) need
// more than 256 colours.
bool SchemeAvailable(int number, long long screenColors);

inline constexpr std::string_view kBgHintTitle = "For 16, 24 & 32 bit Displays";
inline constexpr std::string_view kBgHintText =
    "You might get a nicer display if you start with one of the solid colors, and then come back and set to an "
    "NFL color.\n\nBe aware that 16, 24 & 32 bit displays take much longer to display at program start-up.";

}  // namespace gm
