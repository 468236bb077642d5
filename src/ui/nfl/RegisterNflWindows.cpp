#include "ui/nfl/frmNFLResults.h"
#include "ui/nfl/frmTResults.h"
#include "ui/shell/OpenWindow.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void RegisterNflWindows(WindowRegistry& registry) {
    registry.Add("frmNFLResults", OpenModal<frmNFLResults>);
    registry.Add("frmTResults", OpenModal<frmTResults>);
}

}  // namespace gm::ui
