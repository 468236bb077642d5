#include "Program.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <memory>
#include <string_view>

#include "core/data/DataFolder.h"
#include "core/data/FolderLock.h"
#include "core/sample/SamplePool.h"
#include "core/shell/PoolFolders.h"
#include "core/shell/Startup.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/InstallPaths.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/frmSplash.h"

namespace gm::ui {
namespace {

void Report(Prompter& prompts, const std::vector<Status>& problems) {
    for (const Status& s : problems)
        prompts.Tell(nullptr, s.ok() ? PromptIcon::Exclamation : PromptIcon::Stop, "Gridmoot",
                     QString::fromStdString(s.message));
}

}  // namespace

const char* ProgramVersionText() { return "gridmoot (Gridmoot) " GRIDMOOT_VERSION "\n"; }

std::optional<int> AnswerWithoutWindows(int argc, const char* const* argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version") {
            std::fputs(ProgramVersionText(), out);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kProgramUsage, out);
            return 0;
        }
    }
    return std::nullopt;
}

namespace {

std::vector<fs::path> ShippedPaths(const char* what) {
    std::vector<fs::path> out;
    for (const QString& f : ShippedFolders(what)) out.emplace_back(f.toStdString());
    return out;
}

bool OpenSample(const fs::path& folder, bool reset, Prompter& prompts) {
    if (IsSampleFolder(folder) && !reset) return true;
    FolderLock lock;
    if (lock.Take(folder) == FolderLock::Outcome::Busy) {
        prompts.Tell(nullptr, PromptIcon::Exclamation, Q(kFolderInUseTitle), Q(FolderInUseText(folder)));
        return false;
    }
    Hourglass wait;
    const Status made = MakeSamplePool(folder, ShippedPaths("seasons"), ShippedPaths("sample"));
    if (made) return true;
    prompts.Tell(nullptr, PromptIcon::Stop, "Gridmoot", Q("The sample pool could not be made.\n\n" + made.message));
    return false;
}

}  // namespace

int RunProgram(QApplication& app, const WindowRegistry& windows) {
    QApplication::setApplicationName("Gridmoot");
    const QStringList args = app.arguments();
    QString given;
    bool sample = false;
    bool reset = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::fputs(kProgramUsage, stdout);
            return 0;
        }
        if (args[i] == "--sample") sample = true;
        if (args[i] == "--reset") reset = true;
        if (!args[i].startsWith('-') && given.isEmpty()) given = args[i];
    }
    if (reset && !sample) {
        std::fputs("gridmoot: --reset goes with --sample (it makes the sample pool afresh)\n", stderr);
        return 2;
    }
    MessageBoxPrompter prompts;
    if (sample) {
        // The sample lives beside the user's own folder and never touches it.
        const fs::path folder = SampleFolderBeside(UserDataFolder());
        if (!OpenSample(folder, reset, prompts)) return 1;
        return RunOnFolder(folder, windows, prompts);
    }
    const fs::path config = UserConfigFile();
    fs::path folder = ResolveDataFolder(FolderOfArgument(given.toStdString()),
                                        QCoreApplication::applicationDirPath().toStdString());
    // Without a folder given, the pool folder opened last, unless the program
    // runs from a portable folder of its own.
    if (given.isEmpty() && folder == UserDataFolder()) {
        if (fs::path last = RememberedStartFolder(IniFile(config)); !last.empty()) folder = std::move(last);
    }
    return RunOnFolder(folder, windows, prompts, config);
}

fs::path UserConfigFile() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (base.isEmpty()) return {};
    return fs::path(base.toStdString()) / "gridmoot.ini";
}

int RunOnFolder(const std::filesystem::path& folder, const WindowRegistry& windows, Prompter& prompts,
                const std::filesystem::path& configFile) {
    const std::vector<Status> prepared = PrepareDataFolder(folder, ShippedPaths("seasons"));
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        Report(prompts, prepared);
        return 1;
    }

    // Held for the whole run: another start, or an import by gridmoot-cli,
    // would overwrite this run's saves or have its own overwritten.
    FolderLock lock;
    if (lock.Take(folder) == FolderLock::Outcome::Busy) {
        prompts.Tell(nullptr, PromptIcon::Exclamation, Q(kFolderInUseTitle), Q(FolderInUseText(folder)));
        return 1;
    }

    AppState state(folder);
    UiContext ctx{state, prompts};
    ctx.Windows = &windows;
    ctx.Lock = &lock;
    ctx.ConfigFile = configFile;
    if (!configFile.empty()) {
        // The folder opened is the one the next start opens, and heads the recent list.
        std::error_code ec;
        fs::create_directories(configFile.parent_path(), ec);
        const IniFile config(configFile);
        WritePoolFolders(config, WithPoolFolder(ReadPoolFolders(config), fs::absolute(folder, ec)));
    }

    frmSplash splash;
    splash.Start();
    std::vector<Status> problems = prepared;
    {
        Hourglass wait;
        QApplication::processEvents();
        const auto loaded = LoadAtStartup(state, ScreenColors(ctx));
        problems.insert(problems.end(), loaded.begin(), loaded.end());
    }
    Report(prompts, problems);

    std::unique_ptr<frmMain> main;
    QObject::connect(&splash, &frmSplash::Done, &splash, [&] {
        main = std::make_unique<frmMain>(ctx);
        main->show();
        splash.close();
    });
    const int rc = QApplication::exec();
    main.reset();
    return rc;
}

}  // namespace gm::ui
