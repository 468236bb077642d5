#pragma once

// Runs gridmoot-cli in this process and keeps what it said.
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace gm::cli::test {

struct CliRun {
    int Code;
    std::string Out;
    std::string Err;
};

inline CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace gm::cli::test
