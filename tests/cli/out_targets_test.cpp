// --out respects what its path is, for every kind of output: "-" is standard
// output; through a link the linked file changes and the link stays; a pipe
// or device is written, never replaced; a folder is refused, named.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <optional>

#include "CliRun.h"
#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/PdfText.h"
#include "support/SpecialFiles.h"

namespace gm::cli {
namespace {

namespace fs = std::filesystem;
using gm::test::ReadFile;
using gm::test::TempDir;
using gm::test::WriteFile;

bool IsLink(const fs::path& p) {
    return fs::is_symlink(fs::symlink_status(p));
}

// One kind of --out target, laid out in `place`.
struct Target {
    std::string Name;
    // Lays the target out; gives the --out argument.
    std::function<std::string(const fs::path& place)> Lay;
    // Where the bytes land afterwards (read as a file); none: see Pipe/Device/"-".
    std::function<std::optional<fs::path>(const fs::path& place)> Lands;
    std::vector<std::string> Links;  // names in `place` that must still be links
    std::string Refusal;             // what a refused --out says
};

std::vector<Target> Targets() {
    const auto none = [](const fs::path&) { return std::optional<fs::path>(); };
    return {
        {"regular file",
         [](const fs::path& p) {
             WriteFile(p / "out", "old");
             return (p / "out").string();
         },
         [](const fs::path& p) { return std::optional(p / "out"); },
         {},
         ""},
        {"link to a file in another folder",
         [](const fs::path& p) {
             fs::create_directory(p / "shared");
             WriteFile(p / "shared" / "report", "old");
             fs::create_directory(p / "here");
             fs::create_symlink(p / "shared" / "report", p / "here" / "out");
             return (p / "here" / "out").string();
         },
         [](const fs::path& p) { return std::optional(p / "shared" / "report"); },
         {"here/out"},
         ""},
        {"dangling relative link",
         [](const fs::path& p) {
             fs::create_directory(p / "here");
             fs::create_symlink("../new", p / "here" / "out");
             return (p / "here" / "out").string();
         },
         [](const fs::path& p) { return std::optional(p / "new"); },
         {"here/out"},
         ""},
        {"chain of links",
         [](const fs::path& p) {
             WriteFile(p / "final", "old");
             fs::create_symlink("final", p / "hop");
             fs::create_symlink(p / "hop", p / "out");
             return (p / "out").string();
         },
         [](const fs::path& p) { return std::optional(p / "final"); },
         {"hop", "out"},
         ""},
        {"pipe with a reader",
         [](const fs::path& p) {
             EXPECT_EQ(::mkfifo((p / "fifo").c_str(), 0600), 0);
             return (p / "fifo").string();
         },
         none,
         {},
         ""},
        // A null device of the test's own: a wrong save never reaches the system's.
        {"device",
         [](const fs::path& p) {
             if (!gm::test::MakeNullDevice(p / "null")) return std::string("/dev/null");
             return (p / "null").string();
         },
         none, {}, ""},
        {"folder",
         [](const fs::path& p) {
             fs::create_directory(p / "reports");
             return (p / "reports").string();
         },
         none,
         {},
         "Is a directory"},
        {"-", [](const fs::path&) { return std::string("-"); }, none, {}, ""},
    };
}

// One kind of output with the arguments that write it; Same says whether
// bytes written are that output (a PDF is checked by reading it back).
struct Output {
    std::string Name;
    std::vector<std::string> Args;
    std::function<void(const std::string& bytes, const std::string& expected)> Same;
};

void SameBytes(const std::string& bytes, const std::string& expected) {
    EXPECT_EQ(bytes, expected);
}

void SamePrintout(const std::string& bytes, const std::string&) {
    ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(bytes.rfind("%%EOF"), std::string::npos);
    TempDir dir;
    WriteFile(dir / "read.pdf", bytes);
    if (const std::string text = gm::test::PdfText(dir / "read.pdf"); !text.empty())
        EXPECT_NE(text.find("Tallbrook Office Football Pools"), std::string::npos) << text;
}

std::vector<Output> Outputs() {
    return {
        {"text", {"report", "standings"}, SameBytes},
        {"clipboard text", {"report", "standings", "--to", "clipboard-text"}, SameBytes},
        {"web page", {"report", "standings", "--to", "web"}, SameBytes},
        {"printout", {"report", "standings", "--to", "pdf"}, SamePrintout},
        {"picks export", {"export-picks", "--week", "1"}, SameBytes},
    };
}

TEST(CliOut, EveryOutputRespectsWhatItsPathIs) {
    test::PoolFixture f;
    for (const Output& output : Outputs()) {
        // What the output is: standard output's bytes for "-", as a pipe would get them.
        auto toStdout = output.Args;
        toStdout.insert(toStdout.end(), {"--out", "-"});
        const test::CliRun reference = test::CliIn(f.Dir.path(), toStdout);
        ASSERT_EQ(reference.Code, 0) << output.Name << ": " << reference.Err;

        for (const Target& target : Targets()) {
            SCOPED_TRACE(output.Name + " to " + target.Name);
            TempDir place;
            const std::string out = target.Lay(place.path());
            std::optional<gm::test::PipeReader> reader;
            if (target.Name == "pipe with a reader") reader.emplace(out);
            auto args = output.Args;
            args.insert(args.end(), {"--out", out});
            const test::CliRun r = test::CliIn(f.Dir.path(), args);
            const std::string piped = reader ? reader->Finish() : "";

            if (!target.Refusal.empty()) {
                EXPECT_NE(r.Code, 0);
                EXPECT_NE(r.Err.find(target.Refusal), std::string::npos) << r.Err;
                EXPECT_NE(r.Err.find("\"reports\""), std::string::npos) << r.Err;
                EXPECT_TRUE(fs::is_empty(out));
                continue;
            }
            ASSERT_EQ(r.Code, 0) << r.Err;
            if (const auto lands = target.Lands(place.path())) {
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(*lands)));
                output.Same(ReadFile(*lands), reference.Out);
            } else if (reader) {
                EXPECT_TRUE(fs::is_fifo(fs::symlink_status(out)));
                output.Same(piped, reference.Out);
            } else if (out == "-") {
                output.Same(r.Out, reference.Out);
            } else {
                EXPECT_TRUE(fs::is_character_file(fs::symlink_status(out)));
            }
            for (const std::string& link : target.Links) EXPECT_TRUE(IsLink(place / link)) << link;
            // Nothing beside what was named: no temporary, no stray file in the data folder.
            for (const auto& e : fs::directory_iterator(f.Dir.path()))
                EXPECT_FALSE(IsSaveTemporary(e.path().filename().string())) << e.path();
        }
    }
}

// The printout to standard output is the PDF alone: the confirmation that
// names a file has no place in it.
TEST(CliOut, PrintoutToStandardOutputIsThePdfAlone) {
    test::PoolFixture f;
    const test::CliRun r = test::CliIn(f.Dir.path(), {"report", "standings", "--to", "pdf", "--out", "-"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out.substr(0, 5), "%PDF-");
    EXPECT_EQ(r.Out.find("Wrote"), std::string::npos);
    EXPECT_FALSE(fs::exists(fs::path("-")));
}

// A data folder whose pool file is a link into another folder: an import
// changes the linked file, and the link stays.
TEST(CliOut, ImportIntoALinkedPoolFileChangesTheLinkedFile) {
    test::PoolFixture f;
    const std::string pool = ReadFile(f.Dir / "Pool97.dat");
    const test::CliRun exported = test::CliIn(f.Dir.path(), {"export-picks", "--week", "1"});
    ASSERT_EQ(exported.Code, 0) << exported.Err;
    WriteFile(f.Dir / "week1.csv", exported.Out);

    // The shared copy lacks week 1's picks; the data folder links to it.
    TempDir shared;
    AppState state(f.Dir.path());
    ASSERT_TRUE(LoadPool(state).ok());
    for (MemberRecord& m : state.Members)
        for (auto& pick : m.Picks[0]) pick = 0;
    WriteFile(shared / "Pool97.dat", EncodePool(state.Members));
    ASSERT_NE(ReadFile(shared / "Pool97.dat"), pool);
    fs::remove(f.Dir / "Pool97.dat");
    fs::create_symlink(shared / "Pool97.dat", f.Dir / "Pool97.dat");

    const test::CliRun r =
        test::CliIn(f.Dir.path(), {"import-picks", (f.Dir / "week1.csv").string(), "--week", "1"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(IsLink(f.Dir / "Pool97.dat"));
    EXPECT_EQ(ReadFile(shared / "Pool97.dat"), pool);
    EXPECT_EQ(std::distance(fs::directory_iterator(shared.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace gm::cli
