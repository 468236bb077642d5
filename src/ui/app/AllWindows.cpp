#include "AllWindows.h"

namespace gm::ui {

void RegisterAllWindows(WindowRegistry& windows) {
    RegisterShellWindows(windows);
    RegisterEntryWindows(windows);
    RegisterMemberWindows(windows);
    RegisterPoolWindows(windows);
    RegisterOutputWindows(windows);
    RegisterNflWindows(windows);
    RegisterSidePoolWindows(windows);
    RegisterAnalysisWindows(windows);
}

}  // namespace gm::ui
