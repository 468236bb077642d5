#include "ReportRegistry.h"

namespace gm::cli {

// The NFL displays.
void RegisterNflReports(ReportRegistry&) {}

}  // namespace gm::cli
