#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QLabel>

#include "SiteWindowFixture.h"
#include "core/data/FileIO.h"
#include "support/AccessKeys.h"

namespace gm::test {
namespace {

// A member saves through the site while the program runs: the answer comes
// after the pick is in the program's own state and on disk, the window lists
// who saved, and Stop ends the site.
TEST_F(SiteWindowTest, SheetSavedThroughTheSiteIsInTheProgramsPoolAndListed) {
    auto w = OpenWindow();
    Start(*w);
    ASSERT_TRUE(prompts.Asked().empty()) << prompts.Asked().front().Text.toStdString();
    ASSERT_TRUE(w->Running());
    const int port = w->Server()->Port();
    EXPECT_EQ(w->findChild<QLabel*>("lblAddress")->text(),
              QString("Give members this address:\nhttp://127.0.0.1:%1/").arg(port));
    EXPECT_FALSE(w->findChild<QLineEdit*>("txtListen")->isEnabled());

    auto reply = Post(port, net::kPicksApiRoute, AwayPick("Anne", 1));
    ASSERT_TRUE(WaitFor([&] { return reply->Done.load(); }));
    ASSERT_EQ(reply->Status, 200) << reply->Body;
    const int anne = FindMember(state, "Anne");
    EXPECT_EQ(state.Members[static_cast<std::size_t>(anne)].Picks[0][0], state.Games[0][0].AwayTeam);
    {
        AppState onDisk(dir.path());
        Load(onDisk);
        EXPECT_EQ(onDisk.Members[static_cast<std::size_t>(anne)].Picks[0][0], state.Games[0][0].AwayTeam);
    }
    auto* list = w->findChild<QTreeWidget*>("lstSaved");
    ASSERT_TRUE(WaitFor([&] { return list->topLevelItemCount() == 1; }));
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Anne");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "127.0.0.1");
    EXPECT_EQ(w->findChild<QLabel*>("lblSavedCount")->text(), "1 of 3 members have saved week 1.");
    // Slips printed later name the address the site was opened at.
    EXPECT_NE(ReadFile(dir / "Vask97.ini").find(QString("Address=http://127.0.0.1:%1/").arg(port).toStdString()),
              std::string::npos);

    w->findChild<QPushButton*>("cmdStop")->click();
    ASSERT_TRUE(WaitFor([&] { return w->Server() == nullptr; }));
    EXPECT_TRUE(w->findChild<QPushButton*>("cmdStart")->isEnabled());
    EXPECT_EQ(w->findChild<QLabel*>("lblStatus")->text(), "The site is stopped.");
    EXPECT_EQ(Answered(Post(port, net::kPicksApiRoute, AwayPick("Bob", 2))), 0);  // nothing listens
}

// A worker waits for the GUI thread, which is busy; Stop (or the window's end
// with the program) must not wait for that worker for ever: the request is
// refused and nothing of it is saved.
TEST_F(SiteWindowTest, StoppingWhileARequestWaitsForTheProgramEndsWithoutSaving) {
    for (const bool closeProgram : {false, true}) {
        SCOPED_TRACE(closeProgram ? "program closes" : "Stop");
        auto w = OpenWindow();
        Start(*w);
        ASSERT_TRUE(w->Running());
        auto reply = Post(w->Server()->Port(), net::kPicksApiRoute, AwayPick("Bob", 3));
        // The worker has posted its work by now; this thread runs no events meanwhile.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (closeProgram) {
            w.reset();
        } else {
            w->findChild<QPushButton*>("cmdStop")->click();
            ASSERT_TRUE(WaitFor([&] { return w->Server() == nullptr; }));
        }
        ASSERT_TRUE(WaitFor([&] { return reply->Done.load(); }));
        EXPECT_EQ(reply->Status, 503) << reply->Body;
        QCoreApplication::processEvents();  // the withdrawn work, if it is still queued
        EXPECT_EQ(state.Members[static_cast<std::size_t>(FindMember(state, "Bob"))].Picks[0][2], 0);
    }
}

// The site saves only into the pool it was started on, and only its current
// season: the program showing an archived season stops it.
TEST_F(SiteWindowTest, AnArchivedSeasonShownStopsTheSite) {
    auto w = OpenWindow();
    Start(*w);
    ASSERT_TRUE(w->Running());
    state.CurrentSeasonOpen = false;
    auto reply = Post(w->Server()->Port(), net::kPicksApiRoute, AwayPick("Anne", 1));
    ASSERT_TRUE(WaitFor([&] { return reply->Done.load(); }));
    EXPECT_EQ(reply->Status, 503);
    ASSERT_TRUE(WaitFor([&] { return w->Server() == nullptr; }));
    EXPECT_NE(w->findChild<QLabel*>("lblStatus")->text().indexOf("archived season"), -1);
    // Nor does it start on one.
    Start(*w);
    EXPECT_EQ(w->Server(), nullptr);
    ASSERT_EQ(prompts.Asked().size(), 1u);
    EXPECT_NE(prompts.Asked()[0].Text.indexOf("NFL Current"), -1);
}

TEST_F(SiteWindowTest, StartRefusalsAreToldThroughThePrompts) {
    // A port another program holds.
    const int held = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(held, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(held, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(held, 1), 0);
    socklen_t len = sizeof a;
    ASSERT_EQ(::getsockname(held, reinterpret_cast<sockaddr*>(&a), &len), 0);
    const int port = ntohs(a.sin_port);

    WriteFile(dir / "cert.pem", "not a certificate");
    WriteFile(dir / "key.pem", "not a key");
    const struct {
        const char* Name;
        int Port;
        std::string Cert, Key;
        const char* Says;
    } cases[] = {
        {"port in use", port, "", "", "could not listen on 127.0.0.1 port"},
        {"bad certificate", 0, (dir / "cert.pem").string(), (dir / "key.pem").string(), "could not be read"},
        {"certificate alone", 0, (dir / "cert.pem").string(), "", "needs both a certificate and its private key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        prompts.Clear();
        auto w = OpenWindow();
        w->findChild<QSpinBox*>("spnPort")->setValue(c.Port);
        w->findChild<QLineEdit*>("txtCert")->setText(QString::fromStdString(c.Cert));
        w->findChild<QLineEdit*>("txtKey")->setText(QString::fromStdString(c.Key));
        Start(*w);
        EXPECT_FALSE(w->Running());
        EXPECT_TRUE(w->findChild<QPushButton*>("cmdStart")->isEnabled());
        ASSERT_EQ(prompts.Asked().size(), 1u);
        EXPECT_EQ(prompts.Asked()[0].Title, "Picks Site");
        EXPECT_NE(prompts.Asked()[0].Text.indexOf(c.Says), -1) << prompts.Asked()[0].Text.toStdString();
    }
    ::close(held);
}

// The options are the settings the site reads on every request.
TEST_F(SiteWindowTest, OptionsAreKeptForTheOpenWeek) {
    auto w = OpenWindow();
    auto* deadline = w->findChild<QCheckBox*>("chkDeadline");
    EXPECT_EQ(deadline->text(), "&Deadline for week 1 (Eastern time)");
    EXPECT_FALSE(deadline->isChecked());
    // Offered: the week's first kick-off, Thursday night.
    auto* when = w->findChild<QDateTimeEdit*>("dtDeadline");
    EXPECT_EQ(when->dateTime().toString("yyyy-MM-dd HH:mm"), "2024-09-05 20:20");
    deadline->setChecked(true);
    when->setDateTime(QDateTime(QDate(2024, 9, 8), QTime(12, 30)));
    w->findChild<QCheckBox*>("chkAutoAdvance")->setChecked(true);
    w->findChild<QPushButton*>("cmdApply")->click();
    EXPECT_TRUE(prompts.Asked().empty());
    const SiteSettings kept = ReadSiteSettings(state);
    EXPECT_TRUE(kept.AutoAdvance);
    EXPECT_EQ(kept.DeadlineWeek, 1);
    ASSERT_TRUE(kept.Deadline.has_value());
    EXPECT_EQ(DeadlineText(*kept.Deadline), "2024-09-08 12:30");

    auto again = OpenWindow();
    EXPECT_TRUE(again->findChild<QCheckBox*>("chkDeadline")->isChecked());
    EXPECT_EQ(again->findChild<QDateTimeEdit*>("dtDeadline")->dateTime().toString("yyyy-MM-dd HH:mm"),
              "2024-09-08 12:30");
    // The pool moved on: the deadline shown is the new open week's (none).
    state.CurrentWeek = 2;
    again->RefreshSaved();
    EXPECT_EQ(again->findChild<QCheckBox*>("chkDeadline")->text(), "&Deadline for week 2 (Eastern time)");
    EXPECT_FALSE(again->findChild<QCheckBox*>("chkDeadline")->isChecked());
    state.CurrentWeek = 1;
    again->RefreshSaved();
    EXPECT_TRUE(again->findChild<QCheckBox*>("chkDeadline")->isChecked());
    again->findChild<QCheckBox*>("chkDeadline")->setChecked(false);
    again->findChild<QPushButton*>("cmdApply")->click();
    EXPECT_FALSE(ReadSiteSettings(state).Deadline.has_value());
}

TEST_F(SiteWindowTest, NoTwoCaptionsShareAnAccessKey) {
    auto w = OpenWindow();
    EXPECT_TRUE(DuplicateAccessKeys(*w).isEmpty()) << DuplicateAccessKeys(*w).join('\n').toStdString();
}

TEST_F(SiteWindowTest, HelpOpensTheSitesPage) {
    QStringList opened;
    ctx.OpenUrl = [&](const QString& url) {
        opened << url;
        return true;
    };
    auto w = OpenWindow();
    w->findChild<QPushButton*>("cmdHelp")->click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith("/picksite.html")) << opened[0].toStdString();
}

}  // namespace
}  // namespace gm::test
