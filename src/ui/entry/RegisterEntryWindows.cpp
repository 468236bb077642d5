#include "ui/entry/SeasonReread.h"
#include "ui/entry/frmNFLCity.h"
#include "ui/entry/frmSchedule.h"
#include "ui/entry/frmScores.h"
#include "ui/entry/frmSpreads.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterEntryWindows(WindowRegistry& registry) {
    registry.Add(Display::NflTeams, OpenModal<frmNFLCity>);
    registry.Add(Display::NflSchedule, [](UiContext& ctx, QWidget* parent) {
        OpenModal<frmSchedule>(ctx, parent);
        // The season is read again from its file, saved or not.
        RereadSeasonAfterEditing(ctx, parent);
    });
    registry.Add(Display::PointSpreads, OpenModal<frmSpreads>);
    registry.Add(Display::Scores, OpenModal<frmScores>);
}

}  // namespace gm::ui
