#include "ui/shell/frmAbout.h"
#include "ui/shell/frmBgColor.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/frmOptions.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterShellWindows(WindowRegistry& registry) {
    registry.Add("frmOptions", OpenModal<frmOptions>);
    registry.Add("frmBgColor", OpenModal<frmBgColor>);
    registry.Add("frmAbout", OpenModal<frmAbout>);
}

}  // namespace gm::ui
