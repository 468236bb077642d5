#include <gtest/gtest.h>

#include <algorithm>

#include "core/output/RecordingSurface.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "core/sheets/PickSheet.h"
#include "core/sheets/TopTen.h"

namespace gm {
namespace {

using Op = RecordingSurface::Op;

// The first text op whose text is `text`, or null.
const Op* Find(const std::vector<Op>& ops, std::string_view text, int from = 0) {
    for (std::size_t i = static_cast<std::size_t>(from); i < ops.size(); ++i)
        if (ops[i].kind == Op::Kind::Text && ops[i].text == text) return &ops[i];
    return nullptr;
}

std::vector<const Op*> All(const std::vector<Op>& ops, std::string_view text) {
    std::vector<const Op*> found;
    for (const auto& op : ops)
        if (op.kind == Op::Kind::Text && op.text == text) found.push_back(&op);
    return found;
}

std::vector<const Op*> Lines(const std::vector<Op>& ops) {
    std::vector<const Op*> found;
    for (const auto& op : ops)
        if (op.kind == Op::Kind::Line) found.push_back(&op);
    return found;
}

SheetChoices Week(int week, bool favUnd = true) {
    SheetChoices c;
    c.Week = week;
    c.FavUnd = favUnd;
    c.Comment = "Pick Sheets are due by Friday, Noon";
    return c;
}

TEST(SplitComment, SplitsLongCommentsAtABlankOrAtTheLimit) {
    const std::string a33(32, 'a');
    struct Case {
        const char* what;
        std::string comment;
        std::size_t limit, back;
        std::string line1, line2;
    } cases[] = {
        {"short", "Due Friday", 65, 0, "Due Friday", ""},
        {"exactly the limit", std::string(65, 'x'), 65, 0, std::string(65, 'x'), ""},
        // 66 characters: the search starts at character 33, which is the blank.
        {"first blank at 33", a33 + " " + std::string(33, 'b'), 65, 0, a33 + " ", std::string(33, 'b')},
        {"blank further right", std::string(40, 'a') + " " + std::string(25, 'b'), 65, 0, std::string(40, 'a') + " ",
         std::string(25, 'b')},
        {"no blank at all", std::string(70, 'z'), 65, 0, std::string(65, 'z'), std::string(5, 'z')},
        // The only blank lies beyond the limit: line 1 must still fit the sheet.
        {"long word", "Go " + std::string(66, 'w') + " now", 65, 0, "Go " + std::string(62, 'w'),
         std::string(4, 'w') + " now"},
        {"half page: starts 3 earlier", std::string(29, 'a') + " " + std::string(32, 'b'), 60, 3,
         std::string(29, 'a') + " ", std::string(32, 'b')},
    };
    for (const auto& c : cases) {
        const CommentLines got = SplitComment(c.comment, c.limit, c.back);
        EXPECT_EQ(got.Line1, c.line1) << c.what;
        EXPECT_EQ(got.Line2, c.line2) << c.what;
        EXPECT_EQ(got.Line1 + got.Line2, c.comment) << c.what;
    }
}

TEST(ParseSheetWeek, TakesOnlyWholeWeeksFrom1To21) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1}, {" 21 ", 21}, {"07", 7}, {"0", std::nullopt}, {"22", std::nullopt}, {"", std::nullopt},
        {"5.5", std::nullopt}, {"-3", std::nullopt}, {"4x", std::nullopt}, {"999", std::nullopt},
    };
    for (const auto& [text, week] : cases) EXPECT_EQ(ParseSheetWeek(text), week) << '"' << text << '"';
}

TEST(SheetCopies, OnePerPlayerNeedsMembersAndACountIsNeededOtherwise) {
    EXPECT_EQ(SheetCopiesRefusal(12, 0, false, kNoCopiesSheetText), std::string(kNoCopiesSheetText));
    EXPECT_EQ(SheetCopiesRefusal(0, 0, true, kNoCopiesSheetText), std::string(kNoMembersSheetText));
    EXPECT_EQ(SheetCopiesRefusal(0, 3, false, kNoCopiesSheetText), std::nullopt);
    EXPECT_EQ(SheetCopiesRefusal(12, 0, true, kNoCopiesSheetText), std::nullopt);
    EXPECT_EQ(CopiesToPrint(12, 3, true), 12);
}

TEST(PickSheetGames, FavouriteSpreadCapitalsAndRecords) {
    test::PoolFixture f;
    // Week 1: Pit (24) at home gives NyG 6.5; slot 14 Dal at home gives Den 3.
    // Week 3 slot 1 is a pick'em: the away team shows as favourite with 0.0.
    PickSheet sheet(f.State, SheetStyle::Standard, Week(3));
    auto games = sheet.Games();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[1].First, 13);
    EXPECT_EQ(games[1].Spread, "0.0");
    EXPECT_EQ(games[1].SecondName, "GREEN BAY");

    sheet.SetChoices(Week(1));
    games = sheet.Games();
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].First, 24);
    EXPECT_EQ(games[0].FirstName, "PITTSBURGH");
    EXPECT_EQ(games[0].SecondName, "NY Giants");
    EXPECT_EQ(games[0].Spread, "6.5");
    EXPECT_EQ(games[2].Slot, 14);

    sheet.SetChoices(Week(1, false));
    games = sheet.Games();
    EXPECT_EQ(games[0].First, 20);  // away first, names as stored
    EXPECT_EQ(games[0].SecondName, "Pittsburgh");
    EXPECT_TRUE(games[0].Spread.empty());

    // Records through the sheet's week; a 0-0 game counts for nobody.
    sheet.SetChoices(Week(3));
    const TeamTable records = sheet.Records();
    EXPECT_EQ(RecordText(RecordOf(records, 11), 2), "  (0-0-1)");
    EXPECT_EQ(RecordText(RecordOf(records, 24), 1), " (1-0-0)");
    EXPECT_EQ(RecordText(RecordOf(records, 5), 2), "  (0-0-0)");
}

TEST(PickSheetText, StandardTextFileAndClipboard) {
    test::PoolFixture f;
    f.State.MondayPts = "TotalPoints";
    PickSheet sheet(f.State, SheetStyle::Standard, Week(1));
    const std::string expected =
        "\r\n Player Name ___________________________\r\n\r\n"
        "                      NFL  Schedule\r\n"
        "                           Week  1\r\n\r\n"
        "  Pks.     Favorite         Pts     Underdog\r\n" +
        std::string(48, '_') +
        "\r\n"
        " ________  PITTSBURGH       6.5     NY Giants\r\n"
        " ________  TENNESSEE        7.0     New England\r\n"
        "\r\n                    Monday Nite Game\r\n\r\n"
        " ________  DALLAS           3.0     Denver\r\n"
        "\r\n\r\n               Mon. Total Points: _______\r\n"
        "\r\n               Home teams are in CAPS\r\n"
        "\r\nPick Sheets are due by Friday, Noon";
    EXPECT_EQ(sheet.SheetText(), expected);

    const TextFileOutput file = sheet.TextFile();
    EXPECT_EQ(file.FileName, "Pksht1.txt");
    EXPECT_EQ(file.ConfirmTitle, "Selection Sheet Text File");
    EXPECT_EQ(TextFileBytes(file.Lines), expected + "\r\n");
    const ClipboardOutput clip = sheet.Clipboard();
    EXPECT_EQ(clip.Text, expected);
    EXPECT_EQ(clip.Confirmation.Text, "Week 1 Picksheet has been sent to the Clipboard");
    EXPECT_EQ(clip.Confirmation.Title, "Clipboard");

    // Home/Away, no Monday tiebreaker, a long comment on two lines.
    f.State.SecondaryTB = "None";
    SheetChoices c = Week(1, false);
    c.Comment = std::string(40, 'c') + " " + std::string(30, 'd');
    sheet.SetChoices(c);
    const std::string text = sheet.SheetText();
    EXPECT_NE(text.find("  Pks.      Away Team           Home Team\r\n"), std::string::npos);
    EXPECT_NE(text.find(" _________  NY Giants           Pittsburgh\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n                 Monday Nite Game\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Mon."), std::string::npos);
    EXPECT_EQ(text.find("CAPS"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n" + std::string(40, 'c') + " \r\n" + std::string(30, 'd')));
}

TEST(PickSheetText, TearoffStripThreeGamesARow) {
    test::PoolFixture f;
    f.State.MondayPts = "WinningMargin";
    // Five games in one week, so that the strip wraps.
    for (int slot = 2; slot < 4; ++slot) f.State.Games[0][slot] = test::FixtureGame(2 + slot, 25, 0, 0, 0, 1.5f);
    PickSheet sheet(f.State, SheetStyle::Tearoff, Week(1));
    const std::string text = sheet.SheetText();
    EXPECT_EQ(sheet.TextFile().ConfirmTitle, "Tear-Off Sheet Text File");
    EXPECT_NE(text.find("Pks    Favorite         Pts     Underdog\r\n      _____________________________________   \r\n"
                        "_____  PITTSBURGH       6.5     NY Giants\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n           Mon. Winning Margin: _______\r\n"), std::string::npos);
    // Abbreviations: the favourite right-aligned in 3, spread in 4; between
    // games 3 blanks plus 5 less the last abbreviation's length.
    EXPECT_NE(text.find("PIT  6.5 NyG     TEN  7.0 Ne      BUF  1.5 Sd\r\n\r\nCAR  1.5 Sd      DAL  3.0 Den"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\r\n\r\nMon. Winning Margin: _______  Home teams are in CAPS"));
}

TEST(TopTen, LastWeekAndSeasonThroughTheGradingEngine) {
    test::PoolFixture f;  // confidence points, Monday tiebreaker, total points
    const TopTenLists week3 = BuildTopTen(f.State, 3);
    EXPECT_EQ(week3.LastWeek, 2);
    EXPECT_EQ(week3.Count, 4);  // fewer than ten members
    // Week 2: Al won both (2 + 1 points... the Monday game tied: 2 + 0.5), Bob
    // lost the first and tied the second; Cathy and Dee did not play.
    ASSERT_EQ(week3.LastWeekTop.size(), 4u);
    EXPECT_EQ(week3.LastWeekTop[0].Name.substr(0, 8), "Al Adams");
    EXPECT_EQ(week3.LastWeekTop[0].Value, "2.5");
    EXPECT_EQ(week3.LastWeekTop[0].Tiebreak, "30");
    EXPECT_EQ(week3.Season[0].Name.substr(0, 8), "Al Adams");
    EXPECT_EQ(week3.LastWeekLine(0), "Al Adams" + std::string(10, ' ') + "1  0  1  30  2.5");

    // A week-1 sheet looks back at week 1 itself; with percentages, members
    // without a game show 0.0, not a division by zero.
    f.State.PoolSort = "WinPct";
    f.State.SecondaryTB = "None";
    const TopTenLists week1 = BuildTopTen(f.State, 1);
    EXPECT_EQ(week1.LastWeek, 1);
    EXPECT_FALSE(week1.Points);
    for (const auto& row : week1.LastWeekTop) {
        EXPECT_EQ(row.Tiebreak, "NA");
        if (row.Name.starts_with("Dee")) EXPECT_EQ(row.Value, "0.0");
    }
    const auto dee = std::find_if(week1.Season.begin(), week1.Season.end(),
                                  [](const TopTenRow& r) { return r.Name.starts_with("Dee"); });
    ASSERT_NE(dee, week1.Season.end());
    EXPECT_EQ(dee->Value, "0.0");
    EXPECT_EQ(week1.TextLines()[1],
              "Name               W  L  T  TB   Pct.    Name               W    L   T    Pct.");
}

TEST(TopTen, NoMembersGivesEmptyTables) {
    test::PoolFixture f;
    f.State.MemberCount = 0;
    const TopTenLists lists = BuildTopTen(f.State, 2);
    EXPECT_EQ(lists.Count, 0);
    EXPECT_TRUE(lists.LastWeekTop.empty());
    EXPECT_EQ(lists.TextLines().size(), 2u);
}

TEST(PickSheetPrint, StandardPagePositionsFontsAndFooter) {
    test::PoolFixture f;
    f.State.MondayPts = "WinningMargin";
    SheetChoices c = Week(1);
    c.NamesOnSheet = true;
    PickSheet sheet(f.State, SheetStyle::Standard, c);
    RecordingSurface s;
    ASSERT_TRUE(sheet.Print(s, 5));  // five sheets, four members
    EXPECT_EQ(s.Pages(), 5);
    EXPECT_EQ(s.Orientation(), 1);
    const auto ops = s.Ops();
    const double w = s.ScaleWidth();

    // One header per sheet, with the member's name; past the last member a blank line.
    const Op* header = Find(ops, "Player Sheet For " + FitName("Al Adams"));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->x, 720);
    EXPECT_EQ(header->y, 240);
    EXPECT_EQ(header->font.Size, 17);
    EXPECT_EQ(header->font.Name, "Sans Serif");
    const Op* blankHeader = Find(ops, "Player Sheet For _________________");
    ASSERT_TRUE(blankHeader);
    EXPECT_EQ(blankHeader->page, 4);

    const Op* title = Find(ops, "NFL Schedule:  Week 1");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->font.Size, 24);
    EXPECT_EQ(title->font.Weight, 600);
    EXPECT_DOUBLE_EQ(title->x + 21 * 24 * 12 / 2.0, w / 2);

    const Op* favourite = Find(ops, "Favorite");
    ASSERT_TRUE(favourite);
    EXPECT_TRUE(favourite->font.Underline);
    EXPECT_EQ(favourite->x, 1400);
    EXPECT_EQ(Find(ops, "Underdog")->x, w / 1.6);

    // A game row: blank at 0, favourite at 1400, its record lowered 50 twips in
    // 12 point, the spread's whole part ending at the centre.
    const Op* pit = Find(ops, "PITTSBURGH");
    ASSERT_TRUE(pit);
    EXPECT_EQ(pit->x, 1400);
    EXPECT_FALSE(pit->font.Underline);
    const Op* rec = pit + 1;
    EXPECT_EQ(rec->text, "  (1-0-0)");
    EXPECT_EQ(rec->font.Size, 12);
    EXPECT_EQ(rec->y, pit->y + 50);
    const Op* spread = rec + 1;
    EXPECT_EQ(spread->text, "6.5");
    EXPECT_EQ(spread->y, pit->y);
    EXPECT_DOUBLE_EQ(spread->x + 1 * 18 * 12, w / 2);
    EXPECT_EQ((pit - 1)->text, "______");
    EXPECT_EQ((pit - 1)->x, 0);

    // The Monday game: a heading between empty lines, then the row.
    const Op* monday = Find(ops, "Monday Nite Game");
    ASSERT_TRUE(monday);
    EXPECT_TRUE(monday->font.Underline);
    EXPECT_GT(Find(ops, "DALLAS")->y, monday->y);
    const Op* prompt = Find(ops, "Mon. Winning Margin: _______");
    ASSERT_TRUE(prompt);
    const Op* caps = Find(ops, "Home teams are in CAPS");
    ASSERT_TRUE(caps);
    EXPECT_EQ(caps->x, prompt->x);
    const Op* comment = Find(ops, "Pick Sheets are due by Friday, Noon");
    ASSERT_TRUE(comment);
    EXPECT_EQ(comment->font.Size, 16);
    EXPECT_GT(comment->y, caps->y);

    // Footer: two rules of width 3 around the banner, half an inch from the bottom.
    const auto rules = Lines(ops);
    ASSERT_EQ(rules.size(), 10u);  // two a sheet
    EXPECT_EQ(rules[0]->y, s.ScaleHeight() - 720);
    EXPECT_EQ(rules[0]->x2, w);
    EXPECT_EQ(rules[0]->drawWidth, 3);
    const Op* banner = Find(ops, std::string(kPrintedBanner));
    ASSERT_TRUE(banner);
    EXPECT_TRUE(banner->font.Bold && banner->font.Italic);
    EXPECT_EQ(banner->font.Size, 8);
    EXPECT_EQ(banner->y, s.ScaleHeight() - 720 + 50);
}

TEST(PickSheetPrint, CompactPutsTwoSheetsOnALandscapePage) {
    test::PoolFixture f;
    PickSheet sheet(f.State, SheetStyle::Compact, Week(1));
    RecordingSurface s;
    ASSERT_TRUE(sheet.Print(s, 5));
    EXPECT_EQ(s.Orientation(), 2);
    EXPECT_EQ(s.Pages(), 3);
    const auto ops = s.Ops();
    const double w = s.ScaleWidth();
    const double offset = w / 2 + 180;
    const auto headers = All(ops, "Player Sheet For ______________________");
    ASSERT_EQ(headers.size(), 5u);
    EXPECT_EQ(headers[0]->x, 720);
    EXPECT_EQ(headers[0]->y, 360);
    EXPECT_EQ(headers[0]->font.Size, 12);
    EXPECT_EQ(headers[1]->x, 720 + offset);
    EXPECT_EQ(headers[1]->y, 360);
    EXPECT_EQ(headers[1]->page, 0);
    EXPECT_EQ(headers[4]->page, 2);  // the last page carries only the left half
    EXPECT_EQ(headers[4]->x, 720);

    // Half-page columns, right half shifted by the offset.
    const auto pit = All(ops, "PITTSBURGH");
    ASSERT_EQ(pit.size(), 5u);
    EXPECT_DOUBLE_EQ(pit[0]->x, w / 14 - 360);
    EXPECT_DOUBLE_EQ(pit[1]->x, w / 14 - 360 + offset);
    EXPECT_EQ((pit[0] + 1)->text, " (1-0-0)");
    EXPECT_EQ((pit[0] + 1)->font.Size, 10);
    EXPECT_DOUBLE_EQ((pit[0] + 2)->x + 14 * 12, w / 4 + 240);
    EXPECT_EQ((pit[0] - 1)->text, "___");
    EXPECT_DOUBLE_EQ(Find(ops, "NY Giants")->x, w / 3.2 - 180);
    const auto titles = All(ops, "NFL Schedule:  Week 1");
    EXPECT_DOUBLE_EQ(titles[1]->x + 21 * 14 * 12 / 2.0, w / 4 + offset);
    const auto comments = All(ops, "Pick Sheets are due by Friday, Noon");
    EXPECT_DOUBLE_EQ(comments[1]->x + 35 * comments[1]->font.Size * 12 / 2.0, w * 0.75);

    // A divider of width 4 down every page; no footer.
    const auto rules = Lines(ops);
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[0]->x, w / 2);
    EXPECT_EQ(rules[0]->y2, s.ScaleHeight());
    EXPECT_EQ(rules[0]->drawWidth, 4);
    EXPECT_FALSE(Find(ops, std::string(kPrintedBanner)));
}

TEST(PickSheetPrint, TearoffLineAndSelectionStrip) {
    test::PoolFixture f;
    for (int slot = 2; slot < 5; ++slot) f.State.Games[0][slot] = test::FixtureGame(2 + slot, 25, 0, 0, 0, 1.5f);
    PickSheet sheet(f.State, SheetStyle::Tearoff, Week(1));
    RecordingSurface s;
    ASSERT_TRUE(sheet.Print(s, 1));
    const auto ops = s.Ops();
    const double w = s.ScaleWidth();
    EXPECT_EQ(Find(ops, "Player Sheet For _________________")->y, 180);
    EXPECT_EQ(Find(ops, "Your Selections")->x, 180);
    EXPECT_EQ(Find(ops, std::string(14, '_'))->x, 180);
    EXPECT_EQ(Find(ops, "PITTSBURGH")->x, w / 4);
    const auto rules = Lines(ops);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0]->drawWidth, 4);
    EXPECT_EQ(rules[0]->x2, w);

    // The strip below the tear line: four games a row, the favourite ending at
    // 720, then every 1800 twips.
    const Op* first = Find(ops, "PIT");
    ASSERT_TRUE(first);
    EXPECT_GT(first->y, rules[0]->y);
    EXPECT_EQ(first->x + 3 * 14 * 12, 720);
    const Op* spread = first + 1;
    EXPECT_EQ(spread->text, "6.5");
    EXPECT_EQ(spread->x + 14 * 12, 720 + 360);
    EXPECT_EQ((first + 2)->text, "NyG");
    EXPECT_EQ((first + 2)->x, spread->x + 3 * 14 * 12 + 180);
    const Op* second = Find(ops, "TEN");
    EXPECT_EQ(second->x + 3 * 14 * 12, (first + 2)->x + 1800);
    const Op* fifth = Find(ops, "CHI");  // the fifth game starts a new row
    ASSERT_TRUE(fifth);
    EXPECT_EQ(fifth->x + 3 * 14 * 12, 720);
    EXPECT_GT(fifth->y, first->y);
    // The notes above the tear line have the prompt too; the strip's comes last.
    const auto prompts = All(ops, "Mon. Total Points: _______");
    ASSERT_EQ(prompts.size(), 2u);
    const Op* prompt = prompts[1];
    EXPECT_EQ(prompt->x, 360);
    EXPECT_GT(prompt->y, fifth->y);
    EXPECT_EQ(Find(ops, "Home teams are in CAPS", static_cast<int>(prompt - ops.data()))->x, 5000);
}

TEST(PickSheetPrint, TopTenTablesBetweenRulesAboveTheFooter) {
    test::PoolFixture f;
    PickSheet sheet(f.State, SheetStyle::TopTen, Week(3));
    RecordingSurface s;
    ASSERT_TRUE(sheet.Print(s, 1));
    EXPECT_EQ(s.Pages(), 1);
    const auto ops = s.Ops();
    const double w = s.ScaleWidth() / 20;
    EXPECT_EQ(Find(ops, "Selections")->x, w + 100);
    EXPECT_EQ(Find(ops, "Favorite")->x, 4.5 * w);
    const Op* title = Find(ops, "Last Weeks Top 4");
    ASSERT_TRUE(title);
    const Op* season = Find(ops, "Season Standings");
    EXPECT_EQ(season->y, title->y);
    const Op* first = Find(ops, "Al Adams" + std::string(10, ' ') + "1  0  1  30  2.5");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->font.Name, "Courier New");
    const auto rules = Lines(ops);
    ASSERT_EQ(rules.size(), 4u);  // above and below the tables, then the footer's two
    EXPECT_LT(rules[0]->y, title->y);
    EXPECT_GT(rules[1]->y, first->y);
    EXPECT_GT(rules[2]->y, rules[1]->y);
}

TEST(PickSheetPrint, NoExcuseStandingsColumnsMatchTheirHeading) {
    test::PoolFixture f;
    // Arizona (NFC East) beat Atlanta (NFC West) in week 2: a conference game.
    auto& game = f.State.Games[1][0];
    game.HomeConference = game.AwayConference = kConferenceNFC;
    game.HomeDivision = 1;
    game.AwayDivision = 3;
    PickSheet sheet(f.State, SheetStyle::NoExcuse, Week(2));
    RecordingSurface s;
    ASSERT_TRUE(sheet.Print(s, 2));
    EXPECT_EQ(s.Orientation(), 2);
    EXPECT_EQ(s.Pages(), 2);
    const auto ops = s.Ops();
    const double w = s.ScaleWidth();
    const Op* heading = Find(ops, "NFC East        W  L  T   PF   PA    Division   Conference   vs. AFC");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->x, 180);
    EXPECT_EQ(heading->font.Weight, 700);
    EXPECT_TRUE(heading->font.Underline);
    ASSERT_TRUE(Find(ops, "AFC West        W  L  T   PF   PA    Division   Conference   vs. NFC"));
    // Team lines are the conference standings' lines, under the division,
    // conference and inter-conference columns the heading names.
    const Op* arizona = nullptr;
    for (const auto& op : ops)
        if (op.kind == Op::Kind::Text && op.text.starts_with("Arizona")) arizona = &op;
    ASSERT_TRUE(arizona);
    EXPECT_EQ(arizona->text.substr(0, 33), "Arizona         1  0  0   10    3");
    EXPECT_EQ(arizona->text.substr(34), "     0  0  0     1  0  0    0  0  0");
    EXPECT_EQ(arizona->font.Name, "Courier New");
    EXPECT_EQ(arizona->font.Size, 8);

    // The sheet on the right half, right of the divider.
    const auto rules = Lines(ops);
    const auto divider = std::find_if(rules.begin(), rules.end(), [](const Op* op) { return op->drawWidth == 4; });
    ASSERT_NE(divider, rules.end());
    EXPECT_EQ((*divider)->x, w / 2 + 180);
    const auto headers = All(ops, "Player Sheet For ______________________");
    ASSERT_EQ(headers.size(), 2u);
    EXPECT_EQ(headers[0]->x, 720 + w / 2 + 180);
    EXPECT_EQ(headers[1]->page, 1);
}

TEST(PickSheetPrint, APrinterFailureStopsTheJob) {
    test::PoolFixture f;
    PickSheet sheet(f.State, SheetStyle::Standard, Week(1));
    RecordingSurface s;
    s.FailAtPrint(5, "Out of paper");
    const Status printed = sheet.Print(s, 3);
    EXPECT_FALSE(printed);
    EXPECT_EQ(printed.message, "Out of paper");
    EXPECT_EQ(s.Ops().back().kind, Op::Kind::Abort);
    EXPECT_EQ(sheet.PrintErrorTitle(), "Unable to Print, Please check your Printer");
}

}  // namespace
}  // namespace gm
