// A process killed in the middle of its saves leaves every data file whole:
// exactly the version before or the version after, and no temporary that a
// loader could take for data. The helper saves two versions in turn; it is
// killed at random moments. GRIDMOOT_KILL_ROUNDS sets the number of kills for a
// long run by hand.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include <sys/wait.h>
#include <unistd.h>

#include "core/data/save_loop/SaveLoop.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;

int KillRounds() {
    const char* text = std::getenv("GRIDMOOT_KILL_ROUNDS");
    const int rounds = text ? std::atoi(text) : 0;
    return rounds > 0 ? rounds : 30;
}

// The bytes of both versions of each file, as a save in this process writes
// them; `perSave` is how long one round of saves took here.
std::map<std::string, std::set<std::string>> Versions(std::chrono::microseconds& perSave) {
    TempDir scratch;
    std::map<std::string, std::set<std::string>> versions;
    const auto start = std::chrono::steady_clock::now();
    for (int v : {0, 1, 0}) {
        EXPECT_TRUE(test::SaveLoopVersion(scratch.path(), v));
        versions["Pool97.dat"].insert(ReadFile(scratch / "Pool97.dat"));
        versions["Vask97.ini"].insert(ReadFile(scratch / "Vask97.ini"));
    }
    perSave = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / 3;
    return versions;
}

TEST(SaveKill, KilledSavesLeaveTheOldOrTheNewFile) {
    std::chrono::microseconds perSave{};
    const auto versions = Versions(perSave);
    ASSERT_EQ(versions.at("Pool97.dat").size(), 2u);
    ASSERT_EQ(versions.at("Vask97.ini").size(), 2u);

    TempDir dir;
    ASSERT_TRUE(test::SaveLoopVersion(dir.path(), 0));
    std::mt19937 rng(20261210);
    // Kills anywhere from the helper's start to a few rounds of saves into its loop.
    std::uniform_int_distribution<long> delay(1000, 5000 + 4 * static_cast<long>(perSave.count()));
    const int rounds = KillRounds();
    int changed = 0, temporariesLeft = 0;
    std::string before = ReadFile(dir / "Pool97.dat") + ReadFile(dir / "Vask97.ini");
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string folder = dir.path().string();
            execl(GRIDMOOT_SAVE_LOOP, GRIDMOOT_SAVE_LOOP, folder.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        usleep(static_cast<useconds_t>(delay(rng)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        // The helper stops only when killed: a save that failed on its own ends it early.
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "helper status " << status;

        bool leftover = false;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (versions.count(name)) {
                EXPECT_EQ(versions.at(name).count(ReadFile(entry.path())), 1u) << name << " is neither version";
            } else {
                // Only names no loader reads: the pool's own twin or a save's temporary.
                EXPECT_TRUE(name == "Temp.dat" || IsSaveTemporary(name)) << name;
                leftover = true;
            }
        }
        temporariesLeft += leftover;
        const std::string now = ReadFile(dir / "Pool97.dat") + ReadFile(dir / "Vask97.ini");
        changed += now != before;
        before = now;
    }
    // The next save clears what killed saves left behind.
    ASSERT_TRUE(test::SaveLoopVersion(dir.path(), 1));
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"Pool97.dat", "Vask97.ini"}));
    std::cout << "[ kills    ] " << rounds << " kills (one round of saves: " << perSave.count() << " us), " << changed << " changed the files, " << temporariesLeft
              << " left a temporary behind\n";
}

}  // namespace
}  // namespace gm
