#include "ui/shell/frmAbout.h"
#include "ui/shell/frmBgColor.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/frmOptions.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterShellWindows(WindowRegistry& registry) {
    registry.Add(Display::PoolOptions, OpenModal<frmOptions>);
    registry.Add(Display::BackgroundColors, OpenModal<frmBgColor>);
    registry.Add(Display::About, OpenModal<frmAbout>);
}

}  // namespace gm::ui
