#include <gtest/gtest.h>

#include "core/entry/EntryBoxes.h"

namespace gm {
namespace {

// Types `keys` one at a time at the end of an empty box, the way a user does,
// letting the box ignore refused keys and run its rules after every change.
BoxEdit TypeSpread(std::string_view keys) {
    BoxEdit box;
    for (char k : keys) {
        if (!SpreadKeyAccepted(k)) continue;
        box = SpreadBoxChanged(box.Text + k, static_cast<int>(box.Text.size()) + 1);
    }
    return box;
}

TEST(SpreadBox, TypedKeysEndAsWholeOrHalfPoints) {
    struct Case {
        const char* typed;
        const char* shown;
        int cursor;
    };
    const Case cases[] = {
        {".", "0.5", 3},      {"0", "", 0},       {"7.3", "7.", 2},     {"3.7", "3.", 2},
        {"3.5", "3.5", 3},    {"3.55", "3.5", 3}, {"10.5", "10.5", 4},  {"10.7", "10.", 3},
        {"10.55", "10.5", 4}, {"105", "10", 2},   {"99.5", "99.5", 4},  {"999", "99", 2},
        {"0.5", "0.5", 3},    {"3..", "3.", 2},   {"3.5.", "3.5", 3},   {"14", "14", 2},
        {"a3x.5", "3.5", 3},  {"-7", "7", 1},     {"100.5", "10.5", 4}, {"00", "", 0},
    };
    for (const Case& c : cases) {
        const BoxEdit box = TypeSpread(c.typed);
        EXPECT_EQ(box.Text, c.shown) << "typed " << c.typed;
        EXPECT_EQ(box.Cursor, c.cursor) << "typed " << c.typed;
    }
}

TEST(SpreadBox, PastedTextIsCleanedLikeTyping) {
    struct Case {
        const char* pasted;
        const char* shown;
    };
    const Case cases[] = {
        {"12345", "12"}, {"1.5555", "1.5"}, {"pts 6.5", "6.5"}, {"250.5", "25"}, {"7.25", "7."}, {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpreadBoxChanged(c.pasted, static_cast<int>(std::string_view(c.pasted).size())).Text,
                  c.shown)
            << "pasted " << c.pasted;
}

TEST(SpreadBox, ATypedDigitInTheMiddleIsCheckedToo) {
    // "3.5" with the cursor before the 3, then "1": 13.5 is a half point and stays.
    EXPECT_EQ(SpreadBoxChanged("13.5", 1), (BoxEdit{"13.5", 1}));
    // "9.5" with the cursor before the point, then "9": 99.5 stays, "99.55" would not.
    EXPECT_EQ(SpreadBoxChanged("99.5", 2), (BoxEdit{"99.5", 2}));
    EXPECT_EQ(SpreadBoxChanged("199.5", 1).Text, "19");
}

TEST(SpreadBox, ShownAndReadBack) {
    EXPECT_EQ(SpreadText(0.0f), "");
    EXPECT_EQ(SpreadText(3.0f), "3");
    EXPECT_EQ(SpreadText(3.5f), "3.5");
    EXPECT_EQ(SpreadText(10.5f), "10.5");
    EXPECT_EQ(SpreadText(99.5f), "99.5");
    for (const char* text : {"", "3.", "0.5", "10.5", "99.5", ".5"}) {
        const float v = SpreadFromText(text);
        EXPECT_EQ(SpreadFromText(SpreadText(v)), v) << text;
    }
    EXPECT_EQ(SpreadFromText("3."), 3.0f);
    EXPECT_EQ(SpreadFromText(".5"), 0.5f);
    EXPECT_EQ(SpreadFromText(""), 0.0f);
}

TEST(BoxValue, ReadsTheLeadingNumberOnly) {
    EXPECT_EQ(BoxValue(""), 0);
    EXPECT_EQ(BoxValue("."), 0);
    EXPECT_EQ(BoxValue("1.5."), 1.5);
    EXPECT_EQ(BoxValue(" 24"), 24);
    EXPECT_EQ(BoxValue("7x3"), 7);
    EXPECT_EQ(BoxValue("x7"), 0);
}

TEST(ScoreBox, KeepsTwoDigits) {
    EXPECT_TRUE(ScoreKeyAccepted('7'));
    EXPECT_TRUE(ScoreKeyAccepted('\b'));
    EXPECT_FALSE(ScoreKeyAccepted('.'));
    EXPECT_FALSE(ScoreKeyAccepted('-'));
    EXPECT_EQ(ScoreBoxChanged("105", 3), (BoxEdit{"10", 2}));
    EXPECT_EQ(ScoreBoxChanged("24", 2), (BoxEdit{"24", 2}));
    EXPECT_EQ(ScoreBoxChanged("2a4", 3), (BoxEdit{"24", 2}));
    EXPECT_EQ(ScoreBoxChanged("7", 0), (BoxEdit{"7", 0}));
    EXPECT_EQ(ScoreText(0), "0");
    EXPECT_EQ(ScoreFromText(""), 0);
    EXPECT_EQ(ScoreFromText("99"), 99);
}

TEST(SpinWeek, StaysWithinTheSeason) {
    EXPECT_EQ(SpinWeek(1, -1), 0);
    EXPECT_EQ(SpinWeek(21, 1), 0);
    EXPECT_EQ(SpinWeek(1, 1), 2);
    EXPECT_EQ(SpinWeek(21, -1), 20);
}

TEST(WeekLabel, ASpunLabelCarriesABlank) {
    EXPECT_EQ(WeekLabel(7, false), "7");
    EXPECT_EQ(WeekLabel(7, true), " 7");
    EXPECT_EQ(WeekLabel(21, true), " 21");
}

}  // namespace
}  // namespace gm
