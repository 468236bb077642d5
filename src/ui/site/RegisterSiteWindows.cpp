#include "ui/site/RegisterSiteWindows.h"

#include "ui/shell/UiContext.h"
#include "ui/site/frmSite.h"

namespace gm::ui {

void RegisterSiteWindows(WindowRegistry& registry) {
    // One window for the program's run, modeless: the site outlives its
    // window's closing, and goes with the main window.
    registry.Add(Display::PicksSite, [](UiContext& ctx, QWidget* parent) {
        frmSite* window = parent ? parent->findChild<frmSite*>("frmSite", Qt::FindDirectChildrenOnly) : nullptr;
        if (window == nullptr) {
            window = new frmSite(ctx, parent);
            if (parent == nullptr) window->setAttribute(Qt::WA_DeleteOnClose);
        }
        window->show();
        window->raise();
        window->activateWindow();
    });
}

}  // namespace gm::ui
