#include "Cli.h"

namespace gm::cli {

void RegisterReportCommands(Registry&) {}

}  // namespace gm::cli
