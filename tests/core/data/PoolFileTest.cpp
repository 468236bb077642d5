#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

MemberRecord Member(std::string name, std::int16_t number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = number;
    return m;
}

TEST(MemberRecordBytes, BlocksAreStoredSlotBySlot) {
    MemberRecord m = Member("Pat", -2);
    m.Picks[2][4] = 17;       // week 3, game slot 4
    m.Confidence[2][4] = 9;
    m.Picks[20][14] = 30;     // last week, Monday night
    m.Tiebreak[5] = 41;
    const MemberBytes b = EncodeMember(m);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data()), 18), "Pat               ");
    EXPECT_EQ(b[108], 17);
    EXPECT_EQ(b[460], 9);
    EXPECT_EQ(b[18 + 20 + 22 * 14], 30);
    EXPECT_EQ(b[722], 0xFE);
    EXPECT_EQ(b[723], 0xFF);
    EXPECT_EQ(b[724 + 5], 41);
    EXPECT_EQ(DecodeMember(b), m);
}

TEST(MemberRecordBytes, NamesAreWindows1252CutAndPadded) {
    EXPECT_EQ(FitName("Twenty characters!!!"), "Twenty characters!");
    MemberRecord m = Member("Zoë", 1);
    bool lossless = true;
    MemberBytes b = EncodeMember(m, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(b[2], 0xEB);
    EXPECT_EQ(b[3], ' ');
    EXPECT_EQ(DecodeMember(b).Name, FitName("Zoë"));

    m.Name = FitName("Łukasz");
    b = EncodeMember(m, &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(b[0], '?');
}

TEST(PoolFile, LengthDecidesTheMembers) {
    TempDir dir;
    AppState state(dir.path());
    EXPECT_TRUE(LoadPool(state).ok());  // missing: empty pool, file created
    EXPECT_EQ(state.MemberCount, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "Pool97.dat"));

    WriteFile(dir / "Pool97.dat", std::string(1500, '\0'));
    EXPECT_TRUE(LoadPool(state).ok());
    EXPECT_EQ(state.MemberCount, 2);
    EXPECT_EQ(state.Members.size(), 2u);
}

TEST(PoolFile, RebuildLeavesExactlyTheRecords) {
    TempDir dir;
    WriteFile(dir / "Pool97.dat", std::string(746 * 5 + 3, 'x'));
    AppState state(dir.path());
    const std::vector<MemberRecord> three = {Member("A", 1), Member("B", 2), Member("C", 3)};
    ASSERT_TRUE(RebuildPool(state, three).ok());
    EXPECT_EQ(std::filesystem::file_size(dir / "Pool97.dat"), 2238u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.dat"));
    ASSERT_EQ(state.MemberCount, 3);
    EXPECT_EQ(state.Members[2].TrimmedName(), "C");

    if (test::PermissionsEnforced()) {
        // A read-only pool file (or one the start-up could not read) is not replaced by the members in memory.
        const std::string before = test::ReadFile(dir / "Pool97.dat");
        std::filesystem::permissions(dir / "Pool97.dat", std::filesystem::perms::owner_read);
        const Status s = RebuildPool(state, std::vector<MemberRecord>{Member("D", 4)});
        std::filesystem::permissions(dir / "Pool97.dat", std::filesystem::perms::owner_all);
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message.find("Pool97.dat"), std::string::npos);
        EXPECT_EQ(test::ReadFile(dir / "Pool97.dat"), before);
        EXPECT_FALSE(std::filesystem::exists(dir / "Temp.dat"));
    }
}

TEST(PoolFile, SaveInPlaceKeepsBytesBeyondTheMembers) {
    TempDir dir;
    const std::string tail = "TAIL";
    const MemberBytes one = EncodeMember(Member("First", 1));
    WriteFile(dir / "Pool97.dat", std::string(reinterpret_cast<const char*>(one.data()), one.size()) + tail);
    AppState state(dir.path());
    ASSERT_TRUE(LoadPool(state).ok());
    state.Members[0].Picks[0][0] = 5;
    ASSERT_TRUE(SavePool(state).ok());
    const std::string saved = ReadFile(dir / "Pool97.dat");
    ASSERT_EQ(saved.size(), 750u);
    EXPECT_EQ(saved[18], 5);
    EXPECT_EQ(saved.substr(746), tail);
}

TEST(PoolFile, MoreRecordsThanTheCountHoldsLoadWhatFits) {
    TempDir dir;
    std::string bytes(static_cast<std::size_t>(kMaxMembers + 2) * kMemberRecordSize, '\0');
    bytes[static_cast<std::size_t>(kMaxMembers + 1) * kMemberRecordSize] = 'Z';  // name of the last record
    WriteFile(dir / "Pool97.dat", bytes);
    AppState state(dir.path());
    const Status s = LoadPool(state);
    EXPECT_TRUE(s.isWarning());
    EXPECT_NE(s.message.find("32767"), std::string::npos);
    EXPECT_EQ(state.MemberCount, kMaxMembers);
    // Saving the loaded members must not drop the ones that did not fit.
    ASSERT_TRUE(SavePool(state).ok());
    EXPECT_EQ(ReadFile(dir / "Pool97.dat"), bytes);
}

TEST(PoolFile, PlayerNumbersContinueTheCounter) {
    TempDir dir;
    AppState state(dir.path());
    state.LastPlayerNumber = 41;
    EXPECT_EQ(IssuePlayerNumber(state), 42);
    EXPECT_EQ(state.LastPlayerNumber, 42);
    state.LastPlayerNumber = kMaxMembers;
    EXPECT_EQ(IssuePlayerNumber(state), 0);
}

}  // namespace
}  // namespace gm
