#include "net/PinStore.h"

#include <gtest/gtest.h>

#include <regex>

#include "support/TempDir.h"

namespace gm::test {
namespace {

TEST(PinStore, ANewPinReplacesTheOldAndOnlyItsSaltedHashIsKept) {
    TempDir dir;
    net::PinStore store(dir.path());
    std::string first, second, bob;
    ASSERT_TRUE(store.Issue("Ann Smith", first, net::QuickCost()).ok());
    ASSERT_TRUE(std::regex_match(first, std::regex("[0-9]{8}")));
    ASSERT_TRUE(store.Issue("Bob Jones", bob, net::QuickCost()).ok());
    EXPECT_TRUE(store.Verify("ann smith", first));  // names in any letter case
    EXPECT_TRUE(store.Verify(" Ann Smith ", first));
    EXPECT_FALSE(store.Verify("Ann Smith", bob));
    EXPECT_FALSE(store.Verify("Ann Smith", first + "0"));
    EXPECT_FALSE(store.Verify("Ann Smith", ""));
    EXPECT_FALSE(store.Verify("Nobody", first));

    ASSERT_TRUE(store.Issue("ANN SMITH", second, net::QuickCost()).ok());
    if (second != first) EXPECT_FALSE(store.Verify("Ann Smith", first));
    EXPECT_TRUE(store.Verify("Ann Smith", second));
    EXPECT_TRUE(store.Verify("Bob Jones", bob));

    const std::string file = ReadFile(dir / "SitePins.dat");
    EXPECT_EQ(file.find(second), std::string::npos);
    EXPECT_EQ(file.find(bob), std::string::npos);
    EXPECT_NE(file.find("ann smith\t$argon2id$"), std::string::npos) << file;
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3);  // the signature and one line a member

    // Another program's store (gridmoot-cli pin) sees the new PIN at once.
    net::PinStore other(dir.path());
    EXPECT_TRUE(other.Verify("Ann Smith", second));
    std::string third;
    ASSERT_TRUE(other.Issue("Ann Smith", third, net::QuickCost()).ok());
    EXPECT_TRUE(store.Verify("Ann Smith", third));
}

TEST(PinStore, TheProgramsOwnCostIsTheInteractiveOne) {
    TempDir dir;
    net::PinStore store(dir.path());
    std::string pin;
    ASSERT_TRUE(store.Issue("Ann Smith", pin).ok());
    EXPECT_NE(ReadFile(dir / "SitePins.dat").find("$argon2id$v=19$m=65536,t=2,"), std::string::npos);
    EXPECT_TRUE(store.Verify("Ann Smith", pin));
}

TEST(PinStore, AFileThatIsNotOursLetsNobodyInAndIsNotOverwritten) {
    TempDir dir;
    WriteFile(dir / "SitePins.dat", "ann smith\t$argon2id$whatever\n");
    net::PinStore store(dir.path());
    EXPECT_FALSE(store.Has("Ann Smith"));
    std::string pin;
    const Status s = store.Issue("Bob Jones", pin, net::QuickCost());
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message.find("SitePins.dat"), std::string::npos) << s.message;
    EXPECT_TRUE(pin.empty());
    EXPECT_EQ(ReadFile(dir / "SitePins.dat"), "ann smith\t$argon2id$whatever\n");
    EXPECT_FALSE(store.Issue("   ", pin, net::QuickCost()).ok());
}

TEST(PinStore, SecretsCompareWholeAndTokensAreFresh) {
    EXPECT_TRUE(net::SameSecret("abc", "abc"));
    EXPECT_FALSE(net::SameSecret("abc", "abd"));
    EXPECT_FALSE(net::SameSecret("abc", "ab"));
    EXPECT_FALSE(net::SameSecret("", "a"));
    const std::string a = net::RandomHex(32), b = net::RandomHex(32);
    EXPECT_EQ(a.size(), 64u);
    EXPECT_NE(a, b);
    EXPECT_TRUE(std::regex_match(a, std::regex("[0-9a-f]{64}")));
}

}  // namespace
}  // namespace gm::test
