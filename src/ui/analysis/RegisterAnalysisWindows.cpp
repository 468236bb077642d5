#include "ui/analysis/frmExpert.h"
#include "ui/analysis/frmOddEnd.h"
#include "ui/analysis/frmPAnalyze.h"
#include "ui/analysis/frmPGraph.h"
#include "ui/analysis/frmPTape.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterAnalysisWindows(WindowRegistry& registry) {
    registry.Add("frmOddEnd", OpenModal<frmOddEnd>);
    registry.Add("frmExpert", OpenModal<frmExpert>);
    registry.Add("frmPAnalyze", OpenModal<frmPAnalyze>);
    registry.Add("frmPGraph", OpenModal<frmPGraph>);
    registry.Add("frmPTape", OpenModal<frmPTape>);
}

}  // namespace gm::ui
