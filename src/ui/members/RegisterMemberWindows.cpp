#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterMemberWindows(WindowRegistry&) {}

}  // namespace gm::ui
