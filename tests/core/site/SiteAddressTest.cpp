#include <gtest/gtest.h>

#include "core/site/SiteAddress.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using V = std::vector<std::string>;

TEST(SiteAddress, AddressesGivenToMembers) {
    const V machine{"192.168.1.20", "127.0.1.1", "10.8.0.2"};
    const struct {
        const char* Listen;
        int Port;
        bool Https;
        V Machine;
        V Want;
    } cases[] = {
        {"127.0.0.1", 8080, false, machine, {"http://127.0.0.1:8080/"}},
        {"192.168.1.20", 443, true, machine, {"https://192.168.1.20:443/"}},
        {"0.0.0.0", 8080, false, machine, {"http://192.168.1.20:8080/", "http://10.8.0.2:8080/"}},
        {"::", 8443, true, {"10.0.0.4"}, {"https://10.0.0.4:8443/"}},
        // No network: the computer itself is all there is.
        {"0.0.0.0", 8080, false, {}, {"http://127.0.0.1:8080/"}},
        {"::1", 9000, false, machine, {"http://[::1]:9000/"}},
    };
    for (const auto& c : cases) EXPECT_EQ(MemberAddresses(c.Listen, c.Port, c.Https, c.Machine), c.Want) << c.Listen;
}

TEST(SiteAddress, KeptInTheSettingsFileBesideTheOtherKeys) {
    test::TempDir dir;
    test::WriteFile(dir / "Vask97.ini", "[Pool]\r\nTitle=Acme\r\n");
    const AppState state(dir.path());
    EXPECT_EQ(ReadSiteAddress(state), "");
    ASSERT_TRUE(WriteSiteAddress(state, "http://192.168.1.20:8080/").ok());
    EXPECT_EQ(ReadSiteAddress(AppState(dir.path())), "http://192.168.1.20:8080/");
    EXPECT_NE(test::ReadFile(dir / "Vask97.ini").find("Title=Acme"), std::string::npos);
}

}  // namespace
}  // namespace gm
