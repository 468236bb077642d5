// Installs the build into a temporary prefix as `cmake --install` does for a
// user or for the Debian package, then checks what a desktop sees there and
// runs the installed programs.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <map>
#include <memory>

namespace {

const QString kBuildTree = QStringLiteral(GRIDMOOT_BINARY_DIR);
const QString kSourceTree = QStringLiteral(GRIDMOOT_SOURCE_DIR);

struct Finished {
    bool ran = false;  // started and ended by itself within the time allowed
    int exitCode = -1;
    QString out;
    QString err;
};

Finished RunToEnd(const QString& program, const QStringList& args,
                  const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Finished f;
    if (!p.waitForStarted(30000)) {
        f.err = p.errorString();
        return f;
    }
    if (!p.waitForFinished(300000)) {
        p.kill();
        p.waitForFinished();
        f.err = "did not end in time";
        return f;
    }
    f.ran = p.exitStatus() == QProcess::NormalExit;
    f.exitCode = p.exitCode();
    f.out = QString::fromUtf8(p.readAllStandardOutput());
    f.err = QString::fromUtf8(p.readAllStandardError());
    return f;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The names of a "name   description" table: the first word of every line
// that starts with `indent` and has two blanks after the name.
QStringList TableNames(const QString& text, const QString& indent) {
    QStringList names;
    const QRegularExpression row("^" + indent + "([a-z][a-z0-9-]*)  ");
    for (const QString& line : text.split('\n')) {
        const auto m = row.match(line);
        if (m.hasMatch()) names << m.captured(1);
    }
    return names;
}

// A manual page's text with roff's escapes undone, as the page shows it.
QString RoffPlain(QString page) {
    page.replace("\\-", "-").replace("\\&", "").replace("\\e", "\\");
    return page;
}

class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = std::make_unique<QTemporaryDir>();
        const Finished r = RunToEnd(QStringLiteral(GRIDMOOT_CMAKE_COMMAND),
                                    {"--install", kBuildTree, "--prefix", prefix_->path()});
        installed_ = r.ran && r.exitCode == 0;
        installLog_ = r.out + r.err;
    }
    static void TearDownTestSuite() { prefix_.reset(); }

    void SetUp() override { ASSERT_TRUE(installed_) << installLog_.toStdString(); }

    static QString Installed(const QString& relative) { return prefix_->path() + "/" + relative; }

    // A run of an installed program as a new user: a home and data folder of
    // its own, no display.
    QProcessEnvironment FreshUser() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home_.path() + "/home");
        env.insert("XDG_DATA_HOME", home_.path() + "/data");
        env.insert("XDG_CONFIG_HOME", home_.path() + "/config");
        env.insert("XDG_RUNTIME_DIR", home_.path() + "/runtime");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QDir(home_.path()).mkpath("home");
        QDir(home_.path()).mkpath("runtime");
        QFile::setPermissions(home_.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return env;
    }

    Finished Cli(const QStringList& args) const { return RunToEnd(Installed("bin/gridmoot-cli"), args, FreshUser()); }

    inline static std::unique_ptr<QTemporaryDir> prefix_;
    inline static bool installed_ = false;
    inline static QString installLog_;
    QTemporaryDir home_;
};

TEST_F(InstalledProgram, PutsEveryFileWhereADesktopLooksForIt) {
    for (const char* program : {"bin/gridmoot", "bin/gridmoot-cli"}) {
        const QFileInfo info(Installed(program));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    for (const char* file : {"share/applications/gridmoot.desktop", "share/icons/hicolor/scalable/apps/gridmoot.svg",
                             "share/man/man1/gridmoot.1.gz", "share/man/man1/gridmoot-cli.1.gz"})
        EXPECT_TRUE(QFileInfo(Installed(file)).isFile()) << file;

    struct Icon {
        const char* path;
        int size;
    };
    for (const Icon& icon : {Icon{"share/icons/hicolor/48x48/apps/gridmoot.png", 48},
                             Icon{"share/icons/hicolor/256x256/apps/gridmoot.png", 256}}) {
        const QImage image(Installed(icon.path));
        EXPECT_EQ(image.size(), QSize(icon.size, icon.size)) << icon.path;
    }

    // The seasons a new data folder receives and every help page, as shipped.
    struct Shipped {
        QString source;
        QString installed;
    };
    for (const Shipped& folder : {Shipped{kSourceTree + "/share/seasons", "share/gridmoot/seasons"},
                                  Shipped{kSourceTree + "/docs", "share/gridmoot/docs"}}) {
        const QStringList files = QDir(folder.source).entryList(QDir::Files);
        ASSERT_FALSE(files.isEmpty()) << folder.source.toStdString();
        for (const QString& name : files)
            EXPECT_EQ(Contents(Installed(folder.installed + "/" + name)), Contents(folder.source + "/" + name))
                << (folder.installed + "/" + name).toStdString();
    }
}

TEST_F(InstalledProgram, DesktopEntryIsValidAndStartsTheInstalledProgram) {
    const QString entry = Installed("share/applications/gridmoot.desktop");
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate is missing: tools/install-deps.sh installs it";
    const Finished v = RunToEnd(validator, {entry});
    EXPECT_TRUE(v.ran && v.exitCode == 0) << (v.out + v.err).toStdString();
    EXPECT_FALSE((v.out + v.err).contains(QRegularExpression(": (error|warning): "))) << (v.out + v.err).toStdString();

    std::map<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(Contents(entry)).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) keys[line.left(eq)] = line.mid(eq + 1);
    }
    EXPECT_EQ(keys["Name"], "Gridmoot");
    EXPECT_FALSE(keys["Comment"].isEmpty());
    EXPECT_EQ(keys["Exec"], "gridmoot %f");  // a pool folder can be opened with it
    EXPECT_EQ(keys["Icon"], "gridmoot");
    const QStringList categories = keys["Categories"].split(';', Qt::SkipEmptyParts);
    EXPECT_TRUE(categories.contains("Office") && categories.contains("Sports")) << keys["Categories"].toStdString();
    // The command and the icon name resolve to what was installed beside the entry.
    EXPECT_TRUE(QFileInfo(Installed("bin/" + keys["Exec"].section(' ', 0, 0))).isExecutable());
    EXPECT_TRUE(QFileInfo(Installed("share/icons/hicolor/scalable/apps/" + keys["Icon"] + ".svg")).isFile());
}

TEST_F(InstalledProgram, ManualPagesSayWhatTheProgramsHelpSays) {
    const Finished unzip = RunToEnd("gzip", {"-dc", Installed("share/man/man1/gridmoot-cli.1.gz")});
    ASSERT_TRUE(unzip.ran && unzip.exitCode == 0) << unzip.err.toStdString();
    const QString page = RoffPlain(unzip.out);

    const Finished general = Cli({"--help"});
    ASSERT_TRUE(general.ran && general.exitCode == 0) << general.err.toStdString();
    ASSERT_TRUE(general.out.startsWith("Usage: gridmoot-cli")) << general.out.toStdString();
    const Finished list = Cli({"report", "--list"});
    ASSERT_TRUE(list.ran && list.exitCode == 0) << list.err.toStdString();

    const QString commandTable = general.out.section("\nCommands:\n", 1).section("\n\n", 0, 0);
    const QStringList commands = TableNames(commandTable, "  ");
    const QStringList reports = TableNames(list.out, "");
    ASSERT_TRUE(commands.contains("report") && reports.contains("standings"))
        << general.out.toStdString() << list.out.toStdString();

    std::vector<QStringList> helpCalls{{"--help"}};
    for (const QString& c : commands) helpCalls.push_back({c, "--help"});
    for (const QString& r : reports) helpCalls.push_back({"report", r, "--help"});
    for (const QStringList& args : helpCalls) {
        const Finished help = Cli(args);
        ASSERT_TRUE(help.ran && help.exitCode == 0) << args.join(' ').toStdString() << ": " << help.err.toStdString();
        ASSERT_FALSE(help.out.trimmed().isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(page.contains(help.out.trimmed())) << "the manual page lacks the text of gridmoot-cli "
                                                       << args.join(' ').toStdString();
    }
    for (const QString& r : reports)
        EXPECT_TRUE(page.contains(QRegularExpression("\\.TP\n\\.B " + r + "\n"))) << r.toStdString();

    // The desktop program's page names the same single argument its --help does.
    const Finished programHelp = RunToEnd(Installed("bin/gridmoot"), {"--help"}, FreshUser());
    ASSERT_TRUE(programHelp.ran && programHelp.exitCode == 0) << programHelp.err.toStdString();
    const QString usage = programHelp.out.section('\n', 0, 0).remove("Usage: ");
    const Finished program = RunToEnd("gzip", {"-dc", Installed("share/man/man1/gridmoot.1.gz")});
    EXPECT_TRUE(RoffPlain(program.out).contains(".SH SYNOPSIS\n" + usage + "\n")) << usage.toStdString();
}

// Started from the menu the program uses the per-user folder; opened on a
// folder it uses that one. Either way a new folder gets the archived seasons
// from the installed share folder, not from the build's sources.
TEST_F(InstalledProgram, PreparesANewDataFolderWithTheShippedSeasons) {
    struct Launch {
        const char* how;
        QStringList args;
        QString folder;
    };
    const QString given = home_.path() + "/My Pool";
    for (const Launch& launch : {Launch{"from the menu", {}, home_.path() + "/data/gridmoot"},
                                 Launch{"on a folder", {given}, given}}) {
        SCOPED_TRACE(launch.how);
        QProcess program;
        program.setProcessEnvironment(FreshUser());
        program.start(Installed("bin/gridmoot"), launch.args);
        ASSERT_TRUE(program.waitForStarted(30000)) << program.errorString().toStdString();

        // The folder is prepared before the splash window shows; give a busy machine time.
        const auto ready = [&] {
            for (const char* season : {"1995.NFL", "1996.NFL"})
                if (Contents(launch.folder + "/" + season) != Contents(kSourceTree + "/share/seasons/" + season))
                    return false;
            return QFileInfo(launch.folder + "/Webpages").isDir() && QFileInfo(launch.folder + "/TxtFiles").isDir();
        };
        QElapsedTimer waited;
        waited.start();
        while (!ready() && program.state() == QProcess::Running && waited.elapsed() < 120000) QThread::msleep(200);
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished();
        EXPECT_TRUE(ready()) << QDir(launch.folder).entryList().join(' ').toStdString();
        EXPECT_TRUE(running) << program.readAllStandardError().toStdString();
    }
}

}  // namespace
