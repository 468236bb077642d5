#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "cli/Cli.h"

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Run from a terminal or a scheduled job, the headless platform complains that
// there is no per-session runtime folder; it uses none, so that note is only noise.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (qtDefaultHandler) qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // Printing to PDF needs fonts, hence a GUI application; it never opens a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(QuietHandler);
    // Qt would take options it knows (--style, --platform, --reverse, ...) out of
    // the command line; it is shown the program's name only.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    return gm::cli::RunCli(args, std::cout, std::cerr, programFolder);
}
