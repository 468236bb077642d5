#include <QString>
#include <memory>

#include "core/data/SeasonFile.h"
#include "ui/entry/GameWeekWindows.h"
#include "ui/entry/ScheduleWindow.h"
#include "ui/entry/TeamWindows.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

namespace {

// Builds the window under the hourglass, then runs it modally.
template <typename Window>
void Open(UiContext& ctx, QWidget* parent) {
    std::unique_ptr<Window> window;
    {
        Hourglass wait;
        window = std::make_unique<Window>(ctx, parent);
    }
    window->exec();
}

}  // namespace

void RegisterEntryWindows(WindowRegistry& registry) {
    registry.Add("frmNFLCity", Open<frmNFLCity>);
    registry.Add("frmSchedule", [](UiContext& ctx, QWidget* parent) {
        Open<frmSchedule>(ctx, parent);
        // The season is read again from its file, saved or not.
        if (ctx.State.CurrentSeasonOpen) {
            if (const Status s = LoadSeason(ctx.State, kCurrentSeasonRead); !s)
                ctx.Prompts.Tell(parent, PromptIcon::Stop, "Season File", QString::fromStdString(s.message));
        }
    });
    registry.Add("frmSpreads", Open<frmSpreads>);
    registry.Add("frmScores", Open<frmScores>);
}

}  // namespace gm::ui
