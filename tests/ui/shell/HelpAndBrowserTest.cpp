#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "Fixture.h"
#include "core/shell/Help.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/frmOptions.h"

namespace gm::ui {
namespace {

const std::filesystem::path kDocs = std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "docs";

// Every display's help opens the page its row names, and that page is there
// (a missing page would quietly open the contents instead).
TEST(HelpPages, EveryDisplayOpensItsOwnPageAndThePageExists) {
    test::ShellFixture f;
    for (const DisplayRow& row : AllDisplays()) {
        f.urls.clear();
        ShowHelp(*f.ctx, nullptr, row.Id);
        const std::string page(row.HelpPage);
        ASSERT_EQ(f.urls.size(), 1u) << row.Window;
        EXPECT_TRUE(f.urls[0].endsWith("/docs/" + QString::fromStdString(page))) << row.Window << " " << page;
    }
    f.urls.clear();
    ShowHelpContents(*f.ctx, nullptr);
    ASSERT_EQ(f.urls.size(), 1u);
    EXPECT_TRUE(f.urls[0].endsWith("/docs/index.html"));
    EXPECT_TRUE(f.prompts.Asked().empty());
}

// The contents open on the first-week page, and the Quick Tour's first stop
// starts with the season.
TEST(HelpPages, TheFirstDayStartsWithTheSeason) {
    std::ifstream in(kDocs / "index.html");
    const std::string index((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto body = index.find("<h1>");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(index.find("href=\"", body), index.find("href=\"firstweek.html\"", body));

    std::ifstream first(kDocs / "firstweek.html");
    const std::string page((std::istreambuf_iterator<char>(first)), std::istreambuf_iterator<char>());
    for (const char* step : {"Vadorurizizs", "NFL Schedule", "gridmoot-cli --data FOLDER import-season",
                             "Pool Members", "Pool Selections", "NFL Scores", "Print", "Update Pool Home Page"})
        EXPECT_NE(page.find(step), std::string::npos) << step;

    test::ShellFixture f;
    f.Stand(Display::Members);
    frmMain w(*f.ctx);
    f.prompts.Answer(PromptAnswer::Ok);
    f.prompts.Answer(PromptAnswer::Cancel);
    w.Item("HelpItem10")->trigger();
    ASSERT_FALSE(f.prompts.Asked().empty());
    const QString firstStop = f.prompts.Asked()[0].Text;
    EXPECT_TRUE(firstStop.contains("season") && firstStop.contains("NFL Schedule") &&
                firstStop.contains("import-season"))
        << firstStop.toStdString();
}

// A stand-in for the desktop's xdg-open, first on the PATH while it lives:
// it logs each address it is given and ends with `exitCode` (an address with
// a "#" ends with `anchorExitCode`).
class FakeOpener {
public:
    FakeOpener(int exitCode, int anchorExitCode) : path_(qgetenv("PATH")) {
        const auto script = dir_ / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n"
                              << "echo \"$1\" >> '" << Log().string() << "'\n"
                              << "case \"$1\" in *'#'*) exit " << anchorExitCode << ";; esac\n"
                              << "exit " << exitCode << "\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        qputenv("PATH", QByteArray::fromStdString(dir_.path().string()) + ":" + path_);
    }
    ~FakeOpener() { qputenv("PATH", path_); }
    std::filesystem::path Log() const { return dir_ / "opened.log"; }
    std::string Opened() const { return gm::test::ReadFile(Log()); }

private:
    gm::test::TempDir dir_;
    QByteArray path_;
};

// xdg-open starts, finds no browser and gives up: the user hears of it, with
// the page to open by hand, whichever window asked.
TEST(Browser, AnOpenerThatGivesUpIsToldWithThePagesPath) {
    FakeOpener opener(3, 3);
    test::ShellFixture f;
    f.ctx->OpenUrl = nullptr;  // the desktop's own way
    ShowHelp(*f.ctx, nullptr, Display::PoolOptions);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.prompts.Asked().empty(); }, 10000));
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Gridmoot Help");
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.contains(QString::fromStdString((kDocs / "options.html").string())))
        << f.prompts.Asked()[0].Text.toStdString();
    EXPECT_NE(opener.Opened().find("options.html"), std::string::npos);

    // The pool's web pages the same way.
    gm::test::WriteFile(f.dir / "Webpages" / "index.htm", "<html></html>");
    f.prompts.Clear();
    {
        frmOptions d(*f.ctx);
        d.findChild<QPushButton*>("cmdView")->click();
    }  // closed before the opener gives up
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.prompts.Asked().empty(); }, 10000));
    EXPECT_EQ(f.prompts.Asked()[0].Title, "View Web Pages");
    EXPECT_TRUE(f.prompts.Asked()[0].Text.contains(QString::fromStdString((f.dir / "Webpages" / "index.htm").string())))
        << f.prompts.Asked()[0].Text.toStdString();
}

// An opener that shows the page says nothing; one that cannot find a page
// with a place in it ("#topics") is given the page alone.
TEST(Browser, APageShownSaysNothing) {
    FakeOpener opener(0, 2);
    test::ShellFixture f;
    f.ctx->OpenUrl = nullptr;
    ShowHelpIndex(*f.ctx, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return opener.Opened().find("index.html\n") != std::string::npos; }, 10000))
        << opener.Opened();
    QTest::qWait(200);
    EXPECT_NE(opener.Opened().find("index.html#topics\n"), std::string::npos);
    EXPECT_TRUE(f.prompts.Asked().empty());
}

// A stand-in opener that refuses is told at once, naming the page.
TEST(Browser, ARefusedPageIsToldAtOnce) {
    test::ShellFixture f;
    f.ctx->OpenUrl = [](const QString&) { return false; };
    gm::test::WriteFile(f.dir / "Webpages" / "index.htm", "<html></html>");
    frmOptions d(*f.ctx);
    d.findChild<QPushButton*>("cmdView")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_TRUE(f.prompts.Asked()[0].Text.endsWith(QString::fromStdString((f.dir / "Webpages" / "index.htm").string())));
}

}  // namespace
}  // namespace gm::ui
