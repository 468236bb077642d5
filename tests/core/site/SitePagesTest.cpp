#include <gtest/gtest.h>

#include "core/site/SitePages.h"
#include "support/Season2024.h"
#include "support/UtcTime.h"

namespace gm {
namespace {

using namespace std::chrono;

using test::Utc;

// The part of a sheet page that belongs to game `place`.
std::string GameBlock(const std::string& page, int place) {
    const std::size_t start = page.find("id=\"game" + std::to_string(place) + "\"");
    if (start == std::string::npos) return {};
    const std::size_t end = page.find("<div class=\"game", start + 1);
    return page.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

class SitePages2024 : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadSeason2024(state, 0);
        MemberRecord m;
        m.Name = FitName("<img src=x>&\"'");
        state.Members.push_back(m);
        state.MemberCount = 1;
        state.Title = "Acme <b>Pool</b> & \"Co\"";
        input.Member = 0;
        input.Week = 1;
        input.Now = Utc(2024, 9, 8, 16, 0);  // Sunday noon: Thursday's and Friday's games have started
        input.Csrf = "tok\"><script>";
    }
    test::TempDir dir;
    AppState state{dir.path()};
    SiteOptions options;
    SheetPageInput input;
};

TEST_F(SitePages2024, EveryNameAndTextIsEscapedAndThereIsNoScript) {
    const std::string pages[] = {SheetPage(state, options, input), SignInPage(state, "a\"b<", "Sign-in <failed>")};
    for (const std::string& page : pages) {
        EXPECT_EQ(page.find("<script"), std::string::npos);
        EXPECT_EQ(page.find("<b>Pool"), std::string::npos);
        EXPECT_EQ(page.find("<img"), std::string::npos);
        EXPECT_NE(page.find("Acme &lt;b&gt;Pool&lt;/b&gt; &amp; &quot;Co&quot;"), std::string::npos);
        EXPECT_NE(page.find("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
                  std::string::npos);
    }
    EXPECT_NE(pages[0].find("&lt;img src=x&gt;&amp;&quot;&#39;"), std::string::npos);
    EXPECT_NE(pages[0].find("<input type=\"hidden\" name=\"csrf\" value=\"tok&quot;&gt;&lt;script&gt;\">"),
              std::string::npos);
    EXPECT_NE(pages[1].find("<input type=\"hidden\" name=\"csrf\" value=\"a&quot;b&lt;\">"), std::string::npos);
    EXPECT_NE(pages[1].find("Sign-in &lt;failed&gt;"), std::string::npos);
}

TEST_F(SitePages2024, TheSheetShowsEachGameItsKickoffAndTheEntriesThePoolUses) {
    state.Members[0].Picks[0][0] = state.Games[0][0].HomeTeam;  // Kansas City, 16 points, before the lock
    state.Members[0].Confidence[0][0] = 16;
    std::string page = SheetPage(state, options, input);
    for (int place = 1; place <= 16; ++place) {
        const std::string block = GameBlock(page, place);
        ASSERT_FALSE(block.empty()) << place;
        const GameRecord& game = state.Games[0][static_cast<std::size_t>(place - 1)];
        EXPECT_NE(block.find(KickoffLabel(game)), std::string::npos) << place;
        EXPECT_EQ(Count(block, "name=\"g" + std::to_string(place) + "\""), 2u) << place;
        EXPECT_NE(block.find("name=\"c" + std::to_string(place) + "\" min=\"1\" max=\"16\""), std::string::npos);
    }
    EXPECT_NE(GameBlock(page, 1).find("Thu 9/5 8:20 PM"), std::string::npos);
    EXPECT_EQ(Count(page, "name=\"monday\""), 1u);
    EXPECT_NE(page.find("Total Points"), std::string::npos);
    // Locked games cannot be changed; later games can.
    EXPECT_EQ(Count(GameBlock(page, 1), " disabled"), 3u);
    EXPECT_NE(GameBlock(page, 1).find("Your pick: Kansas City, 16 points"), std::string::npos);
    EXPECT_EQ(GameBlock(page, 2).find("Your pick"), std::string::npos);
    EXPECT_EQ(Count(GameBlock(page, 3), " disabled"), 0u);
    EXPECT_NE(page.find("Save my picks"), std::string::npos);

    state.PoolSort = "Wins";
    state.SecondaryTB = "None";
    page = SheetPage(state, options, input);
    EXPECT_EQ(page.find("name=\"c1\""), std::string::npos);
    EXPECT_EQ(page.find("name=\"monday\""), std::string::npos);

    // Once every game has started there is nothing to save.
    input.Now = Utc(2024, 9, 10, 1, 0);
    page = SheetPage(state, options, input);
    EXPECT_EQ(page.find("Save my picks"), std::string::npos);
}

TEST_F(SitePages2024, TheLineShowsAsTheSelectionsWindowShowsItOnlyWithPointSpreads) {
    // Game 1, BAL@KC: Kansas City favoured by 3; the points go on the caption PSEntrys names.
    GameRecord& g = state.Games[0][0];
    g.HomeSpread = 0;
    g.AwaySpread = 3;
    state.PSEntrys = "Underdog";
    EXPECT_EQ(GameBlock(SheetPage(state, options, input), 1).find("+3"), std::string::npos);
    state.PointSpreads = "Yes";
    std::string block = GameBlock(SheetPage(state, options, input), 1);
    EXPECT_NE(block.find(">Baltimore +3 <small>Ravens</small><"), std::string::npos) << block;
    state.PSEntrys = "Favorite";
    block = GameBlock(SheetPage(state, options, input), 1);
    EXPECT_NE(block.find(">at Kansas City +3 <small>Chiefs</small><"), std::string::npos) << block;
}

TEST_F(SitePages2024, ErrorsStandNextToTheirGamesAndTheSentValuesComeBack) {
    input.Errors = {{5, "Points 12 are also given to game 6."}, {6, "Points 12 are also given to game 5."},
                    {0, "Week <2> is not open."}};
    Submission sent;
    sent.Week = 1;
    sent.Picks = {{"5", std::to_string(state.Games[0][4].AwayTeam), 12}};
    input.Submitted = sent;
    const std::string page = SheetPage(state, options, input);
    EXPECT_NE(GameBlock(page, 5).find("Points 12 are also given to game 6."), std::string::npos);
    EXPECT_NE(GameBlock(page, 6).find("Points 12 are also given to game 5."), std::string::npos);
    EXPECT_EQ(GameBlock(page, 7).find("class=\"error\""), std::string::npos);
    EXPECT_NE(GameBlock(page, 5).find("value=\"" + std::to_string(state.Games[0][4].AwayTeam) + "\" checked"),
              std::string::npos);
    EXPECT_NE(GameBlock(page, 5).find("value=\"12\""), std::string::npos);
    EXPECT_NE(page.find("Week &lt;2&gt; is not open."), std::string::npos);
}

TEST_F(SitePages2024, TheSavedSheetSaysWhenItWasSaved) {
    input.SavedAt = Utc(2024, 9, 8, 15, 42);
    EXPECT_NE(SheetPage(state, options, input).find("Your picks were saved at Sun 9/8/2024 11:42 AM ET."),
              std::string::npos);
    input.SavedAt.reset();
    EXPECT_EQ(SheetPage(state, options, input).find("saved at"), std::string::npos);
}

TEST_F(SitePages2024, PlayoffWeeksAreNamedAndALockedSheetAsksForNothing) {
    struct Case {
        int Week;
        const char* Name;
    } cases[] = {{1, "Week 1"}, {18, "Week 18"}, {19, "Wild Card"}, {20, "Divisional"}, {21, "Conference"}, {22, "Super Bowl"}};
    for (const Case& c : cases) {
        input.Week = c.Week;
        input.Now = Utc(2024, 8, 1, 12, 0);  // before the season: nothing locked
        const std::string page = SheetPage(state, options, input);
        EXPECT_NE(page.find(std::string("&middot; ") + c.Name + "</h2>"), std::string::npos) << c.Week;
        EXPECT_NE(page.find("Give each game you pick"), std::string::npos) << c.Week;
        EXPECT_NE(page.find("Save my picks"), std::string::npos) << c.Week;
    }
    EXPECT_EQ(SiteWeekName(League1997(), 21), "Week 21");

    // After the Super Bowl's kick-off the sheet only shows what was picked.
    input.Now = Utc(2025, 2, 10, 0, 0);
    const std::string locked = SheetPage(state, options, input);
    EXPECT_NE(locked.find("This week's sheet is locked."), std::string::npos);
    EXPECT_EQ(locked.find("Give each game you pick"), std::string::npos);
    EXPECT_EQ(locked.find("Save my picks"), std::string::npos);
}

TEST_F(SitePages2024, ThePagesTakeThePoolsWebColours) {
    state.Color = "BW";
    EXPECT_NE(SignInPage(state, "", "").find("background:#663300;color:#ffffff"), std::string::npos);
    state.Color = "WB";
    EXPECT_NE(SignInPage(state, "", "").find("background:#ffffcc;color:#000000"), std::string::npos);
}

}  // namespace
}  // namespace gm
