#include <gtest/gtest.h>

#include <algorithm>

#include "core/output/RecordingSurface.h"
#include "core/site/PinSlips.h"

namespace gm {
namespace {

std::vector<PinSlip> Slips(int n) {
    std::vector<PinSlip> out;
    for (int i = 0; i < n; ++i) out.push_back({"Member " + std::to_string(i), std::to_string(10000000 + i)});
    return out;
}

// Each slip carries the pool, the member, the PIN and where to sign in, and
// no slip is split by a page break.
TEST(PinSlips, EverySlipWholeOnOnePageWithCutLinesBetween) {
    const PinSlipReport report("Acme Office Pool", "http://192.168.1.20:8080/", Slips(9));
    RecordingSurface surface;
    ASSERT_TRUE(report.Print(surface, PrintCopies(1)).ok());
    std::vector<RecordingSurface::Op> texts;
    for (const auto& t : surface.Texts())
        if (!t.text.empty()) texts.push_back(t);  // the job opens each copy with an empty line
    ASSERT_EQ(texts.size(), 9u * 5u);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const auto* slip = &texts[static_cast<std::size_t>(i) * 5];
        EXPECT_EQ(slip[0].text, "Acme Office Pool");
        EXPECT_EQ(slip[1].text, "Member: Member " + std::to_string(i));
        EXPECT_EQ(slip[2].text, "PIN: " + std::to_string(10000000 + i));
        EXPECT_EQ(slip[3].text, "Picks site: http://192.168.1.20:8080/");
        EXPECT_NE(slip[4].text.find("sign in with your name and this PIN"), std::string::npos);
        for (int l = 1; l < 5; ++l) EXPECT_EQ(slip[l].page, slip[0].page);
        EXPECT_LE(slip[4].y + 240, 15120 - 720) << "past the page bottom";
    }
    EXPECT_GT(surface.Pages(), 1);
    EXPECT_EQ(texts.back().page, surface.Pages() - 1);
    // Slips on one page are apart, with a dashed cut line between them.
    const bool cut = std::any_of(surface.Ops().begin(), surface.Ops().end(), [&](const RecordingSurface::Op& op) {
        return op.kind == RecordingSurface::Op::Kind::Line && op.y > texts[4].y && op.y < texts[5].y;
    });
    EXPECT_TRUE(cut || texts[5].page != texts[4].page);
}

TEST(PinSlips, WithoutAnAddressTheSlipSaysWhomToAsk) {
    const PinSlipReport report("Pool", "", Slips(1));
    EXPECT_EQ(report.SlipLines({"Anne", "12345678"})[3], "Picks site: ask the pool's organiser for its address.");
}

TEST(PinSlips, QuestionsNameWhoGetsANewPin) {
    EXPECT_EQ(SlipsQuestion(5, 5), "Issue picks site PINs for all 5 members and print their slips?");
    EXPECT_NE(SlipsQuestion(5, 0).find("old PIN stops working"), std::string::npos);
    const std::string mixed = SlipsQuestion(5, 1);
    EXPECT_NE(mixed.find("Yes: all 5 members"), std::string::npos) << mixed;
    EXPECT_NE(mixed.find("No: the 1 member who"), std::string::npos) << mixed;
    EXPECT_NE(PinIssuedText("Anne", "01234567").find("\n01234567\n"), std::string::npos);
}

}  // namespace
}  // namespace gm
