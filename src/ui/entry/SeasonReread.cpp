#include "SeasonReread.h"

#include "core/entry/SeasonEditors.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"

namespace gm::ui {

void RereadSeasonAfterEditing(UiContext& ctx, QWidget* parent) {
    if (const Status s = RereadCurrentSeason(ctx.State); !s)
        ctx.Prompts.Tell(parent, PromptIcon::Stop, Q(kSeasonFileTitle), Q(s.message));
}

}  // namespace gm::ui
