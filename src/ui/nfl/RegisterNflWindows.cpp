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
    registry.Add(Display::WeeklyResults, OpenModal<frmNFLResults>);
    registry.Add(Display::TeamResults, OpenModal<frmTResults>);
    registry.Add(Display::LeagueStandings, OpenModal<frmLeague>);
    registry.Add(Display::ConferenceStandings, OpenModal<frmConference>);
    registry.Add(Display::WhosHot, OpenModal<frmWhosHot>);
    registry.Add(Display::FavoriteUnderdog, OpenModal<frmFavUnd>);
    registry.Add(Display::PointsForAgainst, OpenModal<frmPFPA>);
    registry.Add(Display::Matchups, OpenModal<frmThisWeek>);
    registry.Add(Display::NflGraphs, OpenModal<frmGraph>);
    registry.Add(Display::NflMarquee, OpenModal<frmNFLDisp>);
    registry.Add(Display::NflAnalyzer, OpenModal<frmAnalyze>);
}

}  // namespace gm::ui
