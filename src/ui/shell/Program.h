#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>

class QApplication;

namespace gm::ui {

class WindowRegistry;
class Prompter;

// The answer to "gridmoot --help".
inline constexpr const char* kProgramUsage =
    "Usage: gridmoot [DATA_FOLDER]\n"
    "       gridmoot --sample [--reset]\n\n"
    "Starts Gridmoot on the pool kept in DATA_FOLDER (a file given instead stands\n"
    "for the folder it lies in); without one, on the program's own folder when it\n"
    "holds Vask97.ini or Pool97.dat, else on the pool folder opened last (Season,\n"
    "Open Pool Folder...), else on ~/.local/share/gridmoot, prepared on the first\n"
    "start.\n"
    "\n"
    "  --sample     open the sample pool (the 1997 season played through week 8,\n"
    "               twelve members with their picks), made on first use in\n"
    "               ~/.local/share/gridmoot-sample; your own pool is not touched\n"
    "  --reset      with --sample: make the sample afresh\n"
    "  -h, --help   print this text and exit\n"
    "  --version    print the program's name and version, and exit\n"
    "\n"
    "gridmoot-cli imports, exports and writes reports without a window.\n";

// The answer to "gridmoot --version": the program's name and the project's version.
const char* ProgramVersionText();

// Answers --help and --version before the window system starts (so they work
// without a display): the exit code, or nothing when the program is to run.
std::optional<int> AnswerWithoutWindows(int argc, const char* const* argv, std::FILE* out);

// Runs the desktop program: prepares the data folder (the first argument, a
// portable folder beside the program, or the user's own), loads the pool, the
// season and the settings behind the splash window, then shows the main window.
int RunProgram(QApplication& app, const WindowRegistry& windows);

// The same on a known data folder, with the given prompts.
// `configFile`: the user's own settings file, where the pool folders opened
// are remembered; empty, they are not.
int RunOnFolder(const std::filesystem::path& folder, const WindowRegistry& windows, Prompter& prompts,
                const std::filesystem::path& configFile = {});

// The user's own settings file of the desktop program (not in any data folder).
std::filesystem::path UserConfigFile();

}  // namespace gm::ui
