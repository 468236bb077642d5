// Writes a data folder for timing the program from outside: the full 1996
// season as the current season, a pool of N members (default the largest the
// file allows) who pick every game of all 21 weeks with confidence points and
// a Monday-night entry, and settings grading against the spread.
//
//   make_big_pool FOLDER [MEMBERS]

#include <cstdlib>
#include <iostream>
#include <string>

#include "../BenchFixtures.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "Usage: make_big_pool FOLDER [MEMBERS]\n";
        return 2;
    }
    int members = gm::bench::kLargestPool;
    if (argc == 3) {
        members = std::atoi(argv[2]);
        if (members < 1 || members > gm::kMaxMembers) {
            std::cerr << "make_big_pool: MEMBERS must be 1 to " << gm::kMaxMembers << "\n";
            return 2;
        }
    }
    const gm::bench::fs::path folder = argv[1];
    const auto size = gm::bench::WritePoolFolder(folder, members);
    gm::bench::WriteBenchSettings(folder);
    std::cout << (folder / std::string(gm::kPoolFileName)).string() << " " << size << " bytes, " << members
              << " members\n";
    return 0;
}
