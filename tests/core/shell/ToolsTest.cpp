#include <gtest/gtest.h>

#include "core/shell/Tools.h"
#include "support/TempDir.h"

namespace gm {
namespace {

TEST(Tools, FindsTheFirstInstalledCandidateOnThePath) {
    test::TempDir a, b;
    auto install = [](const fs::path& file) {
        test::WriteFile(file, "#!/bin/sh\n");
        fs::permissions(file, fs::perms::owner_all);
    };
    test::WriteFile(a / "gedit", "not executable");
    fs::permissions(a / "gedit", fs::perms::owner_read | fs::perms::owner_write);
    install(b / "mousepad");
    install(a / "xedit");
    const std::string path = a.path().string() + "::" + b.path().string();
    // gedit is not executable; mousepad comes before xedit in the list.
    EXPECT_EQ(FindTool(DesktopTool::Notepad, path), b / "mousepad");
    EXPECT_FALSE(FindTool(DesktopTool::Calculator, path).has_value());
    EXPECT_FALSE(FindTool(DesktopTool::Clipboard, "").has_value());
    EXPECT_EQ(ToolMissingText(DesktopTool::Calculator).rfind(
                  "You Need to Install the Calculator Application in your Windows Directory", 0),
              0u);
}

}  // namespace
}  // namespace gm
