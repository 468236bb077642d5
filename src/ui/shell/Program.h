#pragma once

#include <filesystem>

class QApplication;

namespace gm::ui {

class WindowRegistry;
class Prompter;

// Runs the desktop program: prepares the data folder (the first argument, a
// portable folder beside the program, or the user's own), loads the pool, the
// season and the settings behind the splash window, then shows the main window.
int RunProgram(QApplication& app, const WindowRegistry& windows);

// The same on a known data folder, with the given prompts.
int RunOnFolder(const std::filesystem::path& folder, const WindowRegistry& windows, Prompter& prompts);

}  // namespace gm::ui
