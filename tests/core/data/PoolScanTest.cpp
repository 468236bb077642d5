// Scanning the pool file hands over the records LoadPool would load, in
// order and once each whatever block they fall in, and keeps none of them.

#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "core/data/PoolScan.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;
using test::WriteFile;

std::vector<MemberRecord> Members(int count) {
    std::vector<MemberRecord> members(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        MemberRecord& m = members[static_cast<std::size_t>(i)];
        m.Name = FitName((i % 5 == 0 ? "Zoë " : "Pat ") + std::to_string(i));
        m.PlayerNumber = static_cast<std::int16_t>(i);
        for (std::size_t w = 0; w < m.Picks.size(); ++w)
            for (std::size_t s = 0; s < kStoredSlots; ++s) {
                m.Picks[w][s] = static_cast<std::uint8_t>(i + w * 3 + s);
                m.Confidence[w][s] = static_cast<std::uint8_t>(i * 7 + s);
            }
        m.Tiebreak[static_cast<std::size_t>(i % kStoredWeeks)] = static_cast<std::uint8_t>(i);
    }
    return members;
}

TEST(PoolScan, HandsOverWhatLoadPoolLoadsKeepingNothing) {
    for (int count : {0, 1, 256, 257, 700}) {
        TempDir dir;
        WriteFile(dir / "Pool97.dat", EncodePool(Members(count)) + "xyz");  // a partial record is ignored
        AppState loaded(dir.path());
        ASSERT_TRUE(LoadPool(loaded).ok());
        AppState state(dir.path());
        std::vector<MemberRecord> seen;
        ASSERT_TRUE(ScanPool(state, [&](std::span<const MemberRecord> block) {
                        seen.insert(seen.end(), block.begin(), block.end());
                    }).ok());
        EXPECT_EQ(state.MemberCount, count);
        EXPECT_TRUE(state.Members.empty());
        EXPECT_TRUE(seen == loaded.Members) << count;
    }
}

TEST(PoolScan, MissingFileIsCreatedAndUnreadableOneSaysWhy) {
    TempDir dir;
    AppState state(dir.path());
    ASSERT_TRUE(ScanPool(state, [](std::span<const MemberRecord>) { FAIL(); }).ok());
    EXPECT_TRUE(std::filesystem::exists(dir / "Pool97.dat"));
    EXPECT_EQ(state.MemberCount, 0);
    std::filesystem::remove(dir / "Pool97.dat");
    std::filesystem::create_directory(dir / "Pool97.dat");
    const Status s = ScanPool(state, [](std::span<const MemberRecord>) {});
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message.find("Pool97.dat"), std::string::npos) << s.message;
}

}  // namespace
}  // namespace gm
