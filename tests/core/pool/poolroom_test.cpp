#include <gtest/gtest.h>

#include <filesystem>

#include "core/output/RecordingSurface.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/fixtures/PoolFixture.h"

namespace gm {
namespace {

using Lines = std::vector<std::string>;

// The fixture pool at week 3 (see StatPak tests): straight up, confidence
// points, Monday total points, both tiebreakers on Monday night.
std::string Name(const char* name) { return FitName(name); }
const std::string kAl = Name("Al Adams");
const std::string kBob = Name("<b>Bob & Al</b>");
const std::string kCathy = Name("Cathy");
const std::string kDee = Name("Dee");
const std::string kRule(50, '-');

std::string Padded(const std::string& name, std::size_t width) { return name + std::string(width - name.size(), ' '); }

TEST(PoolRoom, BestAndWorstOfEveryWeekNameOnlyMembersWhoPlayed) {
    test::PoolFixture f;
    PoolRoom room(f.State);
    EXPECT_FALSE(room.VictoryFilled());
    EXPECT_EQ(room.StatHeading(), "                             W   L  T    Pts  T/B");
    room.FillVictoryDefeat();
    EXPECT_EQ(room.VictoryLines(), (Lines{
                                       "Week  1: " + kAl + "  3   0  0    6.0   7",
                                       "Week  1: " + kBob + "  0   3  0    0.0   3",
                                       kRule,
                                       "Week  2: " + kAl + "  1   0  1    2.5   4",
                                       "Week  2: " + kBob + "  0   1  1    1.0   6",
                                       kRule,
                                       // Nobody has a point in week 3 and Bob, who did not play, has
                                       // the smallest difference: the best is still one who played.
                                       "Week  3: " + kAl + "  0   0  0    0.0  21",
                                       "Week  3: " + kCathy + "  0   0  0    0.0  33",
                                       kRule,
                                   }));
    // Weekly places: week 1 by points, Dee's difference 0 ahead of Bob's 3;
    // week 3 all equal on points, by difference, non-players first.
    const int week1[] = {1, 4, 2, 3};
    const int week3[] = {3, 1, 4, 2};
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(room.WeeklyPlace(m, 1), week1[m]) << m;
        EXPECT_EQ(room.WeeklyPlace(m, 3), week3[m]) << m;
    }
    EXPECT_EQ(room.BestAndWorst()[2], std::make_pair(0, 2));
}

TEST(PoolRoom, AWeekNobodyPlayedAndTheSeasonsEnd) {
    test::PoolFixture f("SecondaryTB=None\r\nPoolSort=WinPct\r\n");
    f.State.CurrentWeek = 18;
    PoolRoom room(f.State);
    room.FillVictoryDefeat();
    const Lines& lines = room.VictoryLines();
    ASSERT_EQ(lines.size(), 18u * 3);
    EXPECT_EQ(lines[3], "Week  2: " + kAl + "  1   0  1   75.0  N/A");
    EXPECT_EQ(lines[9], "Week  4: No Selections Made  0   0  0    0.0  N/A");
    EXPECT_EQ(lines[10], lines[9]);
    EXPECT_EQ(lines[16 * 3 + 2], "-------------------POST SEASON--------------------");  // after week 17
    EXPECT_EQ(lines[17 * 3 + 2], kRule);
    EXPECT_EQ(room.StatHeading(), "                             W   L  T    Pct  T/B");
}

TEST(PoolRoom, HottestMembersOverTheRange) {
    test::PoolFixture f;
    PoolRoom room(f.State);
    room.FillHottest();  // weeks 3 to 3: only Al and Cathy played
    EXPECT_EQ(room.HottestLines(), (Lines{
                                       Padded(kAl, 25) + "    0   0  0    0.0  21.0",
                                       Padded(kCathy, 25) + "    0   0  0    0.0  33.0",
                                   }));
    ASSERT_TRUE(room.SpinStart(-1));
    ASSERT_TRUE(room.SpinStart(-1));
    EXPECT_FALSE(room.SpinStart(-1));
    EXPECT_EQ(room.StartLabel(), " 1");
    room.FillHottest();
    EXPECT_EQ(room.HottestLines(), (Lines{
                                       Padded(kAl, 25) + "    4   0  1    8.5  10.7",
                                       Padded(kCathy, 25) + "    2   1  0    5.0  16.5",
                                       Padded(kBob, 25) + "    0   4  1    1.0   4.5",
                                   }));
    // A range that starts after it ends holds no week: nobody to list.
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(room.SpinStart(+1));
    room.FillHottest();
    EXPECT_TRUE(room.HottestLines().empty());
    EXPECT_TRUE(room.HottestFilled());
}

TEST(PoolRoom, HottestKeepsTheFiveBest) {
    test::PoolFixture f("PoolSort=Wins\r\n");
    std::vector<MemberRecord> members;
    for (int i = 0; i < 7; ++i) {
        MemberRecord m = test::FixtureMember("Member " + std::to_string(i));
        // Week 1: odd members win the first game, members not divisible by 3 the second.
        test::Pick(m, 0, 0, i % 2 ? 24 : 20, 1);
        test::Pick(m, 0, 1, i % 3 ? 12 : 18, 1);
        members.push_back(m);
    }
    f.State.Members = members;
    f.State.MemberCount = 7;
    f.State.CurrentWeek = 1;
    PoolRoom room(f.State);
    room.FillHottest();
    ASSERT_EQ(room.Hottest().size(), 5u);
    // Two wins first (1, 5), then one win in member order (2, 3, 4), then none.
    std::vector<int> order;
    for (const auto& t : room.Hottest()) order.push_back(t.MemberIndex);
    EXPECT_EQ(order, (std::vector<int>{1, 5, 2, 3, 4}));
}

TEST(PoolRoom, MondayNightRecordAndTiebreakAverage) {
    test::PoolFixture f;
    f.State.Members[2].Tiebreak[0] = 50;  // Cathy's only Monday entry now misses by 3
    PoolRoom room(f.State);
    room.FillMondayRecord();
    room.FillTiebreakAverage();
    EXPECT_EQ(room.MondayLines(), (Lines{
                                      Padded(kCathy, 25) + "    1   0  0    2.0   3.0",
                                      Padded(kAl, 25) + "    1   0  1    1.5   5.5",
                                      Padded(kBob, 25) + "    0   1  1    1.0   4.5",
                                      Padded(kDee, 25) + "    0   0  0    0.0   0.0",
                                  }));
    // Dee never picked a Monday game: nothing to average, so last, not first.
    EXPECT_EQ(room.TiebreakLines(), (Lines{
                                        Padded(kCathy, 22) + "Weeks Played:  1        3.00",
                                        Padded(kBob, 22) + "Weeks Played:  2        4.50",
                                        Padded(kAl, 22) + "Weeks Played:  2        5.50",
                                        Padded(kDee, 22) + "Weeks Played:  0        0.00",
                                    }));
    // Moving the week empties both Monday panels and the victory panel.
    room.FillVictoryDefeat();
    room.FillHottest();
    ASSERT_TRUE(room.SpinWeek(-1));
    EXPECT_EQ(f.State.CurrentWeek, 2);
    EXPECT_FALSE(room.VictoryFilled() || room.MondayFilled() || room.TiebreakFilled());
    EXPECT_TRUE(room.MondayLines().empty() && room.VictoryLines().empty());
    EXPECT_TRUE(room.HottestFilled());
}

TEST(PoolRoom, WithoutTheMondayTiebreakerAveragesShowNA) {
    test::PoolFixture f("SecondaryTB=None\r\n");
    PoolRoom room(f.State);
    room.FillTiebreakAverage();
    EXPECT_EQ(room.TiebreakLines(), (Lines{
                                        Padded(kAl, 22) + "Weeks Played:  2        N/A",
                                        Padded(kBob, 22) + "Weeks Played:  2        N/A",
                                        Padded(kCathy, 22) + "Weeks Played:  1        N/A",
                                        Padded(kDee, 22) + "Weeks Played:  0        N/A",
                                    }));
    room.FillMondayRecord();
    EXPECT_EQ(room.MondayLines()[0], Padded(kCathy, 25) + "    1   0  0    2.0  N/A");
}

TEST(PoolRoom, TextFileWebPageAndClipboard) {
    test::PoolFixture f;
    f.State.Color = "WB";  // light background: titles in blue
    PoolRoom room(f.State);
    // Nothing filled: no victory lines, an empty line for each other panel.
    const Lines empty = room.TextFile().Lines;
    EXPECT_EQ(empty.size(), 24u);

    room.FillVictoryDefeat();
    room.FillHottest();
    room.FillMondayRecord();
    room.FillTiebreakAverage();
    Lines expected{"", std::string(20, ' ') + "PoolRoom Stats for Week 3", "                      The Best & Worse", "", "",
                   room.StatHeading(), ""};
    expected.insert(expected.end(), room.VictoryLines().begin(), room.VictoryLines().end());
    const Lines rest{"",
                     "                    THE POOLS HOTTEST PLAYER",
                     "                    Between Week 3 And Week 3",
                     "",
                     "                            W   L   T    Pts  TB Avg",
                     "",
                     room.HottestLines()[0],
                     "",
                     "         THE BEST MONDAY NIGHT PLAYER AFTER 3 WEEKS",
                     "",
                     "                             W   L  T    Pts  TB Avg",
                     room.MondayLines()[0],
                     "",
                     "",
                     "         THE BEST MONDAY NIGHT TIEBREAKER AVG.",
                     "",
                     room.TiebreakLines()[0]};
    expected.insert(expected.end(), rest.begin(), rest.end());
    const TextFileOutput file = room.TextFile();
    EXPECT_EQ(file.Lines, expected);
    EXPECT_EQ(file.FileName, "PoolRoom.txt");
    EXPECT_EQ(file.ConfirmTitle, "The PoolRoom");
    EXPECT_EQ(file.ConfirmText, "A text file named PoolRoom.txt has been created.");

    const ClipboardOutput clip = room.Clipboard();
    EXPECT_EQ(clip.Text.rfind(expected[1] + "\r\n" + expected[2] + "\r\n\r\n" + room.StatHeading() + "\r\n", 0), 0u);
    EXPECT_NE(clip.Text.find(room.StatHeading() + "\r\n" + room.VictoryLines()[0]), std::string::npos);
    EXPECT_NE(clip.Text.find("Between Week 3 And Week 3\r\n\r\n                             W   L  T    Pts  TB Avg\r\n" +
                             room.HottestLines()[0]),
              std::string::npos);
    EXPECT_EQ(clip.Text.substr(clip.Text.size() - room.TiebreakLines()[0].size() - 4),
              "\r\n\r\n" + room.TiebreakLines()[0]);  // no line end after the last line
    EXPECT_EQ(clip.Confirmation.Text, "The PoolRoom Stats for Week 3 is on the Clipboard");

    std::filesystem::create_directory(f.Dir / "Webpages");
    const OutputMessage web = WriteWebPage(f.State, room.WebPage());
    EXPECT_EQ(web.Title, "The PoolRoom");
    EXPECT_EQ(web.Text, "A Web Page named poolroom.htm has been created.\r\n\r\n"
                        "Don't forget to update your Office Pool Index Page.");
    const std::string page = test::ReadFile(f.Dir / "Webpages" / "poolroom.htm");
    EXPECT_NE(page.find("<PRE><STRONG>\r\n\r\n<FONT COLOR=BLUE>" + std::string(20, ' ') +
                        "PoolRoom Stats for Week 3</FONT>\r\n<FONT COLOR=BLUE>                      The Best &amp; "
                        "Worse</FONT>\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("<FONT COLOR=BLUE>         THE BEST MONDAY NIGHT TIEBREAKER AVG.</FONT>\r\n"), std::string::npos);
    EXPECT_NE(page.find("&lt;b&gt;Bob &amp; Al&lt;/b&gt;"), std::string::npos);
}

TEST(PoolRoom, PrintedSummary) {
    test::PoolFixture f;
    f.State.CurrentWeek = 21;
    PoolRoom room(f.State);
    room.FillVictoryDefeat();
    room.FillMondayRecord();
    RecordingSurface page;
    ASSERT_TRUE(room.Print(page, 1));
    const auto texts = page.Texts();
    ASSERT_FALSE(texts.empty());
    const auto at = [&](const std::string& text) {
        return std::find_if(texts.begin(), texts.end(), [&](auto& op) { return op.text == text; });
    };
    const auto title = at("PoolRoom Stats For Week 21");
    ASSERT_NE(title, texts.end());
    EXPECT_EQ(title->font, (PageFont{"Arial", 16, true, false, true, 700}));
    EXPECT_EQ(title->x, 0);
    EXPECT_TRUE(at("                      The Best & Worse")->font.Bold);
    // 63 victory lines: the 43rd starts a new page under the heading again.
    const auto heading = std::count_if(texts.begin(), texts.end(), [&](auto& op) { return op.text == room.StatHeading(); });
    EXPECT_EQ(heading, 2);
    const auto line43 = at(room.VictoryLines()[42]);
    ASSERT_NE(line43, texts.end());
    EXPECT_EQ(line43->page, 1);
    EXPECT_EQ(std::prev(line43)->text, room.StatHeading());
    EXPECT_EQ(at(room.VictoryLines()[41])->page, 0);
    EXPECT_FALSE(line43->font.Bold);
    EXPECT_TRUE(at("         THE BEST MONDAY NIGHT PLAYER AFTER 21 WEEKS")->font.Bold);
    EXPECT_FALSE(at(room.MondayLines()[0])->font.Bold);
    EXPECT_TRUE(at("                    THE POOLS HOTTEST PLAYER")->font.Bold);
    EXPECT_NE(at("                             W   L  T    Pts  TB Avg"), texts.end());
    EXPECT_EQ(at("                            W   L   T    Pts  TB Avg"), texts.end());
}

}  // namespace
}  // namespace gm
