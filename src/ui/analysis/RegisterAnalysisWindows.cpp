#include "ui/analysis/frmExpert.h"
#include "ui/analysis/frmOddEnd.h"
#include "ui/analysis/frmPAnalyze.h"
#include "ui/analysis/frmPGraph.h"
#include "ui/analysis/frmPTape.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterAnalysisWindows(WindowRegistry& registry) {
    registry.Add(Display::PoolAnalyst, OpenModal<frmOddEnd>);
    registry.Add(Display::PoolExperts, OpenModal<frmExpert>);
    registry.Add(Display::PlayerAnalyst, OpenModal<frmPAnalyze>);
    registry.Add(Display::PlayerGraphs, OpenModal<frmPGraph>);
    registry.Add(Display::PoolMarquee, OpenModal<frmPTape>);
}

}  // namespace gm::ui
