#include <gtest/gtest.h>

#include "core/output/PrintJob.h"
#include "core/output/RecordingSurface.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using Kind = RecordingSurface::Op::Kind;

TEST(PrintJob, CopiesFollowOnePerPlayer) {
    test::TempDir dir;
    AppState state(dir.path());
    state.MemberCount = 12;
    OutputRequest request = OutputRequest::Printer(3);
    EXPECT_EQ(CopiesToPrint(state, request), 3);
    request.OnePerPlayer = true;
    EXPECT_EQ(CopiesToPrint(state, request), 12);
}

TEST(PrintJob, ANoughtCountIsMissingUnlessOnePerPlayer) {
    EXPECT_TRUE(CopiesMissing(0, false));
    EXPECT_FALSE(CopiesMissing(0, true));
    EXPECT_FALSE(CopiesMissing(2, false));
    EXPECT_FALSE(CopiesMissing(2, true));
}

TEST(PrintJob, EveryCopyStartsItsOwnSheetAtTheTop) {
    RecordingSurface surface;
    std::vector<int> seen;
    const Status status = RunPrintJob(surface, 3, [&](PageSurface& s, int copy) {
        seen.push_back(copy);
        EXPECT_EQ(s.CurrentX, 0);
        EXPECT_EQ(s.CurrentY, 0);
        s.CurrentX = 360;
        s.PrintLine("copy " + std::to_string(copy));
    });

    ASSERT_TRUE(status) << status.message;
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(surface.Pages(), 3);
    const auto texts = surface.Texts();
    ASSERT_EQ(texts.size(), 6u);
    for (int copy = 0; copy < 3; ++copy) {
        EXPECT_EQ(texts[2 * copy].text, "");  // the empty line that starts the page
        EXPECT_EQ(texts[2 * copy + 1].text, "copy " + std::to_string(copy));
        EXPECT_EQ(texts[2 * copy + 1].page, copy);
        EXPECT_EQ(texts[2 * copy + 1].y, 0);
        EXPECT_EQ(texts[2 * copy + 1].x, 360);
    }
    EXPECT_EQ(surface.Ops().back().kind, Kind::EndDoc);
}

TEST(PrintJob, CentredTextAndPositions) {
    RecordingSurface surface(11520, 15120);
    surface.Font = {"Arial", 10, false, false, false, 400};
    PrintCentered(surface, "abcd");  // 4 characters of 120 twips
    surface.PrintText("ab");
    surface.PrintText("c");
    surface.PrintLine("d");

    const auto texts = surface.Texts();
    EXPECT_EQ(texts[0].x, 11520 / 2 - 240);
    EXPECT_EQ(texts[0].y, 0);
    EXPECT_EQ(texts[1].y, 240);
    EXPECT_EQ(texts[2].x, 240);  // kept on the line after "ab"
    EXPECT_EQ(texts[3].x, 360);
    EXPECT_EQ(surface.CurrentX, 0);
    EXPECT_EQ(surface.CurrentY, 480);
    EXPECT_EQ(PageBottom(surface), 15120 - 720);
    surface.SetOrientation(2);
    EXPECT_EQ(surface.ScaleWidth(), 15120);
    EXPECT_EQ(PageBottom(surface), 11520 - 720);
}

TEST(PrintJob, LongBodyRepeatsTheHeadingOnEveryNewSheet) {
    RecordingSurface surface(11520, 3000);  // room for a few 12-point lines
    const PageFont body{"Courier New", 12, false, false, true, 500};
    const PageFont heading = body;
    const std::vector<std::string> headingLines{"", "Pos  Vadorurizizs", ""};

    const Status status = RunPrintJob(surface, 1, [&](PageSurface& s, int) {
        const double bottom = PageBottom(s);
        s.Font = heading;
        for (const auto& l : headingLines) s.PrintLine(l);
        for (int i = 0; i < 20; ++i) {
            BreakPageIfNeeded(s, bottom, body, heading, headingLines);
            s.Font.Bold = true;  // a body line may change the font; the break restores it
            s.PrintLine("line " + std::to_string(i));
        }
    });
    ASSERT_TRUE(status);

    // 3000 - 720 = 2280 twips of room, 288 twips a line.
    const auto texts = surface.Texts();
    int sheet = -1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& t = texts[i];
        if (t.page != sheet) {
            sheet = t.page;
            // A new sheet: the empty line, then the heading again, then the body.
            ASSERT_LE(i + 4, texts.size());
            EXPECT_EQ(texts[i].text, "");
            EXPECT_EQ(texts[i + 2].text, "Pos  Vadorurizizs") << "sheet " << sheet;
            EXPECT_TRUE(texts[i + 2].font.Underline);
            EXPECT_FALSE(texts[i + 2].font.Bold);
            EXPECT_TRUE(texts[i + 4].text.starts_with("line ")) << "sheet " << sheet;
        }
        EXPECT_LE(t.y, 2280 + 288) << t.text;
    }
    EXPECT_GT(surface.Pages(), 2);
    EXPECT_EQ(texts.back().text, "line 19");
}

TEST(PrintJob, PrinterFailureStopsTheJobAndReportsTheDescription) {
    RecordingSurface surface;
    surface.FailAtPrint(4, "The printer is out of paper.");
    int copiesStarted = 0;
    const Status status = RunPrintJob(surface, 5, [&](PageSurface& s, int) {
        ++copiesStarted;
        s.PrintLine("a");
        s.PrintLine("b");
    });

    EXPECT_FALSE(status);
    EXPECT_EQ(copiesStarted, 2);
    EXPECT_EQ(surface.Ops().back().kind, Kind::Abort);
    for (const auto& op : surface.Ops()) EXPECT_NE(op.kind, Kind::EndDoc);

    const auto message = PrintFailure(status);
    EXPECT_EQ(message.icon, OutputMessage::Icon::Exclamation);
    EXPECT_EQ(message.Title, "Unable To Print, Please Check Your Printer");
    EXPECT_EQ(message.Text, "The printer is out of paper.");
    EXPECT_EQ(PrintFailure(status, kPrintErrorTitleSheets).Title,
              "Unable to Print, Please check your Printer");
}

}  // namespace
}  // namespace gm
