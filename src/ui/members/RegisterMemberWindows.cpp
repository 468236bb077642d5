#include <memory>

#include "ui/members/frmPicks.h"
#include "ui/members/frmPlayer.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterMemberWindows(WindowRegistry& registry) {
    registry.Add("frmPlayer", [](UiContext& ctx, QWidget* parent) {
        std::unique_ptr<frmPlayer> window;
        {
            Hourglass wait;
            window = std::make_unique<frmPlayer>(ctx, parent);
        }
        window->exec();
    });
    // The main window refuses the selections window without members or with
    // an archived season open; this only opens it.
    registry.Add("frmPicks", [](UiContext& ctx, QWidget* parent) {
        std::unique_ptr<frmPicks> window;
        {
            Hourglass wait;
            window = std::make_unique<frmPicks>(ctx, parent);
        }
        window->exec();
    });
}

}  // namespace gm::ui
