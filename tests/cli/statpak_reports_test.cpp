#include <gtest/gtest.h>

#include <cstdio>

#include "cli/CliRun.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/PoolRoom.h"
#include "core/pool/PoolStatPak.h"
#include "core/pool/StatPak.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/PdfText.h"

namespace gm::cli {
namespace {

using test::CliRun;

// The fixture pool with player numbers 11 to 14.
struct NumberedPool : test::PoolFixture {
    NumberedPool() {
        auto members = test::FixtureMembers();
        for (std::size_t i = 0; i < members.size(); ++i) members[i].PlayerNumber = static_cast<std::int16_t>(11 + i);
        test::WriteFile(Dir / "Pool97.dat", EncodePool(members));
        Reload();
    }
    test::CliRun Cli(std::vector<std::string> args) const { return test::CliIn(Dir.path(), std::move(args)); }
};

// The CLI writes what the windows' models write, with the same choices.
TEST(StatPakReports, WriteWhatTheWindowsWrite) {
    NumberedPool f;
    NumberedPool same;
    StatPak stats(same.State);
    ASSERT_TRUE(stats.Spin(-1));
    ASSERT_TRUE(stats.SelectMember(2));
    for (const std::string who : {"cathy", " Cathy ", "13"}) {
        const CliRun r = f.Cli({"report", "statpak", "--member", who, "--week", "2"});
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(r.Out, TextFileBytes(stats.TextFile().Lines)) << who;
    }

    PoolStatPak pool(same.State);
    CliRun r = f.Cli({"report", "poolstat", "--week", "2", "--to", "clipboard-text"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, pool.Clipboard().Text);

    same.State.CurrentWeek = 3;
    PoolRoom room(same.State);
    ASSERT_TRUE(room.SpinStart(-1) && room.SpinStart(-1));
    room.FillVictoryDefeat();
    room.FillHottest();
    room.FillMondayRecord();
    room.FillTiebreakAverage();
    r = f.Cli({"report", "poolroom", "--week", "3", "--start", "1", "--to", "web"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(test::ReadFile(f.Dir / "poolroom.htm"), WebPageBytes(same.State, room.WebPage()));
}

TEST(StatPakReports, RefuseAnUnknownMemberOrWeek) {
    NumberedPool f;
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"report", "statpak", "--member", "Nobody"}, "no member is named Nobody"},
        {{"report", "statpak", "--member", "99"}, "no member has the player number 99"},
        {{"report", "statpak", "--week", "0"}, "--week must be a week from 1 to 21"},
        {{"report", "poolstat", "--week", "22"}, "--week must be a week from 1 to 21"},
        {{"report", "poolroom", "--start", "x"}, "--start must be a week from 1 to 21"},
    };
    for (const Case& c : cases) {
        const CliRun r = f.Cli(c.args);
        EXPECT_EQ(r.Code, 2) << c.args.back();
        EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    }
}

// One printed StatPak per member, each on its own sheet.
TEST(StatPakReports, OnePerPlayerPrintout) {
    NumberedPool f;
    const CliRun r = f.Cli({"report", "statpak", "--to", "pdf", "--one-per-player"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const auto pdf = f.Dir / "StatPak.pdf";
    ASSERT_EQ(test::ReadFile(pdf).substr(0, 5), "%PDF-");
    const std::string text = test::PdfText(pdf);
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    for (const char* heading : {"Al Adams's Season Statistics", "<b>Bob & Al</b>'s Season Statistics",
                                "Cathy's Season Statistics", "Dee's Season Statistics"})
        EXPECT_NE(text.find(heading), std::string::npos) << heading << "\n" << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 4);
}

}  // namespace
}  // namespace gm::cli
