#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterAnalysisWindows(WindowRegistry&) {}

}  // namespace gm::ui
