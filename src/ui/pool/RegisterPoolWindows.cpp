#include "ui/pool/frmMatrix.h"
#include "ui/pool/frmPMatrix.h"
#include "ui/pool/frmPoolRoom.h"
#include "ui/pool/frmPoolStat.h"
#include "ui/pool/frmPoolStn.h"
#include "ui/pool/frmStats.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterPoolWindows(WindowRegistry& registry) {
    registry.Add(Display::PoolStandings, OpenModal<frmPoolStn>);
    registry.Add(Display::PlayerMatrix, OpenModal<frmPMatrix>);
    registry.Add(Display::AllPicks, OpenModal<frmMatrix>);
    registry.Add(Display::PlayerStatPak, OpenModal<frmStats>);
    registry.Add(Display::PoolStatPak, OpenModal<frmPoolStat>);
    registry.Add(Display::PoolRoom, OpenModal<frmPoolRoom>);
}

}  // namespace gm::ui
