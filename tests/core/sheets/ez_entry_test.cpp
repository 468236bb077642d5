#include <gtest/gtest.h>

#include "core/output/RecordingSurface.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sheets/EzEntrySheet.h"

namespace gm {
namespace {

using Op = RecordingSurface::Op;

TEST(EzEntrySheet, WeeksFollowTheSpinAndNeverPassWeek21) {
    test::PoolFixture f;
    f.State.CurrentWeek = 21;
    EzEntrySheet sheet(f.State);
    EXPECT_EQ(sheet.FirstWeek(), 20);  // not weeks 21 and 22
    EXPECT_EQ(sheet.SecondWeek(), 21);
    EXPECT_FALSE(sheet.Spin(+1));
    EXPECT_EQ(f.State.CurrentWeek, 21);
    EXPECT_TRUE(sheet.Spin(-1));
    EXPECT_EQ(sheet.FirstWeek(), 19);
    EXPECT_EQ(f.State.CurrentWeek, 20);

    f.State.CurrentWeek = 1;
    EzEntrySheet low(f.State);
    EXPECT_EQ(low.FirstWeek(), 1);
    EXPECT_FALSE(low.Spin(-1));
    EXPECT_TRUE(low.Spin(+1));
    EXPECT_EQ(f.State.CurrentWeek, 2);
}

TEST(EzEntrySheet, PrintsBothWeeksOnOnePage) {
    test::PoolFixture f;
    f.State.CurrentWeek = 1;
    EzEntrySheet sheet(f.State);
    RecordingSurface s;
    ASSERT_TRUE(sheet.Print(s, 1));
    EXPECT_EQ(s.Pages(), 1);
    EXPECT_EQ(s.Orientation(), 1);
    const auto texts = s.Texts();
    const double w = static_cast<double>(static_cast<long long>(s.ScaleWidth()) / 20);

    std::vector<const Op*> titles, aways, blanks;
    for (const auto& op : texts) {
        if (op.text.starts_with("NFL Score Sheet:  Week ")) titles.push_back(&op);
        if (op.text == "______") blanks.push_back(&op);
        if (op.x == 4 * w + 180 && !op.font.Underline) aways.push_back(&op);
    }
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0]->text, "NFL Score Sheet:  Week 1");
    EXPECT_EQ(titles[1]->text, "NFL Score Sheet:  Week 2");
    EXPECT_EQ(titles[0]->y, 40);
    EXPECT_EQ(titles[0]->font.Size, 16);
    EXPECT_DOUBLE_EQ(titles[0]->x + 24 * 16 * 12 / 2.0, s.ScaleWidth() / 2);
    // One line per scheduled game: three in week 1, two in week 2.
    ASSERT_EQ(blanks.size(), 5u);
    for (const Op* b : blanks) EXPECT_EQ(b->x, 1260);
    ASSERT_EQ(aways.size(), 5u);
    EXPECT_EQ(aways[0]->text, "NY Giants");
    EXPECT_GT(titles[1]->y, blanks[2]->y);

    // Headings, underlined, on one line.
    const double headY = blanks[0]->y - 12 * 24;
    EXPECT_EQ(blanks[0]->font.Size, 12);
    int headings = 0;
    for (const auto& op : texts) {
        if (op.y != headY || op.text.empty()) continue;
        ++headings;
        EXPECT_TRUE(op.font.Underline) << op.text;
        if (op.text == "Home Team") EXPECT_EQ(op.x, 12 * w);
        if (op.text == "Scores") EXPECT_DOUBLE_EQ(op.x + 6 * 12 * 12 / 2.0, s.ScaleWidth() / 2 - 180);
    }
    EXPECT_EQ(headings, 5);
    EXPECT_EQ(sheet.PrintErrorTitle(), "Unable to Print, Please check your Printer");
}

}  // namespace
}  // namespace gm
