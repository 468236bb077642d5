#include "ui/output/frmCompact.h"
#include "ui/output/frmEzEntry.h"
#include "ui/output/frmNoExcuse.h"
#include "ui/output/frmStandard.h"
#include "ui/output/frmTearoff.h"
#include "ui/output/frmTopTen.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterOutputWindows(WindowRegistry& registry) {
    registry.Add("frmStandard", OpenModal<frmStandard>);
    registry.Add("frmCompact", OpenModal<frmCompact>);
    registry.Add("frmTearoff", OpenModal<frmTearoff>);
    registry.Add("frmTopTen", OpenModal<frmTopTen>);
    registry.Add("frmNoExcuse", OpenModal<frmNoExcuse>);
    registry.Add("frmEzEntry", OpenModal<frmEzEntry>);
}

}  // namespace gm::ui
