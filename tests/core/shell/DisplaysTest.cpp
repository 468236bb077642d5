#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/shell/Displays.h"

namespace gm {
namespace {

const std::filesystem::path kDocs = std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "docs";

// The catalogue is what the menus, the window registry and the command line
// key on: a name given twice would open one window for another, a page that is
// not there would open the contents instead, and a rule that needs members
// without saying why would show an empty line.
TEST(Displays, CatalogueIsConsistent) {
    std::set<std::string_view> windows, captions, reports;
    for (const DisplayRow& row : AllDisplays()) {
        SCOPED_TRACE(std::string(row.Window));
        EXPECT_EQ(&DisplayInfo(row.Id), &row);
        EXPECT_TRUE(row.Window.starts_with("frm"));
        EXPECT_TRUE(windows.insert(row.Window).second) << "window name twice";
        EXPECT_FALSE(row.Caption.empty());
        EXPECT_EQ(row.Caption.find('&'), row.Caption.rfind('&')) << "one access key";
        if (!row.Cli.empty()) {
            EXPECT_TRUE(reports.insert(row.Cli).second) << "report name twice: " << row.Cli;
            EXPECT_EQ(row.Cli.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string_view::npos)
                << row.Cli;
        }
        EXPECT_TRUE(std::filesystem::is_regular_file(kDocs / std::string(row.HelpPage))) << row.HelpPage;
        const bool needsMembers = row.Rule == OpenRule::MembersGrades || row.Rule == OpenRule::Experts ||
                                  row.Rule == OpenRule::EntersSelections;
        EXPECT_EQ(!row.NoMembers.empty(), needsMembers);
    }
}

}  // namespace
}  // namespace gm
