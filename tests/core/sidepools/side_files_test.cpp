#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "core/data/AppState.h"
#include "core/sidepools/SideFiles.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Record(std::string_view name18, unsigned char lo, unsigned char hi) {
    std::string r(name18);
    r += static_cast<char>(lo);
    r += static_cast<char>(hi);
    return r;
}

TEST(SportBoxFile, RecordsLieWeekMajorTwentyBytesEach) {
    SeasonBoxes boxes{};
    boxes[0][74] = {FitName("Week One Box 74"), 74};
    boxes[1][0] = {FitName("Jos\xC3\xA9"), 300};  // "José": one byte in the file
    boxes[20][99] = {FitName("A name much longer than eighteen"), -2};
    const std::string bytes = EncodeBoxes(boxes);

    ASSERT_EQ(bytes.size(), 42000u);
    struct Case {
        int week, box;
        std::size_t offset;
        std::string record;
    } cases[] = {
        {1, 74, 1480, Record("Week One Box 74   ", 74, 0)},
        {2, 0, 2000, Record("Jos\xE9              ", 0x2C, 0x01)},
        {21, 99, 41980, Record("A name much longer", 0xFE, 0xFF)},
        {1, 0, 0, Record(std::string(18, ' '), 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.week * 1000 + c.box);
        EXPECT_EQ(BoxOffset(c.week, c.box), c.offset);
        EXPECT_EQ(bytes.substr(c.offset, 20), c.record);
    }
    EXPECT_EQ(DecodeBoxes(bytes), boxes);
}

TEST(SportBoxFile, ReadsNulPaddedNamesAndShortFiles) {
    std::string bytes(2000, '\0');  // week 1 only, written by a tool that pads with NULs
    bytes.replace(BoxOffset(1, 5), 5, "Ann\0\0", 5);
    bytes[BoxOffset(1, 5) + 18] = 9;
    const SeasonBoxes boxes = DecodeBoxes(bytes);
    EXPECT_EQ(boxes[0][5].OwnerName, FitName("Ann"));
    EXPECT_EQ(boxes[0][5].OwnerNumber, 9);
    EXPECT_EQ(boxes[0][6], BoxRecord{});
    EXPECT_EQ(boxes[1][0], BoxRecord{});  // beyond the end: empty
    EXPECT_EQ(EncodeBoxes(boxes).substr(BoxOffset(1, 6), 20), Record(std::string(18, ' '), 0, 0));
}

TEST(SideFiles, PlayerAndDigitalRecords) {
    const std::vector<BoxRecord> players{{FitName("Al"), 1}, {FitName("Bea"), 12345}};
    const std::string sb = EncodeBoxPlayers(players);
    EXPECT_EQ(sb, Record("Al                ", 1, 0) + Record("Bea               ", 0x39, 0x30));
    EXPECT_EQ(DecodeBoxPlayers(sb + "partial"), players);

    const std::vector<DigitRecord> digital{{FitName("Cy"), 30, 7}};
    const std::string dd = EncodeDigitPlayers(digital);
    EXPECT_EQ(dd, Record("Cy                ", 30, 7));
    EXPECT_EQ(DecodeDigitPlayers(dd + "x"), digital);
}

TEST(SideFiles, MissingFilesReadEmptyAndStayMissing) {
    TempDir dir;
    AppState state(dir.path());
    SeasonBoxes boxes{};
    boxes[3][3].OwnerNumber = 5;
    std::vector<BoxRecord> players{{}};
    std::vector<DigitRecord> digital{{}};
    EXPECT_TRUE(LoadSportBox(state, boxes));
    EXPECT_TRUE(LoadBoxPlayers(state, players));
    EXPECT_TRUE(LoadDigitPlayers(state, digital));
    EXPECT_EQ(boxes, SeasonBoxes{});
    EXPECT_TRUE(players.empty());
    EXPECT_TRUE(digital.empty());
    for (const char* name : {"SportBox.Dat", "SBPlayer.dat", "Digital.dat"})
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
}

// A stale "Temp.dat" left by another kind of save (here a long pool record)
// must not leak into the rebuilt file; lower-case names are found and replaced.
TEST(SideFiles, RebuildIgnoresLeftoverTempFile) {
    TempDir dir;
    WriteFile(dir / "Temp.dat", std::string(746 * 3, 'P'));
    WriteFile(dir / "sbplayer.dat", std::string(200, 'S'));
    WriteFile(dir / "digital.dat", std::string(200, 'D'));
    AppState state(dir.path());

    ASSERT_TRUE(SaveBoxPlayers(state, {{FitName("Al"), 1}}));
    ASSERT_TRUE(SaveDigitPlayers(state, {{FitName("Cy"), 4, 0}}));
    EXPECT_EQ(ReadFile(dir / "sbplayer.dat"), Record("Al                ", 1, 0));
    EXPECT_EQ(ReadFile(dir / "digital.dat"), Record("Cy                ", 4, 0));
    // Nothing but the three files and the untouched leftover.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 3);
}

// A save that runs out of room half way (a full disk) leaves the old file whole.
TEST(SideFiles, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    AppState state(dir.path());
    SeasonBoxes before{};
    before[0][0] = {FitName("Kept"), 3};
    ASSERT_TRUE(SaveSportBox(state, before));
    const std::string old = ReadFile(dir / "SportBox.Dat");

    SeasonBoxes after{};
    after[0][0] = {FitName("Lost"), 4};
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const Status s = SaveSportBox(state, after);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(s);
    EXPECT_NE(s.message.find("SportBox.Dat"), std::string::npos) << s.message;
    EXPECT_EQ(ReadFile(dir / "SportBox.Dat"), old);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);  // no temporary left behind
}

}  // namespace
}  // namespace gm
