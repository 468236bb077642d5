// The pool file is read and decoded a block of records at a time: records on
// either side of every block boundary, an incomplete last record, and a file
// that cannot be read must all load as the whole file would.

#include <gtest/gtest.h>

#include <random>

#include "core/data/PoolFile.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;
using test::WriteFile;

// Members with every byte of their record different from their neighbours'.
std::vector<MemberRecord> DistinctMembers(int count) {
    std::mt19937 rng(static_cast<unsigned>(count));
    std::vector<MemberRecord> members(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        MemberRecord& m = members[static_cast<std::size_t>(i)];
        // Every fifth name is not plain ASCII (Windows-1252 letters).
        m.Name = FitName((i % 5 == 0 ? "Zoë " : "Pat ") + std::to_string(i));
        m.PlayerNumber = static_cast<std::int16_t>(i * 37 - 500);
        for (auto& week : m.Picks)
            for (auto& p : week) p = static_cast<std::uint8_t>(rng());
        for (auto& week : m.Confidence)
            for (auto& c : week) c = static_cast<std::uint8_t>(rng());
        for (auto& t : m.Tiebreak) t = static_cast<std::uint8_t>(rng());
    }
    return members;
}

TEST(PoolFileBlocks, EveryRecordLoadsWhateverBlockItFallsIn) {
    for (int count : {1, 255, 256, 257, 700}) {
        TempDir dir;
        const auto members = DistinctMembers(count);
        for (const std::string tail : {"", "xyz"}) {  // a partial record at the end is ignored
            WriteFile(dir / "Pool97.dat", EncodePool(members) + tail);
            AppState state(dir.path());
            ASSERT_TRUE(LoadPool(state).ok()) << count;
            ASSERT_EQ(state.MemberCount, count);
            EXPECT_TRUE(state.Members == members) << count << " members, tail \"" << tail << "\"";
        }
    }
}

TEST(PoolFileBlocks, AFileThatCannotBeReadLoadsNoMembersAndSaysWhy) {
    TempDir dir;
    AppState state(dir.path());
    WriteFile(dir / "Pool97.dat", EncodePool(DistinctMembers(3)));
    ASSERT_TRUE(LoadPool(state).ok());
    ASSERT_EQ(state.MemberCount, 3);
    std::filesystem::remove(dir / "Pool97.dat");
    std::filesystem::create_directory(dir / "Pool97.dat");  // there, but no file to read
    const Status s = LoadPool(state);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message.find("Pool97.dat"), std::string::npos) << s.message;
    EXPECT_EQ(state.MemberCount, 0);
    EXPECT_TRUE(state.Members.empty());
}

}  // namespace
}  // namespace gm
