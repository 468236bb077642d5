#pragma once

#include <memory>

#include "ui/shell/Hourglass.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

// The usual opener of a registered window: it is built under the hourglass
// (loading may read files and grade the pool), then runs modally.
// Use as `registry.Add(Display::Xxx, OpenModal<frmXxx>);`.
template <typename Window>
void OpenModal(UiContext& ctx, QWidget* parent) {
    std::unique_ptr<Window> window;
    {
        Hourglass wait;
        window = std::make_unique<Window>(ctx, parent);
    }
    window->exec();
}

}  // namespace gm::ui
