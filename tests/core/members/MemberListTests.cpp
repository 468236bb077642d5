#include <gtest/gtest.h>

#include "core/data/PoolFile.h"
#include "core/data/Settings.h"
#include "core/members/MemberList.h"
#include "support/BlockedFolder.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;

MemberRecord Member(std::string_view name, int number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    return m;
}

// A pool on disk of three members (table order as given) with a few selections.
struct PoolFixture {
    TempDir dir;
    AppState state{dir.path()};

    explicit PoolFixture(std::vector<MemberRecord> members, int lastPlayerNumber) {
        test::WriteFile(dir / "Pool97.dat", EncodePool(members));
        EXPECT_TRUE(LoadPool(state).ok());
        state.LastPlayerNumber = lastPlayerNumber;
    }
    std::string PoolBytes() const { return ReadFile(dir / "Pool97.dat"); }
};

std::vector<std::string> Names(const MemberList& list) {
    std::vector<std::string> out;
    for (const auto& e : list.Entries()) out.push_back(e.Name);
    return out;
}

TEST(MemberList, KeepsEntriesInCaseInsensitiveOrder) {
    PoolFixture f({Member("carl", 1), Member("Alice", 2)}, 2);
    MemberList list(f.state);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Alice", "carl"}));
    EXPECT_EQ(list.Add("Bob"), 1);
    EXPECT_EQ(list.Add("zed"), 3);
    EXPECT_EQ(list.Add("ALVIN"), 1);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Alice", "ALVIN", "Bob", "carl", "zed"}));
    EXPECT_EQ(list.Count(), 5);
}

TEST(MemberList, RenameSetsChangedOnlyWhenTheTextDiffers) {
    PoolFixture f({Member("Alice", 1), Member("Bob", 2)}, 2);
    MemberList list(f.state);
    EXPECT_EQ(list.Rename(1, "Bob"), 1);
    EXPECT_FALSE(list.Changed());
    EXPECT_EQ(list.Rename(1, "Aaron"), 0);
    EXPECT_TRUE(list.Changed());
    EXPECT_EQ(list.Entries()[0].Tag, 1);  // still Bob's record
}

TEST(MemberList, SaveCopiesKeptMembersWholeAndNumbersNewOnes) {
    MemberRecord bob = Member("Bob", 7);
    bob.Picks[2][4] = 12;
    bob.Confidence[2][4] = 9;
    bob.Tiebreak[2] = 41;
    PoolFixture f({Member("Alice", 3), bob, Member("Carl", 5)}, 9);
    MemberList list(f.state);
    list.Rename(1, "Zack");  // Bob renamed
    list.Remove(1);          // Carl deleted
    list.Add("Dora");
    list.Add("Abe");
    ASSERT_TRUE(list.Save(f.state).ok());

    const std::string bytes = f.PoolBytes();
    ASSERT_EQ(bytes.size(), 4u * kMemberRecordSize);
    EXPECT_FALSE(std::filesystem::exists(f.dir / "Temp.dat"));
    ASSERT_EQ(f.state.MemberCount, 4);
    const auto& m = f.state.Members;
    EXPECT_EQ(m[0].Name, FitName("Abe"));
    EXPECT_EQ(m[1].Name, FitName("Alice"));
    EXPECT_EQ(m[2].Name, FitName("Dora"));
    EXPECT_EQ(m[3].Name, FitName("Zack"));
    // New members are numbered in list order, not in the order they were added.
    EXPECT_EQ(m[0].PlayerNumber, 10);
    EXPECT_EQ(m[2].PlayerNumber, 11);
    EXPECT_EQ(m[1].PlayerNumber, 3);
    // The renamed member keeps every selection and his number, on disk.
    const std::size_t zack = 3 * kMemberRecordSize;
    EXPECT_EQ(bytes.substr(zack, 18), "Zack              ");
    EXPECT_EQ(static_cast<unsigned char>(bytes[zack + 18 + 2 + 22 * 4]), 12);
    EXPECT_EQ(static_cast<unsigned char>(bytes[zack + 370 + 2 + 22 * 4]), 9);
    EXPECT_EQ(static_cast<unsigned char>(bytes[zack + 724 + 2]), 41);
    EXPECT_EQ(static_cast<unsigned char>(bytes[zack + 722]), 7);
    // A new member is all zero apart from name and number.
    MemberRecord fresh = Member("Dora", 11);
    EXPECT_EQ(m[2], fresh);

    EXPECT_EQ(f.state.LastPlayerNumber, 11);
    EXPECT_EQ(f.state.Settings.Read("SportsBox", "BoxPlayers", "0", 9), "11");
    EXPECT_FALSE(list.Changed());
}

TEST(MemberList, NumbersOfDeletedMembersAreNotReusedAcrossRuns) {
    PoolFixture f({Member("Alice", 1)}, 1);
    {
        MemberList list(f.state);
        list.Add("Bob");
        ASSERT_TRUE(list.Save(f.state).ok());
    }
    {
        MemberList list(f.state);
        list.Remove(1);  // Bob, number 2
        ASSERT_TRUE(list.Save(f.state).ok());
    }
    AppState next(f.dir.path());  // a new run reads the counter back
    ReadSettings(next, 1LL << 24);
    ASSERT_TRUE(LoadPool(next).ok());
    MemberList list(next);
    list.Add("Carl");
    ASSERT_TRUE(list.Save(next).ok());
    EXPECT_EQ(next.Members[1].PlayerNumber, 3);
}

TEST(MemberList, DeletingEveryMemberLeavesAnEmptyPool) {
    PoolFixture f({Member("Alice", 1), Member("Bob", 2)}, 2);
    MemberList list(f.state);
    list.Remove(0);
    list.Remove(0);
    ASSERT_TRUE(list.Save(f.state).ok());
    EXPECT_EQ(f.state.MemberCount, 0);
    EXPECT_EQ(f.PoolBytes().size(), 0u);
}

TEST(MemberList, BlankNamedRecordIsListedSoSavingKeepsIt) {
    MemberRecord blank = Member("", 4);
    blank.Picks[0][0] = 3;
    PoolFixture f({Member("Alice", 1), blank}, 4);
    MemberList list(f.state);
    ASSERT_EQ(list.Count(), 2);
    ASSERT_TRUE(list.Save(f.state).ok());
    ASSERT_EQ(f.state.MemberCount, 2);
    EXPECT_EQ(f.state.Members[0].Picks[0][0], 3);
}

TEST(MemberList, FailedSaveLeavesFileCounterAndTableAsTheyWere) {
    PoolFixture f({Member("Alice", 1)}, 1);
    const std::string before = f.PoolBytes();
    MemberList list(f.state);
    list.Add("Bob");
    bool poolSaved = true;
    Status s;
    {
        test::BlockedFolder blocked(f.dir.path());
        s = list.Save(f.state, &poolSaved);
    }
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.message.empty());
    EXPECT_FALSE(poolSaved);
    EXPECT_EQ(f.PoolBytes(), before);
    EXPECT_EQ(f.state.LastPlayerNumber, 1);
    EXPECT_EQ(f.state.MemberCount, 1);
    EXPECT_TRUE(list.Changed());
    EXPECT_EQ(list.Count(), 2);
}

TEST(MemberList, RefusesToSaveWhenPlayerNumbersRunOut) {
    PoolFixture f({Member("Alice", 1)}, kMaxMembers);
    const std::string before = f.PoolBytes();
    MemberList list(f.state);
    list.Add("Bob");
    EXPECT_FALSE(list.Save(f.state).ok());
    EXPECT_EQ(f.PoolBytes(), before);
    EXPECT_EQ(f.state.LastPlayerNumber, kMaxMembers);
}

TEST(MemberList, NamesThatDifferOnlyInLetterCase) {
    AppState state("/nonexistent");
    state.Members = {MemberRecord{}, MemberRecord{}};
    state.Members[0].Name = FitName("Bob Smith");
    state.Members[1].Name = FitName("Zoë");
    state.MemberCount = 2;
    MemberList list(state);
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"bob smith", "Bob Smith"},
        {"  BOB SMITH ", "Bob Smith"},
        {"Bob Smith", "Bob Smith"},
        {"ZOË", "Zoë"},                                    // letters beyond ASCII fold too
        {"bob smithxxxxxxxxxxxxx", ""},                    // 18 characters kept: not the same name
        {"Bob Smyth", ""},
        {"", ""},
    };
    for (const auto& [typed, found] : cases) EXPECT_EQ(list.SameNameAs(typed), found) << typed;
    list.Add("Amy");
    EXPECT_EQ(list.SameNameAs("AMY"), "Amy");  // names added in this session count
    EXPECT_EQ(SameNameQuestion("bob smith", "Bob Smith"),
              "\"bob smith\" differs from the member \"Bob Smith\" only in letter case.\n"
              "Add \"bob smith\" as another member?");
    EXPECT_EQ(SameNameQuestion("Amy", "Amy"),
              "There is already a member named \"Amy\".\nAdd another member with the same name?");
}

TEST(MemberList, StorableNameAndDeleteQuestion) {
    bool lossless = true;
    EXPECT_EQ(StorableName("Zoë Müller", &lossless), "Zoë Müller");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(StorableName("Łukasz", &lossless), "?ukasz");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(DeleteMemberQuestion("  Bob   "),
              "Are you sure you want to delete Bob .\nNo record of the player will remain !");
}

}  // namespace
}  // namespace gm
