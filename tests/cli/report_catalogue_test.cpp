#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cli/ReportRegistry.h"

namespace gm::cli {
namespace {

// Each report mirrors one display and carries the name the catalogue gives
// it; every display the catalogue names a report for has exactly one.
TEST(ReportCatalogue, EveryNamedDisplayHasOneReport) {
    const ReportRegistry reports = AllReports();
    std::map<Display, int> count;
    for (const ReportEntry& e : reports.Entries()) {
        EXPECT_FALSE(e.Name.empty()) << WindowName(e.Window) << " has no report name in the catalogue";
        ++count[e.Window];
    }
    for (const DisplayRow& row : AllDisplays())
        if (!row.Cli.empty()) {
            EXPECT_EQ(count[row.Id], 1) << row.Cli;
            const ReportEntry* found = reports.Find(std::string(row.Cli));
            ASSERT_NE(found, nullptr) << row.Cli;
            EXPECT_EQ(found->Window, row.Id);
        }
}

}  // namespace
}  // namespace gm::cli
