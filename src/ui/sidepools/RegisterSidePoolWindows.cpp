#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmDPlayer.h"
#include "ui/sidepools/frmDPool.h"
#include "ui/sidepools/frmOffBar.h"
#include "ui/sidepools/frmSBPrint.h"

namespace gm::ui {

void RegisterSidePoolWindows(WindowRegistry& registry) {
    registry.Add("frmOffBar", OpenModal<frmOffBar>);
    registry.Add("frmSBPrint", OpenModal<frmSBPrint>);
    registry.Add("frmDPlayer", OpenModal<frmDPlayer>);
    registry.Add("frmDPool", OpenModal<frmDPool>);
}

}  // namespace gm::ui
