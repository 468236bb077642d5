#include <memory>

#include "ui/pool/frmMatrix.h"
#include "ui/pool/frmPMatrix.h"
#include "ui/pool/frmPoolStn.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

namespace {

// The hourglass shows while the window grades and loads, not while it is open.
template <typename Window>
void OpenModal(UiContext& ctx, QWidget* parent) {
    std::unique_ptr<Window> window;
    {
        Hourglass wait;
        window = std::make_unique<Window>(ctx, parent);
    }
    window->exec();
}

}  // namespace

void RegisterPoolWindows(WindowRegistry& registry) {
    registry.Add("frmPoolStn", OpenModal<frmPoolStn>);
    registry.Add("frmPMatrix", OpenModal<frmPMatrix>);
    registry.Add("frmMatrix", OpenModal<frmMatrix>);
}

}  // namespace gm::ui
