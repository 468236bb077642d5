#pragma once

// Runs gridmoot-cli in this process and keeps what it said.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace gm::test {

struct CliRun {
    int Code;
    std::string Out;
    std::string Err;
};

// `programFolder` stands for where the program lies (an installed program
// finds its shipped files beside it); none: the build tree's sources.
inline CliRun Cli(const std::vector<std::string>& args, const std::filesystem::path& programFolder = {}) {
    std::ostringstream out, err;
    const int code = cli::RunCli(args, out, err, programFolder);
    return {code, out.str(), err.str()};
}

// The same on the data folder `data`: "--data DATA" goes first.
inline CliRun CliIn(const std::filesystem::path& data, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", data.string()});
    return Cli(args);
}

// The report names `report --list` gives, one per line that does not start
// with a blank.
inline std::set<std::string> ListedReports(const std::filesystem::path& data) {
    const CliRun list = CliIn(data, {"report", "--list"});
    EXPECT_EQ(list.Code, 0) << list.Err;
    std::set<std::string> names;
    std::istringstream lines(list.Out);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == ' ') continue;
        names.insert(line.substr(0, line.find(' ')));
    }
    return names;
}

}  // namespace gm::test
