#pragma once

#include "ui/shell/UiContext.h"

namespace gm::ui {

// Every window of the program, as the main window's menus reach them.
void RegisterAllWindows(WindowRegistry& registry);

}  // namespace gm::ui
