#include "frmScores.h"

#include "core/entry/EntryBoxes.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmScores::frmScores(UiContext& ctx, QWidget* parent)
    : EditorWeekDialog(ctx, "frmScores", "NFL Scores", ScoreKeyAccepted, ScoreBoxChanged,
                       ScoreEditor(ctx.State.Games, ctx.State.League()), kScoresChangedText, kScoresChangedTitle, parent) {
    ShowWeek();
    adjustSize();
    CenterForm(this);
}

}  // namespace gm::ui
