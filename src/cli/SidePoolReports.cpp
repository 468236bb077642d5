#include "ReportRegistry.h"

namespace gm::cli {

// The side pools.
void RegisterSidePoolReports(ReportRegistry&) {}

}  // namespace gm::cli
