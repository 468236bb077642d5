#include "net/SiteServer.h"

#include <fcntl.h>
#include <httplib.h>
#include <unistd.h>

#include <condition_variable>
#include <deque>
#include <map>

#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/site/PicksSite.h"
#include "core/site/SitePages.h"
#include "core/site/SiteSettings.h"

namespace gm::net {

// ---------------------------------------------------------------- FolderPool

FolderPool::FolderPool(std::filesystem::path dataFolder) : state_(std::move(dataFolder)) {}

Status FolderPool::Load() {
    std::lock_guard<std::mutex> guard(mutex_);
    ReadSettings(state_, 1LL << 24);
    LoadTeamTables(state_);
    Status warning = Status::Ok();
    for (Status s : {LoadSeason(state_, kCurrentSeasonRead), LoadPool(state_)}) {
        if (!s) return s;
        if (s.isWarning()) warning = s;
    }
    return warning;
}

bool FolderPool::Run(const std::function<void(AppState&)>& work) {
    std::lock_guard<std::mutex> guard(mutex_);
    work(state_);
    return true;
}

namespace {

// ------------------------------------------------------------ the work queue

// A fixed set of workers serves the connections; accepted connections wait
// in a queue of bounded length, and while it is full the server accepts no
// more (they wait in the system's listen queue).
class BoundedQueue : public httplib::TaskQueue {
public:
    BoundedQueue(int workers, int waiting) : cap_(static_cast<std::size_t>(std::max(1, waiting))) {
        for (int i = 0; i < std::max(1, workers); ++i) threads_.emplace_back([this] { Work(); });
    }
    ~BoundedQueue() override { shutdown(); }

    void enqueue(std::function<void()> fn) override {
        std::unique_lock<std::mutex> lock(mutex_);
        notFull_.wait(lock, [this] { return jobs_.size() < cap_ || stopping_; });
        jobs_.push_back(std::move(fn));
        notEmpty_.notify_one();
    }

    void shutdown() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        notEmpty_.notify_all();
        notFull_.notify_all();
        for (std::thread& t : threads_)
            if (t.joinable()) t.join();
    }

private:
    void Work() {
        for (;;) {
            std::function<void()> fn;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                notEmpty_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
                if (jobs_.empty()) return;  // stopping, and every connection taken was served
                fn = std::move(jobs_.front());
                jobs_.pop_front();
                notFull_.notify_one();
            }
            fn();
        }
    }

    std::size_t cap_;
    std::mutex mutex_;
    std::condition_variable notEmpty_, notFull_;
    std::deque<std::function<void()>> jobs_;
    std::vector<std::thread> threads_;
    bool stopping_ = false;
};

// The library listens with room for 5 connections not yet accepted: forty
// members pressing Save together overflow that, and the system then drops
// connections it has half made. The listening socket gets a longer queue.
template <class Base>
class WideListen : public Base {
public:
    using Base::Base;
    void WidenBacklog(int connections) { ::listen(this->svr_sock_, connections); }
};

// ------------------------------------------------------------ small helpers

int FromHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string UrlDecode(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '+') {
            out += ' ';
        } else if (s[i] == '%' && i + 2 < s.size() && FromHex(s[i + 1]) >= 0 && FromHex(s[i + 2]) >= 0) {
            out += static_cast<char>(FromHex(s[i + 1]) * 16 + FromHex(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// The fields of an application/x-www-form-urlencoded body; a name given twice keeps its first value.
std::map<std::string, std::string> FormFields(std::string_view body) {
    std::map<std::string, std::string> fields;
    int count = 0;
    while (!body.empty() && count < 200) {
        const std::size_t amp = body.find('&');
        const std::string_view pair = body.substr(0, amp);
        body = amp == std::string_view::npos ? std::string_view() : body.substr(amp + 1);
        if (pair.empty()) continue;
        ++count;
        const std::size_t eq = pair.find('=');
        std::string name = UrlDecode(pair.substr(0, eq));
        std::string value = eq == std::string_view::npos ? std::string() : UrlDecode(pair.substr(eq + 1));
        fields.emplace(std::move(name), std::move(value));
    }
    return fields;
}

std::string CookieValue(const httplib::Request& req, std::string_view name) {
    const std::string header = req.get_header_value("Cookie");
    std::string_view rest = header;
    while (!rest.empty()) {
        const std::size_t semi = rest.find(';');
        std::string_view part = rest.substr(0, semi);
        rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        const std::size_t eq = part.find('=');
        if (eq != std::string_view::npos && part.substr(0, eq) == name) return std::string(part.substr(eq + 1));
    }
    return {};
}

std::string Field(const std::map<std::string, std::string>& fields, const std::string& name) {
    const auto it = fields.find(name);
    return it == fields.end() ? std::string() : it->second;
}

// Headers every answer carries: nothing is cached, no page may be framed, no
// script runs, forms post only here.
void Harden(httplib::Response& res) {
    if (res.has_header("X-Frame-Options")) return;  // already done before routing
    res.set_header("Cache-Control", "no-store");
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("X-Frame-Options", "DENY");
    res.set_header("Referrer-Policy", "no-referrer");
    res.set_header("Content-Security-Policy",
                   "default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; frame-ancestors 'none'; "
                   "base-uri 'none'");
}

void Html(httplib::Response& res, int status, const std::string& page) {
    res.status = status;
    res.set_content(page, "text/html; charset=utf-8");
}

void Json(httplib::Response& res, int status, const std::string& body) {
    res.status = status;
    res.set_content(body, "application/json; charset=utf-8");
}

void Redirect(httplib::Response& res, const std::string& to) {
    res.status = 303;
    res.set_header("Location", to);
}

std::string PlainPage(std::string_view title, std::string_view text) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           HtmlEscape(title) + "</title>\n</head>\n<body>\n<h1>" + HtmlEscape(title) + "</h1>\n<p>" +
           HtmlEscape(text) + "</p>\n<p><a href=\"/\">Sign in</a></p>\n</body>\n</html>\n";
}

std::string MinutesText(long long seconds) {
    const long long minutes = (seconds + 59) / 60;
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

}  // namespace

// ------------------------------------------------------------------ the site

class SiteServer::Impl {
public:
    Impl(std::filesystem::path folder, PoolAccess& pool, SiteConfig config)
        : folder_(std::move(folder)), pool_(pool), config_(std::move(config)), pins_(folder_) {
        auditFile_ = FindFile(folder_, kSiteAuditFileName);
    }

    SiteTime Now() const {
        if (config_.Clock) return config_.Clock();
        return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    }
    bool Secure() const { return !config_.CertFile.empty(); }
    const SiteConfig& Config() const { return config_; }

    std::unique_ptr<httplib::Server> server;
    std::function<void(const SiteSave&)> onSaved;
    std::mutex onSavedMutex;
    std::filesystem::path auditFile_;

    void Routes(httplib::Server& s);

private:
    struct Session {
        std::string Member;
        std::string Csrf;
        SiteTime Expires{};
    };

    // The session of the request's cookie, when it is live; its expiry moves on.
    std::optional<Session> SessionOf(const httplib::Request& req, std::string* token = nullptr) {
        const std::string t = CookieValue(req, "gm_session");
        if (t.empty()) return std::nullopt;
        std::lock_guard<std::mutex> guard(authMutex_);
        const auto it = sessions_.find(t);
        if (it == sessions_.end()) return std::nullopt;
        const SiteTime now = Now();
        if (it->second.Expires <= now) {
            sessions_.erase(it);
            return std::nullopt;
        }
        it->second.Expires = now + config_.SessionLife;
        if (token) *token = t;
        return it->second;
    }

    std::string NewSession(const std::string& member) {
        std::lock_guard<std::mutex> guard(authMutex_);
        const SiteTime now = Now();
        if (sessions_.size() >= 4096) {
            for (auto it = sessions_.begin(); it != sessions_.end();)
                it = it->second.Expires <= now ? sessions_.erase(it) : std::next(it);
            while (sessions_.size() >= 4096) {
                auto oldest = sessions_.begin();
                for (auto it = sessions_.begin(); it != sessions_.end(); ++it)
                    if (it->second.Expires < oldest->second.Expires) oldest = it;
                sessions_.erase(oldest);
            }
        }
        std::string token = RandomHex(32);
        sessions_[token] = Session{member, RandomHex(16), now + config_.SessionLife};
        return token;
    }

    std::string Cookie(std::string_view name, std::string_view value, long long maxAge) const {
        std::string c = std::string(name) + "=" + std::string(value) + "; Path=/; HttpOnly; SameSite=Strict; Max-Age=" +
                        std::to_string(maxAge);
        if (Secure()) c += "; Secure";
        return c;
    }

    // Seconds before a sign-in try is taken, or nothing.
    std::optional<long long> Throttled(const std::string& member, const std::string& address) {
        std::lock_guard<std::mutex> guard(authMutex_);
        return throttle_.RetryAfter(member, address, Now());
    }

    // Checks the name and PIN; the member's name as the pool holds it, or
    // nothing (counted as a failure). When the pool cannot be reached (the
    // site is stopping) `unreachable` is set and nothing is counted.
    std::optional<std::string> SignIn(const std::string& member, const std::string& pin, const std::string& address,
                                      bool* unreachable = nullptr) {
        std::string name;
        const bool reached = pool_.Run([&](AppState& state) {
            const int m = FindMember(state, member);
            if (m >= 0) name = state.Members[static_cast<std::size_t>(m)].TrimmedName();
        });
        if (!reached) {
            if (unreachable) *unreachable = true;
            return std::nullopt;
        }
        if (!name.empty() && !pin.empty() && pins_.Verify(name, pin)) return name;
        std::lock_guard<std::mutex> guard(authMutex_);
        throttle_.Failed(member, address, Now());
        return std::nullopt;
    }

    struct Answer {
        int Status = 500;
        SubmitResult Result;
        std::string Failure;  // why the save failed
        std::string Page;     // the form's answer page
        std::string Json;     // the API's answer
    };

    // Checks a sheet and saves it, all under the pool's one-at-a-time rule, so
    // that the answer never goes out before the sheet is on disk.
    Answer Submit(const Submission& sheet, const std::string& address, const std::string& csrf, bool page) {
        Answer a;
        const SiteTime now = Now();
        std::string savedName;
        const bool reached = pool_.Run([&](AppState& state) {
            const OpenSheet open = OpenSheetAt(state, ReadSiteSettings(state), now);
            a.Result = CheckSubmission(state, open.Options, sheet, now);
            SubmitResult& r = a.Result;
            std::optional<SiteTime> savedAt;
            if (r.Outcome == SubmitOutcome::Saved) {
                const auto m = static_cast<std::size_t>(r.Member);
                if (r.SaveRecord && !r.Changes.empty()) {
                    const MemberRecord before = state.Members[m];
                    state.Members[m] = r.Record;
                    if (Status s = SavePool(state); !s) {
                        state.Members[m] = before;
                        a.Status = 500;
                        a.Failure = s.message;
                        Audit(AuditLine(state, r, address, now) + std::string(kNotSaved) + s.message);
                    }
                }
                if (a.Failure.empty()) {
                    Audit(AuditLine(state, r, address, now));
                    savedName = state.Members[m].TrimmedName();
                    a.Status = 200;
                    savedAt = now;
                }
            } else {
                a.Status = r.Outcome == SubmitOutcome::Locked ? 409 : 400;
            }
            if (a.Status == 500) {
                a.Json = ErrorsJson({{0, "The picks could not be saved: " + a.Failure + " Nothing was changed."}});
            } else if (a.Status == 200) {
                a.Json = SheetJson(state, r.Member, r.Week, savedAt);
            } else {
                a.Json = ErrorsJson(r.Errors);
            }
            if (page && r.Member >= 0) {
                SheetPageInput in;
                in.Member = r.Member;
                in.Week = open.Week;
                in.Now = now;
                in.Csrf = csrf;
                in.Errors = r.Errors;
                if (a.Status == 500)
                    in.Errors.push_back({0, "Your picks could not be saved (" + a.Failure +
                                                "). Nothing was changed; please tell the pool's organiser."});
                if (a.Status != 200) in.Submitted = sheet;
                in.SavedAt = savedAt;
                a.Page = SheetPage(state, open.Options, in);
            }
        });
        if (!reached) {
            a.Status = 503;
            a.Json = ErrorsJson({{0, "The site is stopping; try again later."}});
            a.Page = PlainPage("Site stopping", "The site is stopping; try again later.");
            return a;
        }
        if (a.Status == 200) {
            const SiteSave save{savedName, a.Result.Week, now, address};
            std::lock_guard<std::mutex> guard(onSavedMutex);
            if (onSaved) onSaved(save);
        }
        return a;
    }

    // One line at the end of the audit log, on disk before the answer goes out.
    void Audit(const std::string& line) {
        std::lock_guard<std::mutex> guard(auditMutex_);
        const int fd = ::open(auditFile_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return;
        const std::string text = line + "\n";
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::fdatasync(fd);
        ::close(fd);
    }

    std::string SignInPageFor(const std::string& csrf, const std::string& message) {
        std::string page;
        if (!pool_.Run([&](AppState& state) { page = SignInPage(state, csrf, message); }))
            page = PlainPage("Site stopping", "The site is stopping; try again later.");
        return page;
    }

    // The sign-in form's token: a random value in a cookie that the form
    // repeats (a page of another site can neither read the cookie nor, with
    // SameSite=Strict, have it sent).
    void ShowSignIn(const httplib::Request& req, httplib::Response& res, int status, const std::string& message) {
        std::string token = CookieValue(req, "gm_signin");
        if (token.size() != 32) token = RandomHex(16);
        res.set_header("Set-Cookie", Cookie("gm_signin", token, 60 * 60));
        Html(res, status, SignInPageFor(token, message));
    }

    void ShowSheet(httplib::Response& res, const Session& session) {
        const SiteTime now = Now();
        std::string page;
        bool member = false;
        pool_.Run([&](AppState& state) {
            const int m = FindMember(state, session.Member);
            if (m < 0) return;
            member = true;
            const OpenSheet open = OpenSheetAt(state, ReadSiteSettings(state), now);
            SheetPageInput in;
            in.Member = m;
            in.Week = open.Week;
            in.Now = now;
            in.Csrf = session.Csrf;
            page = SheetPage(state, open.Options, in);
        });
        if (!member) return Redirect(res, "/");
        Html(res, 200, page);
    }

    std::filesystem::path folder_;
    PoolAccess& pool_;
    SiteConfig config_;
    PinStore pins_;
    std::mutex authMutex_;
    std::map<std::string, Session> sessions_;
    SignInThrottle throttle_;
    std::mutex auditMutex_;
};

void SiteServer::Impl::Routes(httplib::Server& s) {
    s.set_payload_max_length(config_.MaxBody);
    s.set_read_timeout(config_.Timeout.count(), 0);
    s.set_write_timeout(config_.Timeout.count(), 0);
    s.set_keep_alive_timeout(std::min<long long>(5, config_.Timeout.count()));
    s.set_keep_alive_max_count(50);
    const int workers = config_.Workers, waiting = config_.Waiting;
    s.new_task_queue = [workers, waiting] { return new BoundedQueue(workers, waiting); };

    // Before the body is read: a body too large is refused unread, and so is
    // one without a stated length.
    s.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        Harden(res);
        if (req.has_header("Transfer-Encoding")) {
            res.set_header("Connection", "close");
            Html(res, 411, PlainPage("Length required", "The request must state its length."));
            return httplib::Server::HandlerResponse::Handled;
        }
        if (req.has_header("Content-Length")) {
            const std::string text = req.get_header_value("Content-Length");
            const bool digits = !text.empty() && text.size() <= 18 &&
                                std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits || std::stoull(text) > config_.MaxBody) {
                res.set_header("Connection", "close");
                Html(res, digits ? 413 : 400,
                     PlainPage(digits ? "Request too large" : "Bad request",
                               digits ? "The request is larger than the site takes." : "The request is malformed."));
                return httplib::Server::HandlerResponse::Handled;
            }
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    s.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
        Harden(res);
        if (!res.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
        const bool missing = res.status == 404;
        Html(res, res.status,
             PlainPage(missing ? "Not found" : "Bad request",
                       missing ? "There is no such page on this site." : "The site could not answer this request."));
        return httplib::Server::HandlerResponse::Handled;
    }));
    s.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        Harden(res);
        Html(res, 500, PlainPage("Site error", "The site could not answer this request; nothing was saved."));
    });

    s.Get("/", [this](const httplib::Request& req, httplib::Response& res) {
        if (SessionOf(req)) return Redirect(res, "/sheet");
        ShowSignIn(req, res, 200, "");
    });

    s.Post("/signin", [this](const httplib::Request& req, httplib::Response& res) {
        const auto fields = FormFields(req.body);
        const std::string token = CookieValue(req, "gm_signin");
        if (token.size() != 32 || !SameSecret(token, Field(fields, "csrf")))
            return ShowSignIn(req, res, 403, "The sign-in form had expired. Please sign in again.");
        const std::string member = Field(fields, "member"), pin = Field(fields, "pin");
        if (const auto wait = Throttled(member, req.remote_addr)) {
            res.set_header("Retry-After", std::to_string(*wait));
            return ShowSignIn(req, res, 429, "Too many failed sign-ins. Try again in " + MinutesText(*wait) + ".");
        }
        bool unreachable = false;
        const std::optional<std::string> name = SignIn(member, pin, req.remote_addr, &unreachable);
        if (unreachable) return Html(res, 503, PlainPage("Site stopping", "The site is stopping; try again later."));
        if (!name) return ShowSignIn(req, res, 401, "Sign-in failed.");
        res.set_header("Set-Cookie", Cookie("gm_session", NewSession(*name), config_.SessionLife.count()));
        Redirect(res, "/sheet");
    });

    s.Get("/sheet", [this](const httplib::Request& req, httplib::Response& res) {
        const auto session = SessionOf(req);
        if (!session) return Redirect(res, "/");
        ShowSheet(res, *session);
    });

    s.Post("/sheet", [this](const httplib::Request& req, httplib::Response& res) {
        const auto session = SessionOf(req);
        if (!session) return ShowSignIn(req, res, 401, "Your sign-in has ended. Please sign in and send your picks again.");
        const auto fields = FormFields(req.body);
        if (!SameSecret(session->Csrf, Field(fields, "csrf")))
            return Html(res, 403, PlainPage("Form expired", "The sheet's form had expired; nothing was saved. "
                                                            "Open the sheet again and send your picks."));
        const Answer a = Submit(SubmissionFromForm(fields, session->Member), req.remote_addr, session->Csrf, true);
        if (a.Page.empty()) return Redirect(res, "/");
        Html(res, a.Status, a.Page);
    });

    s.Post("/signout", [this](const httplib::Request& req, httplib::Response& res) {
        std::string token;
        const auto session = SessionOf(req, &token);
        const auto fields = FormFields(req.body);
        if (session && SameSecret(session->Csrf, Field(fields, "csrf"))) {
            std::lock_guard<std::mutex> guard(authMutex_);
            sessions_.erase(token);
        }
        res.set_header("Set-Cookie", Cookie("gm_session", "", 0));
        Redirect(res, "/");
    });

    s.Post(kPicksApiRoute, [this](const httplib::Request& req, httplib::Response& res) {
        const std::string type = req.get_header_value("Content-Type");
        if (type.rfind("application/json", 0) != 0)
            return Json(res, 415, ErrorsJson({{0, "The body must be JSON (Content-Type: application/json)."}}));
        const ParsedSubmission parsed = ParseSubmissionJson(req.body);
        const Submission& sheet = parsed.Sheet;
        if (sheet.Member.empty() || sheet.Pin.empty()) return Json(res, 400, ErrorsJson(parsed.Errors));
        if (const auto wait = Throttled(sheet.Member, req.remote_addr)) {
            res.set_header("Retry-After", std::to_string(*wait));
            return Json(res, 429, ErrorsJson({{0, "Too many failed sign-ins. Try again in " + MinutesText(*wait) + "."}}));
        }
        bool unreachable = false;
        const std::optional<std::string> name = SignIn(sheet.Member, sheet.Pin, req.remote_addr, &unreachable);
        if (unreachable) return Json(res, 503, ErrorsJson({{0, "The site is stopping; try again later."}}));
        if (!name) return Json(res, 401, ErrorsJson({{0, "Sign-in failed."}}));
        if (!parsed.Ok) return Json(res, 400, ErrorsJson(parsed.Errors));
        Submission named = sheet;
        named.Member = *name;
        named.Pin.clear();
        const Answer a = Submit(named, req.remote_addr, "", false);
        Json(res, a.Status, a.Json);
    });
}

// ------------------------------------------------------------------ SiteServer

SiteServer::SiteServer(std::filesystem::path dataFolder, PoolAccess& pool, SiteConfig config)
    : impl_(std::make_unique<Impl>(std::move(dataFolder), pool, std::move(config))) {}

const std::filesystem::path& SiteServer::AuditFile() const { return impl_->auditFile_; }

SiteServer::~SiteServer() {
    Stop();
    Wait();
}

bool SiteServer::Start(std::string* error) {
    auto fail = [&](std::string why) {
        if (error) *error = std::move(why);
        return false;
    };
    if (thread_.joinable()) return fail("The site is already running.");
    if (!CryptoReady()) return fail("No secure source of random numbers is available.");
    const SiteConfig& c = impl_->Config();
    if (c.CertFile.empty() != c.KeyFile.empty()) return fail("HTTPS needs both a certificate and a key.");
    std::function<void(int)> widen;
    if (!c.CertFile.empty()) {
        auto ssl = std::make_unique<WideListen<httplib::SSLServer>>(c.CertFile.c_str(), c.KeyFile.c_str());
        widen = [server = ssl.get()](int n) { server->WidenBacklog(n); };
        if (!ssl->is_valid())
            return fail("The certificate " + c.CertFile.string() + " or the key " + c.KeyFile.string() +
                        " could not be read (both must be PEM files, the key without a pass phrase).");
        impl_->server = std::move(ssl);
    } else {
        auto plain = std::make_unique<WideListen<httplib::Server>>();
        widen = [server = plain.get()](int n) { server->WidenBacklog(n); };
        impl_->server = std::move(plain);
    }
    impl_->Routes(*impl_->server);
    int port = c.Port;
    if (port == 0) {
        port = impl_->server->bind_to_any_port(c.Address);
    } else if (port < 0 || port > 65535 || !impl_->server->bind_to_port(c.Address, port)) {
        port = -1;
    }
    if (port <= 0) {
        impl_->server.reset();
        return fail("The site could not listen on " + c.Address + " port " + std::to_string(c.Port) +
                    " (is the port in use, or the address not one of this computer's?).");
    }
    widen(128);
    port_ = port;
    finished_ = false;
    thread_ = std::thread([this] {
        impl_->server->listen_after_bind();
        finished_ = true;
    });
    return true;
}

bool SiteServer::Running() const { return !finished_ && impl_->server && impl_->server->is_running(); }

std::string SiteServer::Url() const {
    const SiteConfig& c = impl_->Config();
    std::string host = c.Address;
    if (host.find(':') != std::string::npos) host = "[" + host + "]";
    return std::string(c.CertFile.empty() ? "http" : "https") + "://" + host + ":" + std::to_string(port_) + "/";
}

void SiteServer::Stop() {
    if (!impl_->server || finished_) return;
    // The serving thread may not have reached its loop yet: a stop before it
    // would be lost.
    while (!finished_ && !impl_->server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    impl_->server->stop();
}

void SiteServer::Wait() {
    if (thread_.joinable()) thread_.join();
}

void SiteServer::OnSaved(std::function<void(const SiteSave&)> callback) {
    std::lock_guard<std::mutex> guard(impl_->onSavedMutex);
    impl_->onSaved = std::move(callback);
}

}  // namespace gm::net
