#include <gtest/gtest.h>

#include "core/shell/Schemes.h"

namespace gm {
namespace {

TEST(Schemes, BandsFollowTheTable) {
    EXPECT_EQ(BandColor(1, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(BandColor(1, 255), (Rgb{0, 0, 0}));
    EXPECT_EQ(BandColor(2, 10), (Rgb{0, 0, 10}));
    EXPECT_EQ(BandColor(3, 100), (Rgb{64, 0, 0}));
    EXPECT_EQ(BandColor(4, 100), (Rgb{0, 64, 0}));
    EXPECT_EQ(BandColor(5, 100), (Rgb{0, 0, 128}));
    EXPECT_EQ(BandColor(6, 100), (Rgb{0, 0, 0}));
    EXPECT_EQ(BandColor(7, 200), (Rgb{200, 0, 0}));
}

TEST(Schemes, NamesBlendsAndTitleColours) {
    EXPECT_EQ(SchemeFor(1).Name, "Fade Blue to Black (Default)");
    EXPECT_EQ(SchemeFor(12).Name, "Packer Satin");
    // Out of range numbers show the default rather than reading past the table.
    EXPECT_EQ(SchemeFor(0).Name, SchemeFor(1).Name);
    EXPECT_EQ(SchemeFor(13).Name, SchemeFor(1).Name);

    for (int n = 1; n <= 7; ++n) EXPECT_TRUE(SchemeFor(n).Banded) << n;
    const Scheme& raider = SchemeFor(8);
    EXPECT_FALSE(raider.Banded);
    EXPECT_EQ(raider.Pattern, 3);
    EXPECT_EQ(raider.BlendStart, (Rgb{255, 255, 255}));
    EXPECT_EQ(raider.BlendEnd, (Rgb{0, 0, 0}));
    EXPECT_EQ(SchemeFor(10).Pattern, 2);
    EXPECT_EQ(SchemeFor(12).BlendEnd, (Rgb{255, 255, 100}));

    EXPECT_EQ(SchemeFor(1).ShadowColor, (Rgb{0, 0, 255}));   // QBColor 9
    EXPECT_EQ(SchemeFor(2).ShadowColor, (Rgb{255, 0, 0}));   // QBColor 12
    EXPECT_EQ(SchemeFor(4).TitleColor, (Rgb{0, 255, 0}));    // QBColor 10
    EXPECT_EQ(SchemeFor(6).TitleColor, (Rgb{0, 255, 255}));  // QBColor 11
    EXPECT_EQ(SchemeFor(6).ShadowColor, (Rgb{0, 128, 128}));  // QBColor 3
    EXPECT_EQ(SchemeFor(10).ShadowColor, (Rgb{0, 0, 128}));  // QBColor 1
}

TEST(Schemes, DisplayDepth) {
    EXPECT_EQ(DepthLabel(256), "Your display is set to 8 bit or 256 colors.");
    EXPECT_EQ(DepthLabel(65536), "Your display is set to 16 bit or 65,536 colors.");
    EXPECT_EQ(DepthLabel(16777216), "Your display is set to 24 bit or 16,777,216 colors.");
    EXPECT_EQ(DepthLabel(4294967296LL), "Your display is set to 32 bit color.");
    EXPECT_TRUE(SchemeAvailable(6, 256));
    EXPECT_FALSE(SchemeAvailable(7, 256));
    EXPECT_TRUE(SchemeAvailable(12, 65536));
}

}  // namespace
}  // namespace gm
