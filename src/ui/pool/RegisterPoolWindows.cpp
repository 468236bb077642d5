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
    registry.Add("frmPoolStn", OpenModal<frmPoolStn>);
    registry.Add("frmPMatrix", OpenModal<frmPMatrix>);
    registry.Add("frmMatrix", OpenModal<frmMatrix>);
    registry.Add("frmStats", OpenModal<frmStats>);
    registry.Add("frmPoolStat", OpenModal<frmPoolStat>);
    registry.Add("frmPoolRoom", OpenModal<frmPoolRoom>);
}

}  // namespace gm::ui
