// gridmoot-cli serve as the organiser runs it: a process of its own that
// holds the folder, answers the request in hand when told to stop, and ends
// with exit code 0.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <sstream>
#include <thread>

#include "cli/Cli.h"
#include "core/data/FolderLock.h"
#include "SiteFixture.h"

namespace gm::test {
namespace {

std::string RunCliText(const std::vector<std::string>& args, int* code = nullptr) {
    std::ostringstream out, err;
    const int rc = cli::RunCli(args, out, err);
    if (code) *code = rc;
    EXPECT_EQ(rc, 0) << err.str();
    return out.str();
}

class ServeProcess {
public:
    explicit ServeProcess(const std::filesystem::path& folder) {
        int pipeFds[2];
        EXPECT_EQ(::pipe(pipeFds), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(pipeFds[1], STDOUT_FILENO);
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
            ::execl(GRIDMOOT_CLI_PROGRAM, GRIDMOOT_CLI_PROGRAM, "--data", folder.c_str(), "serve", "--port", "0",
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        out_ = pipeFds[0];
    }
    ~ServeProcess() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
    }

    // Standard output until `pattern` matches it (or 30 s pass).
    std::string ReadUntil(const std::regex& pattern) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!std::regex_search(said_, pattern) && std::chrono::steady_clock::now() < until) {
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, 200) <= 0) continue;
            char buf[1024];
            const ssize_t n = ::read(out_, buf, sizeof buf);
            if (n <= 0) break;
            said_.append(buf, static_cast<std::size_t>(n));
        }
        return said_;
    }

    // The exit status once the process has ended (within 30 s), or -1.
    int WaitExit() {
        for (int i = 0; i < 300; ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return -1;
    }
    bool Running() {
        int status = 0;
        return ::waitpid(pid_, &status, WNOHANG) == 0;
    }
    void Signal(int sig) { ::kill(pid_, sig); }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool exited_ = false;
    std::string said_;
};

TEST(ServeCommand, StopsOnSigtermAfterAnsweringTheRequestInHandAndHoldsTheFolderMeanwhile) {
    TempDir dir;
    RunCliText({"--data", dir.path().string(), "make-sample"});
    const std::string pin = RunCliText({"--data", dir.path().string(), "pin", "beth lindqvist"});
    ASSERT_TRUE(std::regex_match(pin, std::regex("[0-9]{8}\n"))) << pin;

    // The first game of the sample pool's current week, and its home team.
    AppState state(dir.path());
    LoadFolder(state);
    const int week = state.CurrentWeek;
    const GameRecord& game = state.Games[static_cast<std::size_t>(week - 1)][0];
    ASSERT_TRUE(game.HasGame());
    const std::string home = state.Teams.CityAbbr(game.HomeTeam);

    ServeProcess serve(dir.path());
    const std::regex open("is open at http://127\\.0\\.0\\.1:([0-9]+)/\n");
    std::smatch m;
    const std::string said = serve.ReadUntil(std::regex("Ctrl\\+C"));
    ASSERT_TRUE(std::regex_search(said, m, open)) << said;
    const int port = std::stoi(m[1].str());
    EXPECT_NE(said.find("1 of 12 members have a PIN"), std::string::npos) << said;

    FolderLock lock;
    EXPECT_EQ(lock.Take(dir.path()), FolderLock::Outcome::Busy);

    // Half a request is in hand when the signal comes; the rest follows.
    const std::string body = "{\"member\":\"Beth Lindqvist\",\"pin\":\"" + pin.substr(0, 8) +
                             "\",\"week\":" + std::to_string(week) + ",\"picks\":[{\"game\":1,\"team\":\"" + home +
                             "\",\"confidence\":3}]}";
    RawConnection conn(port);
    const std::string head = "POST " + std::string(net::kPicksApiRoute) + " HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\nContent-Length: " +
                             std::to_string(body.size()) + "\r\n\r\n";
    conn.Send(head);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    serve.Signal(SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(serve.Running());
    conn.Send(body);
    const std::string answer = conn.ReadAll();
    EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK") << answer;

    EXPECT_EQ(serve.WaitExit(), 0);
    EXPECT_NE(serve.ReadUntil(std::regex("stopped")).find("The picks site has stopped."), std::string::npos);
    EXPECT_EQ(lock.Take(dir.path()), FolderLock::Outcome::Taken);
    lock.Release();

    const std::string exported = RunCliText({"--data", dir.path().string(), "export-picks", "--week", std::to_string(week)});
    EXPECT_NE(exported.find("Beth Lindqvist,1," + home + ",3,"), std::string::npos) << exported;
}

TEST(ServeCommand, CtrlCStopsAnIdleSiteWithExitCodeZero) {
    TempDir dir;
    RunCliText({"--data", dir.path().string(), "make-sample"});
    ServeProcess serve(dir.path());
    ASSERT_NE(serve.ReadUntil(std::regex("Ctrl\\+C")).find("is open at"), std::string::npos);
    serve.Signal(SIGINT);
    EXPECT_EQ(serve.WaitExit(), 0);
}

TEST(ServeCommand, RefusesAFolderAnotherProgramHoldsAndBadOptions) {
    TempDir dir;
    RunCliText({"--data", dir.path().string(), "make-sample"});
    struct Case {
        std::vector<std::string> Args;
        int Code;
        const char* Says;
    } cases[] = {
        {{"serve", "--port", "70000"}, 2, "--port must be a number from 0 to 65535"},
        {{"serve", "--cert", "c.pem"}, 2, "needs both --cert FILE and --key FILE"},
        {{"serve", "--port", "0", "--cert", "missing.pem", "--key", "missing.key"}, 1, "could not be read"},
        {{"serve", "--listen", "203.0.113.9", "--port", "0"}, 1, "could not listen on 203.0.113.9"},
        {{"pin", "Nobody Here"}, 1, "no single member is named 'Nobody Here'"},
    };
    for (const Case& k : cases) {
        std::vector<std::string> args = {"--data", dir.path().string()};
        args.insert(args.end(), k.Args.begin(), k.Args.end());
        std::ostringstream out, err;
        EXPECT_EQ(cli::RunCli(args, out, err), k.Code) << k.Says;
        EXPECT_NE(err.str().find(k.Says), std::string::npos) << err.str();
    }
    FolderLock desktop;
    ASSERT_EQ(desktop.Take(dir.path()), FolderLock::Outcome::Taken);
    ServeProcess serve(dir.path());
    EXPECT_EQ(serve.WaitExit(), 1);
}

TEST(SiteOptionsCommand, SetsTheDeadlineAndAutoAdvanceOrRefusesAndWritesNothing) {
    TempDir dir;
    Write2024Folder(dir.path());
    RunCliText({"--data", dir.path().string(), "members", "add", "Ann Smith"});
    const std::string data = dir.path().string();
    EXPECT_EQ(RunCliText({"--data", data, "site-options"}), "AutoAdvance=No\nDeadline=none\n");
    EXPECT_EQ(RunCliText({"--data", data, "site-options", "autoadvance=YES", "Deadline=3 2024-09-22 13:00"}),
              "AutoAdvance=Yes\nDeadline=3 2024-09-22 13:00\n");
    const std::string settings = ReadFile(dir / "Vask97.ini");
    for (const char* bad : {"Deadline=23 2024-09-22 13:00", "Deadline=3 2024-09-31 13:00", "Deadline=3", "AutoAdvance=1",
                            "Colour=Red", "AutoAdvance"}) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::RunCli({"--data", data, "site-options", "AutoAdvance=No", bad}, out, err), 2) << bad;
        EXPECT_NE(err.str().find("nothing was written"), std::string::npos) << bad;
    }
    EXPECT_EQ(ReadFile(dir / "Vask97.ini"), settings);
    EXPECT_EQ(RunCliText({"--data", data, "site-options", "Deadline=none"}), "AutoAdvance=Yes\nDeadline=none\n");
}

}  // namespace
}  // namespace gm::test
