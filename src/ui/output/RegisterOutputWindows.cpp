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
    registry.Add(Display::StandardSheet, OpenModal<frmStandard>);
    registry.Add(Display::CompactSheet, OpenModal<frmCompact>);
    registry.Add(Display::TearoffSheet, OpenModal<frmTearoff>);
    registry.Add(Display::TopTenSheet, OpenModal<frmTopTen>);
    registry.Add(Display::NoExcuseSheet, OpenModal<frmNoExcuse>);
    registry.Add(Display::EzEntrySheet, OpenModal<frmEzEntry>);
}

}  // namespace gm::ui
