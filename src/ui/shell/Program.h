#pragma once

#include <filesystem>

class QApplication;

namespace gm::ui {

class WindowRegistry;
class Prompter;

// The answer to "gridmoot --help".
inline constexpr const char* kProgramUsage =
    "Usage: gridmoot [DATA_FOLDER]\n\n"
    "Starts Gridmoot on the pool kept in DATA_FOLDER (a file given instead stands\n"
    "for the folder it lies in); without one, on the program's own folder when it\n"
    "holds Vask97.ini or Pool97.dat, else on ~/.local/share/gridmoot, prepared on\n"
    "the first start.\n"
    "gridmoot-cli imports, exports and writes reports without a window.\n";

// Runs the desktop program: prepares the data folder (the first argument, a
// portable folder beside the program, or the user's own), loads the pool, the
// season and the settings behind the splash window, then shows the main window.
int RunProgram(QApplication& app, const WindowRegistry& windows);

// The same on a known data folder, with the given prompts.
int RunOnFolder(const std::filesystem::path& folder, const WindowRegistry& windows, Prompter& prompts);

}  // namespace gm::ui
