#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmDPlayer.h"
#include "ui/sidepools/frmDPool.h"

namespace gm::ui {

void RegisterSidePoolWindows(WindowRegistry& registry) {
    registry.Add("frmDPlayer", OpenModal<frmDPlayer>);
    registry.Add("frmDPool", OpenModal<frmDPool>);
}

}  // namespace gm::ui
