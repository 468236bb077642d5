#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "cli/Cli.h"

int main(int argc, char** argv) {
    // Printing to PDF needs fonts, hence a GUI application; it never opens a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    return gm::cli::RunCli(args, std::cout, std::cerr, programFolder);
}
