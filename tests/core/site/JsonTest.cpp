#include <gtest/gtest.h>

#include "core/site/Json.h"
#include "core/site/PicksSite.h"
#include "support/Season2024.h"

namespace gm {
namespace {

TEST(SiteJson, MalformedBodiesAreErrorsNeverValues) {
    const std::string cases[] = {
        "",
        "   ",
        "{",
        "{\"a\":1,}",
        "[1,]",
        "[1 2]",
        "{'a':1}",
        "{\"a\" 1}",
        "{a:1}",
        "01",
        "1.",
        ".5",
        "-",
        "1e",
        "+1",
        "\"\\x\"",
        "\"a\nb\"",            // a raw control character
        "\"\\ud800\"",         // lone surrogate
        "\"\\udc00\\ud800\"",  // reversed pair
        "\"\\u12g4\"",
        "\"abc",
        "nul",
        "True",
        "{} {}",
        "{\"a\":1,\"a\":2}",   // a key twice
        std::string("\"\xff\""),
        std::string("\"\xc0\xaf\""),  // overlong '/'
        std::string("\"\xed\xa0\x80\""),  // surrogate written as UTF-8
        std::string("[1]\0", 4),
    };
    for (const std::string& text : cases) EXPECT_FALSE(json::Parse(text).Ok) << "[" << text << "]";
}

TEST(SiteJson, NestingAndSizeAreBounded) {
    auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    EXPECT_TRUE(json::Parse(nested(json::kMaxDepth)).Ok);
    EXPECT_FALSE(json::Parse(nested(json::kMaxDepth + 1)).Ok);
    // Within the size limit, but far too deep for a reader without a bound.
    const json::ParseResult deep = json::Parse(std::string(60'000, '['));
    EXPECT_FALSE(deep.Ok);
    EXPECT_NE(deep.Error.find("deep"), std::string::npos) << deep.Error;
    std::string deepObjects;
    for (int i = 0; i < 10'000; ++i) deepObjects += "{\"a\":";
    EXPECT_NE(json::Parse(deepObjects).Error.find("deep"), std::string::npos);

    const std::string filler(json::kMaxBytes - 2, 'x');
    EXPECT_TRUE(json::Parse("\"" + filler + "\"").Ok);
    const json::ParseResult big = json::Parse("\"" + filler + "x\"");
    EXPECT_FALSE(big.Ok);
    EXPECT_NE(big.Error.find("larger"), std::string::npos);
}

TEST(SiteJson, ValuesReadAsWritten) {
    const json::ParseResult r =
        json::Parse(" {\"s\":\"a\\\"b\\\\c\\/\\n\\u00e9\\ud83c\\udfc8\",\"n\":-12,\"f\":2.5,\"e\":1e2,\"t\":true,"
                    "\"z\":null,\"l\":[],\"o\":{}} ");
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(*r.Root.Find("s")->AsString(), "a\"b\\c/\n\xc3\xa9\xf0\x9f\x8f\x88");
    EXPECT_TRUE(r.Root.Find("n")->AsNumber()->Whole);
    EXPECT_EQ(r.Root.Find("n")->AsNumber()->Integer, -12);
    EXPECT_FALSE(r.Root.Find("f")->AsNumber()->Whole);
    EXPECT_FALSE(r.Root.Find("e")->AsNumber()->Whole);  // 1e2 is not written as a whole number
    EXPECT_TRUE(*r.Root.Find("t")->AsBool());
    EXPECT_TRUE(r.Root.Find("z")->IsNull());
    EXPECT_EQ(r.Root.Find("missing"), nullptr);
}

TEST(SiteJson, QuotedTextIsSafeInPagesAndReadsBack) {
    const std::string hostile[] = {
        "</script><script>alert(1)</script>", "a\"b\\c", "line\nbreak\r\ttab\x01\x7f", "O'Brien & Sons",
        "Zo\xc3\xab \xf0\x9f\x8f\x88",
    };
    for (const std::string& text : hostile) {
        const std::string q = json::Quote(text);
        EXPECT_EQ(q.find_first_of("<>&'\n\r\x01\x7f"), std::string::npos) << q;
        const json::ParseResult back = json::Parse(q);
        ASSERT_TRUE(back.Ok) << q;
        EXPECT_EQ(*back.Root.AsString(), text);
    }
    // Bytes that are not UTF-8 come out as U+FFFD, still valid JSON.
    const json::ParseResult bad = json::Parse(json::Quote("a\xff" "b"));
    ASSERT_TRUE(bad.Ok);
    EXPECT_EQ(*bad.Root.AsString(), "a\xef\xbf\xbd" "b");
}

TEST(SiteJson, APicksBodyBecomesASubmission) {
    const ParsedSubmission p = ParseSubmissionJson(
        R"({"member":"Ann Smith","pin":"004711","week":3,"picks":[{"game":2,"team":"DAL","confidence":14},)"
        R"({"game":"NYG@DAL","team":12},{"game":"5","team":null,"confidence":null}],"monday":45})");
    ASSERT_TRUE(p.Ok) << p.Errors[0].Message;
    EXPECT_EQ(p.Sheet.Member, "Ann Smith");
    EXPECT_EQ(p.Sheet.Pin, "004711");
    EXPECT_EQ(p.Sheet.Week, 3);
    ASSERT_EQ(p.Sheet.Picks.size(), 3u);
    EXPECT_EQ(p.Sheet.Picks[0].Game, "2");
    EXPECT_EQ(p.Sheet.Picks[0].Confidence, 14);
    EXPECT_EQ(p.Sheet.Picks[1].Game, "NYG@DAL");
    EXPECT_EQ(p.Sheet.Picks[1].Team, "12");
    EXPECT_FALSE(p.Sheet.Picks[1].Confidence);
    EXPECT_EQ(p.Sheet.Picks[2].Team, "");
    EXPECT_EQ(p.Sheet.Monday, 45);
}

TEST(SiteJson, APicksBodyOfTheWrongShapeIsRefused) {
    const char* cases[] = {
        R"([])",
        R"({"pin":"1","week":1,"picks":[]})",                                   // no member
        R"({"member":"A","week":1,"picks":[]})",                                // no PIN
        R"({"member":"A","pin":1234,"week":1,"picks":[]})",                     // PIN as a number
        R"({"member":"A","pin":"1","week":"1","picks":[]})",
        R"({"member":"A","pin":"1","week":1.5,"picks":[]})",
        R"({"member":"A","pin":"1","week":1,"picks":{}})",
        R"({"member":"A","pin":"1","week":1,"picks":[3]})",
        R"({"member":"A","pin":"1","week":1,"picks":[{"team":"DAL"}]})",        // no game
        R"({"member":"A","pin":"1","week":1,"picks":[{"game":1,"team":"DAL","confidence":"5"}]})",
        R"({"member":"A","pin":"1","week":1,"picks":[{"game":1,"team":true}]})",
        R"({"member":"A","pin":"1","week":1,"picks":[{"game":1,"pick":"DAL"}]})",  // unknown field
        R"({"member":"A","pin":"1","week":1,"picks":[],"monday":"40"})",
        R"({"member":"A","pin":"1","week":1,"picks":[],"admin":true})",
        R"({"member":"A","pin":"1","week":99999999999999999999,"picks":[]})",
    };
    for (const char* body : cases) {
        const ParsedSubmission p = ParseSubmissionJson(body);
        EXPECT_FALSE(p.Ok) << body;
        EXPECT_FALSE(p.Errors.empty()) << body;
    }
    std::string many = R"({"member":"A","pin":"1","week":1,"picks":[)";
    for (int i = 0; i < 100; ++i) many += std::string(i ? "," : "") + R"({"game":1})";
    EXPECT_FALSE(ParseSubmissionJson(many + "]}").Ok);
}

TEST(SiteJson, TheSavedSheetAndErrorsAreValidJsonWithHostileNames) {
    test::TempDir dir;
    AppState state(dir.path());
    test::LoadSeason2024(state, 0);
    MemberRecord m;
    m.Name = FitName("\"><b>x</b>\\");
    const int phi = state.League().TeamFromId("PHI");
    const int slot = 1;  // Friday's GB@PHI in Brazil
    m.Picks[0][slot] = static_cast<std::uint8_t>(phi);
    m.Confidence[0][slot] = 12;
    m.Tiebreak[0] = 47;
    state.Members.push_back(m);
    state.MemberCount = 1;
    ASSERT_EQ(state.Games[0][slot].HomeTeam, phi);

    const std::string text = SheetJson(state, 0, 1, std::chrono::sys_days(std::chrono::year(2024) / 9 / 6));
    const json::ParseResult r = json::Parse(text);
    ASSERT_TRUE(r.Ok) << r.Error << "\n" << text;
    EXPECT_EQ(*r.Root.Find("member")->AsString(), "\"><b>x</b>\\");
    EXPECT_EQ(r.Root.Find("week")->AsNumber()->Integer, 1);
    EXPECT_EQ(r.Root.Find("monday")->AsNumber()->Integer, 47);
    EXPECT_EQ(*r.Root.Find("savedAt")->AsString(), "2024-09-05T20:00:00-04:00");
    const json::Array& picks = *r.Root.Find("picks")->AsArray();
    ASSERT_EQ(picks.size(), 16u);
    EXPECT_EQ(*picks[1].Find("matchup")->AsString(), "GB@PHI");
    EXPECT_EQ(*picks[1].Find("kickoff")->AsString(), "Fri 9/6 8:15 PM");
    EXPECT_EQ(*picks[1].Find("team")->AsString(), "PHI");
    EXPECT_EQ(picks[1].Find("confidence")->AsNumber()->Integer, 12);
    EXPECT_TRUE(picks[0].Find("team")->IsNull());

    const std::string errors = ErrorsJson({{3, "\"DAL<script>\" does not play in this game."}, {0, "bad\nline"}});
    const json::ParseResult e = json::Parse(errors);
    ASSERT_TRUE(e.Ok) << errors;
    EXPECT_EQ(errors.find('<'), std::string::npos);
    const json::Array& list = *e.Root.Find("errors")->AsArray();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Find("game")->AsNumber()->Integer, 3);
    EXPECT_EQ(*list[0].Find("message")->AsString(), "\"DAL<script>\" does not play in this game.");
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

// Every cut-short body, and every body with one byte replaced, ends in an
// answer: no crash, and a cut-short object is never taken as whole.
TEST(SiteJson, CutShortAndDamagedBodiesNeverCrash) {
    const std::string body =
        R"({"member":"Ann \u00e9","pin":"004711","week":3,"picks":[{"game":"NYG@DAL","team":"DAL","confidence":14},)"
        R"({"game":2,"team":null}],"monday":45})";
    ASSERT_TRUE(ParseSubmissionJson(body).Ok);
    for (std::size_t n = 0; n < body.size(); ++n) EXPECT_FALSE(json::Parse(body.substr(0, n)).Ok) << n;
    for (std::size_t i = 0; i < body.size(); ++i) {
        for (char c : {'\0', '"', '\\', '{', ']', ',', '\xff'}) {
            std::string damaged = body;
            damaged[i] = c;
            const ParsedSubmission p = ParseSubmissionJson(damaged);
            EXPECT_EQ(p.Ok, p.Errors.empty());
        }
    }
}

}  // namespace
}  // namespace gm
