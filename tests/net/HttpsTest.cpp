// The site over HTTPS, with a certificate the test makes for itself.
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>

#include "SiteFixture.h"

namespace gm::test {
namespace {

// A self-signed certificate for "localhost" and its key, as PEM files.
void MakeCertificate(const std::filesystem::path& cert, const std::filesystem::path& key) {
    EVP_PKEY* pkey = EVP_EC_gen("P-256");
    ASSERT_NE(pkey, nullptr);
    X509* x = X509_new();
    X509_set_version(x, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(x), 1);
    X509_gmtime_adj(X509_getm_notBefore(x), 0);
    X509_gmtime_adj(X509_getm_notAfter(x), 60L * 60 * 24);
    X509_set_pubkey(x, pkey);
    X509_NAME* name = X509_get_subject_name(x);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("localhost"), -1, -1, 0);
    X509_set_issuer_name(x, name);
    ASSERT_GT(X509_sign(x, pkey, EVP_sha256()), 0);
    FILE* f = std::fopen(cert.c_str(), "w");
    PEM_write_X509(f, x);
    std::fclose(f);
    f = std::fopen(key.c_str(), "w");
    PEM_write_PrivateKey(f, pkey, nullptr, nullptr, 0, nullptr, nullptr);
    std::fclose(f);
    X509_free(x);
    EVP_PKEY_free(pkey);
}

TEST_F(SiteTest, OverHttpsTheSessionCookieIsSecureAndAPinSaves) {
    MakeFolder({"Ann Smith"});
    TempDir keys;
    MakeCertificate(keys / "site.pem", keys / "site.key");
    net::SiteConfig config;
    config.CertFile = keys / "site.pem";
    config.KeyFile = keys / "site.key";
    StartSite(nullptr, config);
    EXPECT_EQ(server->Url().rfind("https://127.0.0.1:", 0), 0u) << server->Url();

    httplib::SSLClient c("127.0.0.1", server->Port());
    c.enable_server_certificate_verification(false);
    auto home = c.Get("/");
    ASSERT_TRUE(home) << httplib::to_string(home.error());
    EXPECT_EQ(home->status, 200);
    EXPECT_NE(home->get_header_value("Set-Cookie").find("; Secure"), std::string::npos);

    auto saved = c.Post(net::kPicksApiRoute,
                        "{\"member\":\"ann smith\",\"pin\":\"" + pins["Ann Smith"] +
                            "\",\"week\":1,\"picks\":[{\"game\":\"PIT@ATL\",\"team\":\"ATL\",\"confidence\":7}]}",
                        "application/json");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->status, 200) << saved->body;
    EXPECT_NE(saved->body.find("\"team\":\"ATL\",\"confidence\":7"), std::string::npos) << saved->body;

    // Plain HTTP to the HTTPS port gets no page.
    httplib::Client plain("127.0.0.1", server->Port());
    auto refused = plain.Get("/");
    EXPECT_TRUE(!refused || refused->status != 200);
}

TEST_F(SiteTest, ACertificateThatCannotBeReadIsSaidAndNothingListens) {
    MakeFolder({"Ann Smith"});
    WriteFile(dir / "bad.pem", "not a certificate");
    net::FolderPool access(dir.path());
    ASSERT_TRUE(access.Load().ok());
    net::SiteConfig config;
    config.Port = 0;
    config.CertFile = dir / "bad.pem";
    config.KeyFile = dir / "bad.pem";
    net::SiteServer site(dir.path(), access, config);
    std::string error;
    EXPECT_FALSE(site.Start(&error));
    EXPECT_NE(error.find("bad.pem"), std::string::npos) << error;
    EXPECT_FALSE(site.Running());
}

}  // namespace
}  // namespace gm::test
