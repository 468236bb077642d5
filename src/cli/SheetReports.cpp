#include "ReportRegistry.h"

namespace gm::cli {

// The pick sheets and entry sheets.
void RegisterSheetReports(ReportRegistry&) {}

}  // namespace gm::cli
