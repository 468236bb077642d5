// Saves two versions of the pool file and the settings file in turn until it
// is killed. The kill test starts it on a folder and kills it at random moments.
#include <cstdio>

#include "SaveLoop.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop FOLDER\n");
        return 2;
    }
    for (unsigned long i = 1;; ++i) {
        if (!gm::test::SaveLoopVersion(argv[1], static_cast<int>(i % 2))) {
            std::fprintf(stderr, "save_loop: a save failed\n");
            return 1;
        }
    }
}
