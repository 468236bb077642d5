#include <regex>
#include <sstream>
#include <thread>

#include "cli/Cli.h"
#include "core/data/FileIO.h"
#include "SiteFixture.h"

namespace gm::test {
namespace {

std::string ApiBody(const std::string& member, const std::string& pin, int week, const std::string& picks,
                    const std::string& extra = "") {
    return "{\"member\":\"" + member + "\",\"pin\":\"" + pin + "\",\"week\":" + std::to_string(week) +
           ",\"picks\":[" + picks + "]" + extra + "}";
}

// The value of cookie `name` among a response's Set-Cookie headers.
std::string SetCookie(const httplib::Result& res, const std::string& name) {
    const std::size_t n = res->get_header_value_count("Set-Cookie");
    for (std::size_t i = 0; i < n; ++i) {
        const std::string c = res->get_header_value("Set-Cookie", i);
        if (c.rfind(name + "=", 0) == 0) return c;
    }
    return {};
}

std::string CookieValue(const std::string& setCookie) {
    const std::size_t eq = setCookie.find('='), semi = setCookie.find(';');
    return setCookie.substr(eq + 1, semi - eq - 1);
}

std::string HiddenCsrf(const std::string& page) {
    std::smatch m;
    static const std::regex re("name=\"csrf\" value=\"([0-9a-f]*)\"");
    return std::regex_search(page, m, re) ? m[1].str() : std::string();
}

std::string Export(const std::filesystem::path& folder, int week) {
    std::ostringstream out, err;
    const int code = cli::RunCli({"--data", folder.string(), "export-picks", "--week", std::to_string(week)}, out, err);
    EXPECT_EQ(code, 0) << err.str();
    return out.str();
}

TEST_F(SiteTest, AMemberSignsInPicksAndSavesThroughTheForm) {
    MakeFolder({"Ann Smith", "Bob Jones"});
    StartSite();
    httplib::Client c = Client();

    auto home = c.Get("/");
    ASSERT_TRUE(home);
    EXPECT_EQ(home->status, 200);
    const std::string signinCookie = SetCookie(home, "gm_signin");
    EXPECT_NE(signinCookie.find("HttpOnly"), std::string::npos);
    EXPECT_NE(signinCookie.find("SameSite=Strict"), std::string::npos);
    EXPECT_EQ(signinCookie.find("Secure"), std::string::npos);  // plain HTTP
    const std::string formToken = HiddenCsrf(home->body);
    ASSERT_EQ(formToken, CookieValue(signinCookie));

    const httplib::Headers withSignin = {{"Cookie", "gm_signin=" + formToken}};
    auto signin = c.Post("/signin", withSignin,
                         "csrf=" + formToken + "&member=ann+smith&pin=" + pins["Ann Smith"],
                         "application/x-www-form-urlencoded");
    ASSERT_TRUE(signin);
    ASSERT_EQ(signin->status, 303);
    EXPECT_EQ(signin->get_header_value("Location"), "/sheet");
    const std::string session = SetCookie(signin, "gm_session");
    EXPECT_NE(session.find("HttpOnly"), std::string::npos);
    EXPECT_NE(session.find("SameSite=Strict"), std::string::npos);
    EXPECT_NE(session.find("Max-Age=3600"), std::string::npos);
    const httplib::Headers signedIn = {{"Cookie", "gm_session=" + CookieValue(session)}};

    auto sheet = c.Get("/sheet", signedIn);
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->status, 200);
    EXPECT_NE(sheet->body.find("Ann Smith &middot; Week 1"), std::string::npos);
    const std::string csrf = HiddenCsrf(sheet->body);
    ASSERT_EQ(csrf.size(), 32u);

    const int thu = PlaceOf("BAL", "KC"), mon = PlaceOf("NYJ", "SF");
    AppState state(dir.path());
    LoadFolder(state);
    const std::string kc = std::to_string(state.League().TeamFromId("KC"));
    const std::string sf = std::to_string(state.League().TeamFromId("SF"));
    const std::string form = "csrf=" + csrf + "&week=1&g" + std::to_string(thu) + "=" + kc + "&c" +
                             std::to_string(thu) + "=16&g" + std::to_string(mon) + "=" + sf + "&c" +
                             std::to_string(mon) + "=3&monday=41";
    auto saved = c.Post("/sheet", signedIn, form, "application/x-www-form-urlencoded");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->status, 200) << saved->body;
    EXPECT_NE(saved->body.find("Your picks were saved at Thu 9/5/2024 12:00 PM ET"), std::string::npos);

    // What gridmoot-cli exports is what the member saved; nobody else changed.
    const std::string exported = Export(dir.path(), 1);
    EXPECT_NE(exported.find("Ann Smith,BAL@KC,KC,16,41\nAnn Smith,GB@PHI,,,41\n"), std::string::npos) << exported;
    EXPECT_NE(exported.find("Ann Smith,NYJ@SF,SF,3,41\nBob Jones,BAL@KC,,,0\n"), std::string::npos) << exported;
    EXPECT_EQ(exported.find("Bob Jones,NYJ@SF,,,0\n"), exported.size() - 21) << exported;

    // The audit log names who, from where and what changed, and never the PIN.
    const std::string log = ReadFile(server->AuditFile());
    EXPECT_NE(log.find("member=\"Ann Smith\" address=\"127.0.0.1\" week=1 changes: game " + std::to_string(thu) +
                       " -/0->KC/16"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find(pins["Ann Smith"]), std::string::npos);

    // Signing out ends the session: the sheet asks for a sign-in again.
    auto out = c.Post("/signout", signedIn, "csrf=" + csrf, "application/x-www-form-urlencoded");
    ASSERT_TRUE(out);
    EXPECT_EQ(out->status, 303);
    auto after = c.Get("/sheet", signedIn);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->status, 303);
    EXPECT_EQ(after->get_header_value("Location"), "/");
}

TEST_F(SiteTest, BadRequestsAreRefusedAndChangeNothing) {
    MakeFolder({"Ann Smith", "Bob Jones"});
    SetNow(Utc(2024, 9, 8, 16, 0));  // Sunday noon: Thursday's and Friday's games have kicked off
    StartSite();
    const std::string pool = ReadFile(dir / "Pool97.dat");
    const std::string pin = pins["Ann Smith"];
    const std::string open = "{\"game\":\"PIT@ATL\",\"team\":\"PIT\",\"confidence\":5}";

    // A signed-in session for the form cases.
    httplib::Client c = Client();
    auto home = c.Get("/");
    const std::string token = HiddenCsrf(home->body);
    auto signin = c.Post("/signin", {{"Cookie", "gm_signin=" + token}}, "csrf=" + token + "&member=Ann+Smith&pin=" + pin,
                         "application/x-www-form-urlencoded");
    ASSERT_EQ(signin->status, 303);
    const std::string cookie = "gm_session=" + CookieValue(SetCookie(signin, "gm_session"));
    const std::string csrf = HiddenCsrf(c.Get("/sheet", {{"Cookie", cookie}})->body);
    const std::string pitField = "&g" + std::to_string(PlaceOf("PIT", "ATL")) + "=1";

    struct Case {
        const char* What;
        std::string Method, Path, Type, Cookie, Body;
        int Status;
        const char* Says;
    } cases[] = {
        {"wrong PIN", "POST", net::kPicksApiRoute, "application/json", "", ApiBody("Ann Smith", "00000000", 1, open), 401,
         "Sign-in failed."},
        {"unknown member", "POST", net::kPicksApiRoute, "application/json", "", ApiBody("Nobody", pin, 1, open), 401,
         "Sign-in failed."},
        {"sign-in form without its token", "POST", "/signin", "application/x-www-form-urlencoded", "",
         "member=Ann+Smith&pin=" + pin, 403, "expired"},
        {"sheet without CSRF token", "POST", "/sheet", "application/x-www-form-urlencoded", cookie, "week=1" + pitField,
         403, "nothing was saved"},
        {"sheet with a wrong CSRF token", "POST", "/sheet", "application/x-www-form-urlencoded", cookie,
         "csrf=" + std::string(32, 'a') + "&week=1" + pitField, 403, "nothing was saved"},
        {"sheet without a session", "POST", "/sheet", "application/x-www-form-urlencoded", "",
         "csrf=" + csrf + "&week=1" + pitField, 401, "sign in"},
        {"locked game", "POST", net::kPicksApiRoute, "application/json", "",
         ApiBody("Ann Smith", pin, 1, open + ",{\"game\":\"BAL@KC\",\"team\":\"KC\",\"confidence\":16}"), 409,
         "This game is locked"},
        {"week not open", "POST", net::kPicksApiRoute, "application/json", "",
         ApiBody("Ann Smith", pin, 2, "{\"game\":1,\"team\":null}"), 409, "is not open for picks"},
        {"duplicate points", "POST", net::kPicksApiRoute, "application/json", "",
         ApiBody("Ann Smith", pin, 1, open + ",{\"game\":\"DAL@CLE\",\"team\":\"DAL\",\"confidence\":5}"), 400,
         "are also given to game"},
        {"unknown team", "POST", net::kPicksApiRoute, "application/json", "",
         ApiBody("Ann Smith", pin, 1, "{\"game\":\"PIT@ATL\",\"team\":\"XYZ\"}"), 400, "There is no team"},
        {"malformed JSON", "POST", net::kPicksApiRoute, "application/json", "", "{\"member\":\"Ann Smith\",", 400,
         "not valid JSON"},
        {"not JSON at all", "POST", net::kPicksApiRoute, "text/plain", "", ApiBody("Ann Smith", pin, 1, open), 415,
         "must be JSON"},
        {"oversized body", "POST", net::kPicksApiRoute, "application/json", "",
         ApiBody("Ann Smith", pin, 1, open, ",\"pad\":\"" + std::string(70 * 1024, 'x') + "\""), 413, "larger"},
        {"path above the site", "GET", "/../Pool97.dat", "", "", "", 404, "no such page"},
        {"encoded path above the site", "GET", "/%2e%2e/Vask97.ini", "", "", "", 404, "no such page"},
        {"a data file by name", "GET", "/Vask97.ini", "", "", "", 404, "no such page"},
        {"the PIN file by name", "GET", "/SitePins.dat", "", "", "", 404, "no such page"},
        {"the audit log by name", "GET", "/PicksSite.log", "", "", "", 404, "no such page"},
        {"a system file", "GET", "//etc/passwd", "", "", "", 404, "no such page"},
    };
    for (const Case& k : cases) {
        // Each case on a fresh raw connection, so that paths go out exactly as written.
        RawConnection conn(server->Port());
        std::string request = k.Method + " " + k.Path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
        if (!k.Cookie.empty()) request += "Cookie: " + k.Cookie + "\r\n";
        if (!k.Type.empty()) request += "Content-Type: " + k.Type + "\r\n";
        if (k.Method == "POST") request += "Content-Length: " + std::to_string(k.Body.size()) + "\r\n";
        conn.Send(request + "\r\n" + k.Body);
        const std::string answer = conn.ReadAll();
        EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 " + std::to_string(k.Status)) << k.What << "\n" << answer.substr(0, 400);
        EXPECT_NE(answer.find(k.Says), std::string::npos) << k.What << "\n" << answer.substr(0, 2000);
        EXPECT_EQ(answer.find("[Options]"), std::string::npos) << k.What;
        EXPECT_EQ(answer.find("root:"), std::string::npos) << k.What;
    }
    EXPECT_EQ(ReadFile(dir / "Pool97.dat"), pool) << "a refused request changed the pool file";
    EXPECT_FALSE(std::filesystem::exists(server->AuditFile()));
}

TEST_F(SiteTest, ABodyTooLargeIsRefusedBeforeItIsReadAndStalledConnectionsAreClosed) {
    MakeFolder({"Ann Smith"});
    net::SiteConfig config;
    config.Timeout = std::chrono::seconds(1);
    StartSite(nullptr, config);

    // Only the headers are sent: the answer comes without waiting for 100 MB.
    {
        RawConnection conn(server->Port());
        conn.Send("POST " + std::string(net::kPicksApiRoute) + " HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\n"
                  "Content-Length: 100000000\r\n\r\n{");
        const std::string answer = conn.ReadAll();
        EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 413");
    }
    // A body without a stated length is refused too.
    {
        RawConnection conn(server->Port());
        conn.Send("POST " + std::string(net::kPicksApiRoute) + " HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\n"
                  "Transfer-Encoding: chunked\r\n\r\n5\r\n{\"a\":\r\n");
        EXPECT_EQ(conn.ReadAll().substr(0, 12), "HTTP/1.1 411");
    }
    // Half a request, then silence: the site hangs up (the read would
    // otherwise wait the 20 s of the test's own timeout).
    {
        RawConnection conn(server->Port());
        conn.Send("GET / HTTP/1.1\r\nHost: x\r\n");
        bool closed = false;
        const std::string answer = conn.ReadAll(&closed);
        EXPECT_TRUE(closed);
        EXPECT_EQ(answer.find("200 OK"), std::string::npos);
    }
    // An idle connection after an answer is closed as well.
    {
        RawConnection conn(server->Port());
        conn.Send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
        bool closed = false;
        const std::string answer = conn.ReadAll(&closed);
        EXPECT_TRUE(closed);
        EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK");
    }
}

TEST_F(SiteTest, FiveFailedSignInsHoldOffTheMemberAndTheAddressForFifteenMinutes) {
    MakeFolder({"Ann Smith", "Bob Jones"});
    StartSite();
    httplib::Client c = Client();
    const std::string open = "{\"game\":\"PIT@ATL\",\"team\":\"PIT\",\"confidence\":5}";
    auto post = [&](const std::string& member, const std::string& pin) {
        return c.Post(net::kPicksApiRoute, ApiBody(member, pin, 1, open), "application/json");
    };
    for (int i = 0; i < 5; ++i) EXPECT_EQ(post("Ann Smith", "1234567" + std::to_string(i))->status, 401);
    auto held = post("Ann Smith", pins["Ann Smith"]);  // even the right PIN waits
    EXPECT_EQ(held->status, 429);
    EXPECT_EQ(held->get_header_value("Retry-After"), "900");
    EXPECT_NE(held->body.find("Try again in 15 minutes"), std::string::npos);

    SetNow(ThursdayNoon() + std::chrono::minutes(10));
    EXPECT_EQ(post("Ann Smith", pins["Ann Smith"])->get_header_value("Retry-After"), "300");
    // The address is held off too, whichever member it names.
    EXPECT_EQ(post("Bob Jones", pins["Bob Jones"])->status, 429);

    SetNow(ThursdayNoon() + std::chrono::minutes(15));
    EXPECT_EQ(post("Ann Smith", pins["Ann Smith"])->status, 200);

    // The sign-in form counts the same way.
    SetNow(ThursdayNoon() + std::chrono::hours(1));
    auto home = c.Get("/");
    const std::string token = HiddenCsrf(home->body);
    auto form = [&](const std::string& pin) {
        return c.Post("/signin", {{"Cookie", "gm_signin=" + token}}, "csrf=" + token + "&member=Bob+Jones&pin=" + pin,
                      "application/x-www-form-urlencoded");
    };
    for (int i = 0; i < 5; ++i) {
        auto r = form("bad");
        EXPECT_EQ(r->status, 401);
        EXPECT_NE(r->body.find("Sign-in failed."), std::string::npos);
    }
    auto r = form(pins["Bob Jones"]);
    EXPECT_EQ(r->status, 429);
    EXPECT_EQ(r->get_header_value("Retry-After"), "900");
}

TEST_F(SiteTest, FortyMembersSavingAtOnceAllLandWithExactlyTheirOwnPicks) {
    std::vector<std::string> names;
    for (int i = 1; i <= 40; ++i) names.push_back("Member " + std::to_string(i));
    MakeFolder(names);
    StartSite();

    AppState before(dir.path());
    LoadFolder(before);
    const League& league = before.League();
    std::vector<int> slots;
    for (int g = 0; g < league.Slots; ++g)
        if (before.Games[0][static_cast<std::size_t>(g)].HasGame()) slots.push_back(g);
    const int games = static_cast<int>(slots.size());

    // Member i picks the home team where (game + i) is even, with points rotated by i.
    auto expectedTeam = [&](int i, int g) {
        const GameRecord& game = before.Games[0][static_cast<std::size_t>(g)];
        return (g + i) % 2 == 0 ? game.HomeTeam : game.AwayTeam;
    };
    auto expectedPoints = [&](int i, int k) { return (k + i) % games + 1; };

    std::vector<int> status(names.size(), 0);
    std::vector<std::thread> clients;
    for (int i = 0; i < 40; ++i) {
        clients.emplace_back([&, i] {
            std::string picks;
            for (int k = 0; k < games; ++k) {
                const int g = slots[static_cast<std::size_t>(k)];
                if (k) picks += ',';
                picks += "{\"game\":" + std::to_string(g + 1) + ",\"team\":\"" +
                         std::string(league.TeamId(expectedTeam(i, g))) +
                         "\",\"confidence\":" + std::to_string(expectedPoints(i, k)) + "}";
            }
            httplib::Client c = Client();
            auto r = c.Post(net::kPicksApiRoute, ApiBody(names[static_cast<std::size_t>(i)], pins[names[static_cast<std::size_t>(i)]], 1, picks, ",\"monday\":" + std::to_string(i)),
                            "application/json");
            status[static_cast<std::size_t>(i)] = r ? r->status : -100 - static_cast<int>(r.error());
        });
    }
    for (std::thread& t : clients) t.join();
    for (int i = 0; i < 40; ++i) EXPECT_EQ(status[static_cast<std::size_t>(i)], 200) << names[static_cast<std::size_t>(i)];

    // What is on disk, read afresh.
    AppState after(dir.path());
    LoadFolder(after);
    ASSERT_EQ(after.MemberCount, 40);
    for (int i = 0; i < 40; ++i) {
        const MemberRecord& m = after.Members[static_cast<std::size_t>(i)];
        ASSERT_EQ(m.TrimmedName(), names[static_cast<std::size_t>(i)]);
        for (int k = 0; k < games; ++k) {
            const int g = slots[static_cast<std::size_t>(k)];
            EXPECT_EQ(m.Picks[0][static_cast<std::size_t>(g)], expectedTeam(i, g)) << m.TrimmedName() << " game " << g + 1;
            EXPECT_EQ(m.Confidence[0][static_cast<std::size_t>(g)], expectedPoints(i, k)) << m.TrimmedName();
        }
        EXPECT_EQ(m.Tiebreak[0], i);
    }
    std::istringstream log(ReadFile(server->AuditFile()));
    int lines = 0;
    for (std::string line; std::getline(log, line);) ++lines;
    EXPECT_EQ(lines, 40);
}

// The pool file cannot be written: the member hears so, the file stays as it was.
class FailingSaves : public net::PoolAccess {
public:
    explicit FailingSaves(net::PoolAccess& inner) : inner_(inner) {}
    bool Run(const std::function<void(AppState&)>& work) override {
        ScopedSaveFault full([](SaveStep step, const fs::path&) { return step == SaveStep::Write ? ENOSPC : 0; });
        return inner_.Run(work);
    }

private:
    net::PoolAccess& inner_;
};

TEST_F(SiteTest, AFailedSaveAnswers500KeepsThePoolFileAndIsLogged) {
    MakeFolder({"Ann Smith"});
    net::FolderPool inner(dir.path());
    ASSERT_TRUE(inner.Load().ok());
    FailingSaves failing(inner);
    StartSite(&failing);
    const std::string pool = ReadFile(dir / "Pool97.dat");

    httplib::Client c = Client();
    auto r = c.Post(net::kPicksApiRoute,
                    ApiBody("Ann Smith", pins["Ann Smith"], 1, "{\"game\":\"PIT@ATL\",\"team\":\"PIT\",\"confidence\":5}"),
                    "application/json");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 500);
    EXPECT_NE(r->body.find("could not be saved"), std::string::npos) << r->body;
    EXPECT_NE(r->body.find("No space left on device"), std::string::npos) << r->body;
    EXPECT_EQ(ReadFile(dir / "Pool97.dat"), pool);
    EXPECT_NE(ReadFile(server->AuditFile()).find("NOT SAVED"), std::string::npos);

    // The failed sheet is not kept in memory either: a later sheet saves only itself.
    server.reset();
    StartSite(&inner);
    httplib::Client again = Client();
    r = again.Post(net::kPicksApiRoute,
                   ApiBody("Ann Smith", pins["Ann Smith"], 1, "{\"game\":\"DAL@CLE\",\"team\":\"DAL\",\"confidence\":4}"),
                   "application/json");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->status, 200);
    const std::string exported = Export(dir.path(), 1);
    EXPECT_NE(exported.find(",DAL,4,"), std::string::npos) << exported;
    EXPECT_EQ(exported.find(",PIT,5,"), std::string::npos) << exported;
}

}  // namespace
}  // namespace gm::test
