#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterEntryWindows(WindowRegistry&) {}

}  // namespace gm::ui
