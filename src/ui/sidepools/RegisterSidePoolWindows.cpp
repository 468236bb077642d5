#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"
#include "ui/sidepools/frmDPlayer.h"
#include "ui/sidepools/frmDPool.h"
#include "ui/sidepools/frmOffBar.h"
#include "ui/sidepools/frmSBPrint.h"

namespace gm::ui {

void RegisterSidePoolWindows(WindowRegistry& registry) {
    registry.Add(Display::SportsBox, OpenModal<frmOffBar>);
    registry.Add(Display::SportsBoxSheet, OpenModal<frmSBPrint>);
    registry.Add(Display::DigitalPlayers, OpenModal<frmDPlayer>);
    registry.Add(Display::DigitalPool, OpenModal<frmDPool>);
}

}  // namespace gm::ui
