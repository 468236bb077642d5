#include <memory>

#include "ui/members/frmPicks.h"
#include "ui/members/frmPlayer.h"
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

void RegisterMemberWindows(WindowRegistry& registry) {
    registry.Add("frmPlayer", Open<frmPlayer>);
    // The main window refuses the selections window without members or with
    // an archived season open; this only opens it.
    registry.Add("frmPicks", Open<frmPicks>);
}

}  // namespace gm::ui
