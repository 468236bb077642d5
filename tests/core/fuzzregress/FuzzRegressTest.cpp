// Replays the inputs the fuzzers kept (inputs/<target>/) and the fuzzers'
// seeds (fuzz/corpus/<target>/) through the same entry functions the fuzz
// targets call: every promise of the loader holds, nothing crashes, and an
// input named "refused-..." is turned away while the seeds and "accepted-..."
// inputs are taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzEntries.h"

namespace fs = std::filesystem;

namespace {

struct Input {
    std::string Target;
    fs::path File;
};

std::vector<Input> InputsUnder(const fs::path& root) {
    std::vector<Input> out;
    for (const gm::fuzz::Target& t : gm::fuzz::Targets()) {
        const fs::path dir = root / std::string(t.Name);
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file()) out.push_back({std::string(t.Name), entry.path()});
    }
    return out;
}

gm::fuzz::Outcome Replay(const Input& input) {
    std::ifstream in(input.File, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const gm::fuzz::Target& t : gm::fuzz::Targets())
        if (t.Name == input.Target) return t.Run(bytes, true);
    ADD_FAILURE() << "no entry function for " << input.Target;
    return {};
}

TEST(FuzzRegress, KeptInputsKeepEveryPromise) {
    const auto inputs = InputsUnder(fs::path(GRIDMOOT_FIXTURES) / "core/fuzzregress/inputs");
    for (const Input& input : inputs) {
        SCOPED_TRACE(input.Target + "/" + input.File.filename().string());
        const gm::fuzz::Outcome outcome = Replay(input);
        EXPECT_EQ(outcome.Fault, "");
        const std::string name = input.File.filename().string();
        if (name.starts_with("refused-")) {
            EXPECT_FALSE(outcome.Accepted);
        }
        if (name.starts_with("accepted-")) {
            EXPECT_TRUE(outcome.Accepted);
        }
    }
}

TEST(FuzzRegress, SeedsAreTakenAndKeepEveryPromise) {
    const auto seeds = InputsUnder(fs::path(GRIDMOOT_SOURCE_DIR) / "fuzz/corpus");
    ASSERT_FALSE(seeds.empty());
    for (const Input& seed : seeds) {
        SCOPED_TRACE(seed.Target + "/" + seed.File.filename().string());
        const gm::fuzz::Outcome outcome = Replay(seed);
        EXPECT_EQ(outcome.Fault, "");
        EXPECT_TRUE(outcome.Accepted);
    }
}

}  // namespace
