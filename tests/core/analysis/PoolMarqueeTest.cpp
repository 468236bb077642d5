// The pool marquee: the week's order, the sign's messages and the cycle the
// sign's "finished" notifications drive.

#include <gtest/gtest.h>

#include <cctype>

#include "core/analysis/PoolMarquee.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

std::vector<std::string> Names(const AppState& state, const PoolMarquee& m) {
    std::vector<std::string> names;
    for (const auto& row : m.Rows()) names.push_back(state.Members[row.MemberIndex].TrimmedName());
    return names;
}

TEST(PoolMarquee, WeekMessagesInTheirOrder) {
    test::PoolFixture f;  // confidence points, Monday game first tiebreaker and secondary, total points
    f.State.CurrentWeek = 1;
    PoolMarquee m(f.State);
    EXPECT_EQ(m.SortText(), "Con. Pts");
    EXPECT_EQ(m.TiebreakText(), "Mon. Pts");
    EXPECT_EQ(m.PlayedText(), "3");
    // Monday night 27-20: total 47.
    EXPECT_EQ(m.Messages(), (std::vector<std::string>{
                                "Al Adams  Won 3  Lost 0  Tied 0  CPts 6.0  Tb 7 ",
                                "Cathy  Won 2  Lost 1  Tied 0  CPts 5.0  Tb 0 ",
                                "<b>Bob & Al</b>  Won 0  Lost 3  Tied 0  CPts 0.0  Tb 3 ",
                                "Dee   No Selections Made    ",
                            }));
}

TEST(PoolMarquee, WithoutTheSecondaryTiebreakerEachMessageEndsWithOneBlank) {
    test::PoolFixture f("PoolSort=WinPct\r\nSecondaryTB=None\r\nTBMethod=Wins\r\nPointSpreads=Yes\r\n");
    f.State.CurrentWeek = 1;
    PoolMarquee m(f.State);
    EXPECT_EQ(m.SortText(), "Winning Pct");
    EXPECT_EQ(m.TiebreakText(), "Total Wins");
    // Against the spread: Pittsburgh does not cover, Tennessee pushes, Dallas covers.
    EXPECT_EQ(m.Messages()[0], "Cathy  Won 2  Lost 0  Tied 1  Pct 83.3   ");
    for (const auto& message : m.Messages()) {
        if (message.find("No Selections") != std::string::npos) continue;
        // The value, the two blanks after it and the one blank in place of
        // the tiebreaker.
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(message[message.size() - 4]))) << message;
        EXPECT_EQ(message.substr(message.size() - 3), "   ");
        EXPECT_EQ(message.find("Tb"), std::string::npos);
    }
}

TEST(PoolMarquee, PoolSortDecidesAndTheTiebreakOrderBreaksItsTies) {
    struct Case {
        const char* options;
        std::vector<std::string> order;
        const char* tbText;
    };
    // Bob picks like Al (6 points) but guesses the Monday total exactly.
    const Case cases[] = {
        {"", {"Bob", "Al Adams", "Cathy", "Dee"}, "Mon. Pts"},
        {"TBMethod=NotUsed\r\n", {"Al Adams", "Bob", "Cathy", "Dee"}, "Not Used"},
        {"TBMethod=Bogus\r\nPoolSort=Wins\r\n", {"Al Adams", "Bob", "Cathy", "Dee"}, "Not Used"},
        {"PoolSort=Wins\r\n", {"Bob", "Al Adams", "Cathy", "Dee"}, "Mon. Pts"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        test::PoolFixture f(c.options);
        MemberRecord& bob = f.State.Members[1];
        bob = test::FixtureMember("Bob");
        test::Pick(bob, 0, 0, 24, 3), test::Pick(bob, 0, 1, 12, 2), test::Pick(bob, 0, 14, 8, 1);
        bob.Tiebreak[0] = 47;
        f.State.CurrentWeek = 1;
        PoolMarquee m(f.State);
        EXPECT_EQ(Names(f.State, m), c.order);
        EXPECT_EQ(m.TiebreakText(), c.tbText);
    }
}

// Drives the cycle as the sign would and records what it is told.
std::vector<std::string> Cycle(PoolMarquee& m, int notifications, std::vector<std::string>* ranks = nullptr) {
    std::vector<std::string> shown;
    for (int i = 0; i < notifications; ++i) {
        const SignStep step = m.Finished();
        if (step.Message) {
            EXPECT_EQ(step.Rate, 0);
            shown.push_back(*step.Message);
            if (ranks) ranks->push_back(m.RankText());
        } else {
            EXPECT_EQ(step.Rate, 30);
            shown.push_back("(pause)");
        }
    }
    return shown;
}

TEST(PoolMarquee, CycleAlternatesMessagesAndPausesAndStartsOver) {
    struct Case {
        int members;
        std::vector<std::string> shown;
        std::vector<std::string> ranks;
    };
    const std::string al = "Al Adams  Won 3  Lost 0  Tied 0  CPts 6.0  Tb 7 ";
    const std::string cathy = "Cathy  Won 2  Lost 1  Tied 0  CPts 5.0  Tb 0 ";
    const std::string bob = "<b>Bob & Al</b>  Won 0  Lost 3  Tied 0  CPts 0.0  Tb 3 ";
    const std::string dee = "Dee   No Selections Made    ";
    const Case cases[] = {
        {0, {"", "(pause)", "", "(pause)"}, {"", ""}},
        {1, {al, "(pause)", al, "(pause)"}, {"1", "1"}},
        {4,
         {al, "(pause)", cathy, "(pause)", bob, "(pause)", dee, "(pause)", al, "(pause)"},
         {"1", "2", "3", "4", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.members);
        test::PoolFixture f;
        f.State.Members.resize(static_cast<std::size_t>(c.members));
        f.State.MemberCount = c.members;
        f.State.CurrentWeek = 1;
        PoolMarquee m(f.State);
        std::vector<std::string> ranks;
        EXPECT_EQ(Cycle(m, static_cast<int>(c.shown.size()), &ranks), c.shown);
        EXPECT_EQ(ranks, c.ranks);
    }
}

TEST(PoolMarquee, WeekSpinRegradesAndStartsAtTheFirstMember) {
    test::PoolFixture f;
    f.State.CurrentWeek = 1;
    PoolMarquee m(f.State);
    Cycle(m, 3);  // Al shown, pause, Cathy shown
    EXPECT_FALSE(m.Spin(-1));
    ASSERT_TRUE(m.Spin(+1));
    EXPECT_EQ(f.State.CurrentWeek, 2);
    EXPECT_EQ(m.WeekText(), " 2");
    EXPECT_EQ(m.PlayedText(), "2");
    // Week 2: Arizona wins, Green Bay - Indianapolis tied 13-13 (total 26).
    EXPECT_EQ(Cycle(m, 1), (std::vector<std::string>{"Al Adams  Won 1  Lost 0  Tied 1  CPts 2.5  Tb 4 "}));
    EXPECT_EQ(m.RankText(), "1");
    for (int i = 0; i < 19; ++i) m.Spin(+1);
    EXPECT_EQ(m.Week(), 21);
    EXPECT_FALSE(m.Spin(+1));
}

}  // namespace
}  // namespace gm
