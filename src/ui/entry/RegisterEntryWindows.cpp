#include "ui/entry/GameWeekWindows.h"
#include "ui/entry/ScheduleWindow.h"
#include "ui/entry/TeamWindows.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterEntryWindows(WindowRegistry& registry) {
    registry.Add("frmNFLCity", OpenModal<frmNFLCity>);
    registry.Add("frmSchedule", [](UiContext& ctx, QWidget* parent) {
        OpenModal<frmSchedule>(ctx, parent);
        // The season is read again from its file, saved or not.
        RereadSeasonAfterEditing(ctx, parent);
    });
    registry.Add("frmSpreads", OpenModal<frmSpreads>);
    registry.Add("frmScores", OpenModal<frmScores>);
}

}  // namespace gm::ui
