#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterPoolWindows(WindowRegistry&) {}

}  // namespace gm::ui
