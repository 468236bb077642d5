#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterSidePoolWindows(WindowRegistry&) {}

}  // namespace gm::ui
