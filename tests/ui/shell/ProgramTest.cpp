#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include "core/data/DataFolder.h"
#include "core/data/FolderLock.h"
#include "support/TempDir.h"
#include "ui/shell/Program.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

QWidget* TopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// The whole start: a fresh folder, the splash, the main window, and closing it.
// --version and --help are answered from the command line alone, before any
// window system is asked for; anything else runs the program.
TEST(Program, VersionAndHelpAreAnsweredWithoutWindows) {
    const auto answer = [](std::vector<const char*> args) -> std::pair<std::optional<int>, std::string> {
        args.insert(args.begin(), "gridmoot");
        std::FILE* out = std::tmpfile();
        const auto code = AnswerWithoutWindows(static_cast<int>(args.size()), args.data(), out);
        std::string text(4096, '\0');
        std::rewind(out);
        text.resize(std::fread(text.data(), 1, text.size(), out));
        std::fclose(out);
        return {code, text};
    };
    const std::string cmake = gm::test::ReadFile(std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "CMakeLists.txt");
    const std::string key = "project(Gridmoot VERSION ";
    const auto at = cmake.find(key) + key.size();
    const std::string version = cmake.substr(at, cmake.find_first_of(" )", at) - at);

    gm::test::TempDir dir;
    const std::string folder = (dir / "pool").string();
    for (const auto& args : {std::vector<const char*>{"--version"}, {folder.c_str(), "--version"}}) {
        const auto [code, text] = answer(args);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(text, "gridmoot (Gridmoot) " + version + "\n");
    }
    const auto [helpCode, help] = answer({"--help"});
    EXPECT_EQ(helpCode, 0);
    EXPECT_EQ(help.rfind("Usage: gridmoot [DATA_FOLDER]\n", 0), 0u);
    EXPECT_NE(help.find("\n  --version "), std::string::npos);
    EXPECT_EQ(answer({folder.c_str()}).first, std::nullopt);
    EXPECT_EQ(answer({}).first, std::nullopt);
}

TEST(Program, StartsOnAFreshFolderAndWritesTheWeekAtClose) {
    gm::test::TempDir root;
    const auto folder = root / "pool";
    ScriptedPrompter prompts;
    WindowRegistry windows;
    bool sawSplash = false, sawMain = false;

    QTimer::singleShot(100, [&] {
        QWidget* splash = TopLevel("frmSplash");
        sawSplash = splash != nullptr;
        if (!splash) return;
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(splash, &key);
    });
    QTimer::singleShot(400, [&] {
        QWidget* main = TopLevel("frmMain");
        sawMain = main != nullptr && TopLevel("frmSplash") == nullptr;
        if (main) main->close();
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QApplication::quit(); });
    safety.start(10000);

    EXPECT_EQ(RunOnFolder(folder, windows, prompts), 0);
    EXPECT_TRUE(sawSplash);
    EXPECT_TRUE(sawMain);
    EXPECT_TRUE(prompts.Asked().empty()) << prompts.Asked()[0].Text.toStdString();
    for (const char* name : {"Webpages", "TxtFiles", "1997.NFL", "Pool97.dat", "1995.NFL", "1996.NFL"})
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    EXPECT_EQ(std::filesystem::file_size(folder / "1995.NFL"), 7245u);
    EXPECT_EQ(gm::test::ReadFile(folder / "Vask97.ini"), "[GridMoot]\r\nCurrentWeek=1\r\n");
}

// A folder already open (in another Gridmoot, or being imported) is not
// opened a second time: the user is told, and nothing is loaded or shown.
TEST(Program, AFolderAlreadyOpenIsToldAndNotOpenedAgain) {
    gm::test::TempDir folder;
    FolderLock other;
    ASSERT_EQ(other.Take(folder.path()), FolderLock::Outcome::Taken);
    ScriptedPrompter prompts;
    WindowRegistry windows;
    EXPECT_EQ(RunOnFolder(folder.path(), windows, prompts), 1);
    ASSERT_EQ(prompts.Asked().size(), 1u);
    EXPECT_EQ(prompts.Asked()[0].Title, "Gridmoot Is Already Open");
    EXPECT_TRUE(prompts.Asked()[0].Text.contains("is already open in Gridmoot"))
        << prompts.Asked()[0].Text.toStdString();
    EXPECT_EQ(TopLevel("frmSplash"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder / "Vask97.ini"));
}

// The per-user data folder stays where the program has always kept it: the
// folder Qt names for the user's data, then "gridmoot".
TEST(Program, UserDataFolderIsQtsDataLocation) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    for (const char* xdg : {"", "/tmp/gridmoot-xdg-data"}) {
        if (*xdg)
            qputenv("XDG_DATA_HOME", xdg);
        else
            qunsetenv("XDG_DATA_HOME");
        const auto qt = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
        EXPECT_EQ(UserDataFolder(), std::filesystem::path(qt) / "gridmoot") << xdg;
    }
    if (wasSet)
        qputenv("XDG_DATA_HOME", saved);
    else
        qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace gm::ui
