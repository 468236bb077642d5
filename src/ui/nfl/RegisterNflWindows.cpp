#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterNflWindows(WindowRegistry&) {}

}  // namespace gm::ui
