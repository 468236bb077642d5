#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterOutputWindows(WindowRegistry&) {}

}  // namespace gm::ui
