#pragma once

// A data folder of the 2024 season with members and PINs, loaded as the
// program loads it, the picks site window on it, and a client that talks to
// the site from a thread of its own while the test's thread runs the events.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <atomic>
#include <map>
#include <memory>
#include <thread>

#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/site/PicksSite.h"
#include "core/site/SiteSettings.h"
#include "net/PinStore.h"
#include "support/Season2024.h"
#include "support/TempDir.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"
#include "ui/site/frmSite.h"
#include "support/UtcTime.h"

namespace gm::test {

// An answer the client thread has had, once it is there.
struct Reply {
    std::atomic<bool> Done{false};
    int Status = 0;  // 0: no answer (connection failed)
    std::string Body;
};

class SiteWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Write2024Folder(dir.path(), 0, 1);
        {
            AppState made(dir.path());
            Load(made);
            std::vector<MemberRecord> records;
            for (const char* name : {"Anne", "Bob", "Cleo"}) {
                MemberRecord m;
                m.Name = FitName(name);
                m.PlayerNumber = static_cast<std::int16_t>(records.size() + 1);
                records.push_back(m);
            }
            ASSERT_TRUE(RebuildPool(made, records).ok());
        }
        net::PinStore store(dir.path());
        for (const char* name : {"Anne", "Bob"}) ASSERT_TRUE(store.Issue(name, pins[name], net::QuickCost()).ok());
        Load(state);
    }

    static void Load(AppState& s) {
        ReadSettings(s, 1LL << 24);
        LoadTeamTables(s);
        ASSERT_TRUE(LoadSeason(s, kCurrentSeasonRead).ok());
        ASSERT_TRUE(LoadPool(s).ok());
        s.CurrentSeasonOpen = true;
    }

    // The window, on a port of its own, its clock on Thursday of week 1 at noon Eastern.
    std::unique_ptr<ui::frmSite> OpenWindow() {
        auto w = std::make_unique<ui::frmSite>(ctx);
        w->SetClock([] { return Utc(2024, 9, 5, 16, 0); });
        w->findChild<QSpinBox*>("spnPort")->setValue(0);
        return w;
    }

    static void Start(ui::frmSite& w) {
        w.findChild<QPushButton*>("cmdStart")->click();
    }

    // POSTs from a thread of its own: the site's work runs on this thread,
    // which must keep running events meanwhile.
    std::shared_ptr<Reply> Post(int port, const std::string& path, const std::string& body) {
        auto reply = std::make_shared<Reply>();
        clients.emplace_back([r = reply, port, path, body] {
            httplib::Client c("127.0.0.1", port);
            c.set_read_timeout(30, 0);
            if (auto res = c.Post(path, body, "application/json")) {
                r->Status = res->status;
                r->Body = res->body;
            }
            r->Done = true;
        });
        return reply;
    }

    // A sheet of one pick: game `place` of week 1 to its away team.
    std::string AwayPick(const std::string& member, int place) const {
        const GameRecord& g = state.Games[0][static_cast<std::size_t>(place - 1)];
        return "{\"member\":\"" + member + "\",\"pin\":\"" + pins.at(member) + "\",\"week\":1,\"picks\":[{\"game\":\"" +
               std::to_string(place) + "\",\"team\":\"" + TeamText(state, g.AwayTeam) + "\"}]}";
    }

    // The answer's status, once it is there.
    int Answered(const std::shared_ptr<Reply>& reply) {
        EXPECT_TRUE(WaitFor([&] { return reply->Done.load(); }));
        return reply->Status;
    }

    static bool WaitFor(const std::function<bool()>& done, int ms = 10000) { return QTest::qWaitFor(done, ms); }

    void TearDown() override {
        for (std::thread& t : clients)
            if (t.joinable()) t.join();
    }

    TempDir dir;
    AppState state{dir.path()};
    ui::ScriptedPrompter prompts;
    ui::UiContext ctx{.State = state, .Prompts = prompts, .ScreenColorsOverride = 1LL << 24};
    std::map<std::string, std::string> pins;
    std::vector<std::thread> clients;
};

}  // namespace gm::test
