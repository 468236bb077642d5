#include "AllWindows.h"

#include "ui/site/RegisterSiteWindows.h"

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
    RegisterSiteWindows(windows);
}

}  // namespace gm::ui
