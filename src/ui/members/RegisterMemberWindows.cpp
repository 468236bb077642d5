#include "ui/members/frmPicks.h"
#include "ui/members/frmPlayer.h"
#include "ui/shell/OpenWindow.h"

namespace gm::ui {

void RegisterMemberWindows(WindowRegistry& registry) {
    registry.Add(Display::Members, OpenModal<frmPlayer>);
    // The main window refuses the selections window without members or with
    // an archived season open; this only opens it.
    registry.Add(Display::Selections, OpenModal<frmPicks>);
}

}  // namespace gm::ui
