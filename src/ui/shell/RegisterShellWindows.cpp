#include "ui/shell/AboutDialog.h"
#include "ui/shell/BgColorDialog.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterShellWindows(WindowRegistry& registry) {
    registry.Add("frmOptions", [](UiContext& ctx, QWidget* parent) {
        frmOptions w(ctx, parent);
        w.exec();
    });
    registry.Add("frmBgColor", [](UiContext& ctx, QWidget* parent) {
        frmBgColor w(ctx, parent);
        w.exec();
    });
    registry.Add("frmAbout", [](UiContext& ctx, QWidget* parent) {
        frmAbout w(ctx, parent);
        w.exec();
    });
}

}  // namespace gm::ui
