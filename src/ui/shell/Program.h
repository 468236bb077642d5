#pragma once

class QApplication;

namespace gm::ui {

class WindowRegistry;

// Runs the desktop program: prepares the data folder (the first argument, a
// portable folder beside the program, or the user's own), loads the pool, the
// season and the settings behind the splash window, then shows the main window.
int RunProgram(QApplication& app, const WindowRegistry& windows);

}  // namespace gm::ui
