// Writes a data folder for timing the program from outside: the full 1996
// season as the current season, a pool of N members (default the largest the
// file allows) who pick every game of all 21 weeks with confidence points and
// a Monday-night entry, and settings grading against the spread.
// --repeating copies the members' picks from a few dozen entries, so that
// members tie as often as in a real pool.
//
//   make_big_pool FOLDER [MEMBERS] [--repeating]

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "../BenchFixtures.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    auto kind = gm::bench::PoolKind::Differing;
    if (!args.empty() && args.back() == "--repeating") {
        kind = gm::bench::PoolKind::Repeating;
        args.pop_back();
    }
    if (args.empty() || args.size() > 2) {
        std::cerr << "Usage: make_big_pool FOLDER [MEMBERS] [--repeating]\n";
        return 2;
    }
    int members = gm::bench::kLargestPool;
    if (args.size() == 2) {
        members = std::atoi(args[1].c_str());
        if (members < 1 || members > gm::kMaxMembers) {
            std::cerr << "make_big_pool: MEMBERS must be 1 to " << gm::kMaxMembers << "\n";
            return 2;
        }
    }
    const gm::bench::fs::path folder = args[0];
    const auto size = gm::bench::WritePoolFolder(folder, members, kind);
    gm::bench::WriteBenchSettings(folder);
    std::cout << (folder / std::string(gm::kPoolFileName)).string() << " " << size << " bytes, " << members
              << " members" << (kind == gm::bench::PoolKind::Repeating ? ", repeating picks" : "") << "\n";
    return 0;
}
