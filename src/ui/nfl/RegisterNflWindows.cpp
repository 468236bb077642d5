#include "ui/nfl/frmAnalyze.h"
#include "ui/nfl/frmConference.h"
#include "ui/nfl/frmFavUnd.h"
#include "ui/nfl/frmGraph.h"
#include "ui/nfl/frmLeague.h"
#include "ui/nfl/frmNFLDisp.h"
#include "ui/nfl/frmNFLResults.h"
#include "ui/nfl/frmPFPA.h"
#include "ui/nfl/frmTResults.h"
#include "ui/nfl/frmThisWeek.h"
#include "ui/nfl/frmWhosHot.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterNflWindows(WindowRegistry& registry) {
    registry.Add("frmNFLResults", OpenModal<frmNFLResults>);
    registry.Add("frmTResults", OpenModal<frmTResults>);
    registry.Add("frmLeague", OpenModal<frmLeague>);
    registry.Add("frmConference", OpenModal<frmConference>);
    registry.Add("frmWhosHot", OpenModal<frmWhosHot>);
    registry.Add("frmFavUnd", OpenModal<frmFavUnd>);
    registry.Add("frmPFPA", OpenModal<frmPFPA>);
    registry.Add("frmThisWeek", OpenModal<frmThisWeek>);
    registry.Add("frmGraph", OpenModal<frmGraph>);
    registry.Add("frmNFLDisp", OpenModal<frmNFLDisp>);
    registry.Add("frmAnalyze", OpenModal<frmAnalyze>);
}

}  // namespace gm::ui
