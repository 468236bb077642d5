#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "core/shell/Help.h"

namespace gm {
namespace {

const std::filesystem::path kDocs = std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "docs";

std::string Slurp(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// No help page links to a page that is not there, and every page is reachable from the contents.
TEST(Help, PagesLinkOnlyToPagesThatExist) {
    const std::regex link(R"re(href="([^"#]+)(#[^"]*)?")re");
    std::set<std::string> linkedFromIndex;
    for (const auto& entry : std::filesystem::directory_iterator(kDocs)) {
        if (entry.path().extension() != ".html") continue;
        const std::string text = Slurp(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            EXPECT_TRUE(std::filesystem::exists(kDocs / target)) << entry.path().filename() << " -> " << target;
            if (entry.path().filename() == "index.html") linkedFromIndex.insert(target);
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(kDocs)) {
        if (entry.path().extension() == ".html" && entry.path().filename() != "index.html") {
            EXPECT_TRUE(linkedFromIndex.count(entry.path().filename().string())) << entry.path().filename();
        }
    }
}

}  // namespace
}  // namespace gm
