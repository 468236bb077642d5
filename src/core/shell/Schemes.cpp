#include "Schemes.h"

namespace gm {

Rgb QBColor(int n) {
    static constexpr std::array<Rgb, 16> kColors{{
        {0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 128, 128}, {128, 0, 0}, {128, 0, 128}, {128, 128, 0},
        {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0},
        {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    }};
    return kColors[static_cast<std::size_t>(n & 15)];
}

namespace {

Scheme Banded(std::string_view name, Rgb title, Rgb shadow) { return {name, true, {}, {}, 0, title, shadow}; }
Scheme Blend(std::string_view name, Rgb from, Rgb to, int pattern, Rgb shadow) {
    return {name, false, from, to, pattern, QBColor(15), shadow};
}

const std::array<Scheme, kSchemeCount>& Table() {
    static const std::array<Scheme, kSchemeCount> kTable{{
        Banded("Fade Blue to Black (Default)", QBColor(15), QBColor(9)),
        Banded("Fade Black to Blue", QBColor(15), QBColor(12)),
        Banded("Solid Burgundy", QBColor(15), {255, 0, 0}),
        Banded("Solid Green", QBColor(10), QBColor(2)),
        Banded("Solid Blue", QBColor(15), QBColor(9)),
        Banded("Solid Black", QBColor(11), QBColor(3)),
        Banded("Redskin Blend", QBColor(15), QBColor(0)),
        Blend("Raider Swirl", {255, 255, 255}, {0, 0, 0}, 3, QBColor(0)),
        Blend("Jet Green", {0, 0, 0}, {0, 200, 0}, 3, QBColor(2)),
        Blend("Giant Blue", {0, 0, 75}, {0, 0, 255}, 2, QBColor(1)),
        Blend("Bronco Blend", {255, 128, 0}, {0, 0, 255}, 3, QBColor(1)),
        Blend("Packer Satin", {0, 75, 75}, {255, 255, 100}, 2, QBColor(3)),
    }};
    return kTable;
}

}  // namespace

const Scheme& SchemeFor(int number) {
    if (number < 1 || number > kSchemeCount) number = 1;
    return Table()[static_cast<std::size_t>(number - 1)];
}

Rgb BandColor(int number, int band) {
    if (band < 0) band = 0;
    if (band > 255) band = 255;
    switch (number) {
        case 2: return {0, 0, band};
        case 3: return {64, 0, 0};
        case 4: return {0, 64, 0};
        case 5: return {0, 0, 128};
        case 6: return {0, 0, 0};
        case 7: return {band, 0, 0};
        default: return {0, 0, 255 - band};
    }
}

std::string DepthLabel(long long screenColors) {
    if (screenColors == 256) return "Your display is set to 8 bit or 256 colors.";
    if (screenColors == 65536) return "Your display is set to 16 bit or 65,536 colors.";
    if (screenColors == 16777216) return "Your display is set to 24 bit or 16,777,216 colors.";
    return "Your display is set to 32 bit color.";
}

bool SchemeAvailable(int number, long long screenColors) { return !(screenColors == 256 && number > 6); }

}  // namespace gm
