#include "ReportRegistry.h"

namespace gm::cli {

// The pool analysis displays.
void RegisterAnalysisReports(ReportRegistry&) {}

}  // namespace gm::cli
