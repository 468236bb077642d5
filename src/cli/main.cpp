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

// The folder the running program lies in, links resolved (a portable
// install keeps its data beside the program).
std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = std::filesystem::weakly_canonical(std::filesystem::absolute(argv0, ec), ec);
    return exe.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    // Printing to PDF needs fonts, hence a GUI application, which the printout
    // makes when it is asked for (it never opens a window); Qt would take
    // options it knows (--style, --platform, --reverse, ...) out of the
    // command line, so it is shown the program's name only.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(QuietHandler);
    std::vector<std::string> args(argv + 1, argv + argc);
    return gm::cli::RunCli(args, std::cout, std::cerr, ProgramFolder(argv[0]));
}
