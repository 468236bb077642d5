#include <gtest/gtest.h>

#include <map>

#include "core/data/DataFolder.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::TempDir;
using test::WriteFile;
namespace fs = std::filesystem;

// An environment of the test's own making.
EnvironmentLookup Env(std::map<std::string, std::string> vars) {
    return [vars = std::move(vars)](const char* name) {
        const auto it = vars.find(name);
        return it == vars.end() ? std::string() : it->second;
    };
}

TEST(DataFolder, PicksTheArgumentThenAPortableFolderThenTheUserFolder) {
    const auto env = Env({{"HOME", "/home/pat"}});
    const fs::path user = "/home/pat/.local/share/gridmoot";
    struct Case {
        const char* what;
        const char* given;            // the first command-line argument, "" when none
        const char* fileInProgram;    // a file put beside the program, "" for none
        bool folderNamedLikeTheFile;  // put there as a folder instead of a file
        const char* expect;           // "given", "program" or "user"
    } cases[] = {
        {"argument", "pool-folder", "", false, "given"},
        {"argument over a portable install", "pool-folder", "Vask97.ini", false, "given"},
        {"settings file", "", "Vask97.ini", false, "program"},
        {"pool file", "", "Pool97.dat", false, "program"},
        {"settings file in other letters", "", "VASK97.INI", false, "program"},
        {"pool file in other letters", "", "pool97.DAT", false, "program"},
        {"only a season file", "", "1997.NFL", false, "user"},
        {"a folder named like the pool file", "", "Pool97.dat", true, "user"},
        {"nothing beside the program", "", "", false, "user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir program;
        if (*c.fileInProgram) {
            if (c.folderNamedLikeTheFile)
                fs::create_directory(program / c.fileInProgram);
            else
                WriteFile(program / c.fileInProgram, "");
        }
        const fs::path got = ResolveDataFolder(c.given, program.path(), env);
        const std::string expect = c.expect;
        if (expect == "given") {
            EXPECT_TRUE(got.is_absolute());
            EXPECT_EQ(got, fs::absolute(c.given));
        } else if (expect == "program") {
            EXPECT_EQ(got, program.path());
        } else {
            EXPECT_EQ(got, user);
        }
    }
    // A program folder that is not known cannot be a portable install.
    EXPECT_EQ(ResolveDataFolder("", "", env), user);
}

// The desktop entry starts "gridmoot %f": an opened pool file means its folder.
TEST(DataFolder, AFileGivenStandsForItsFolder) {
    TempDir pool;
    WriteFile(pool / "Pool97.dat", "");
    fs::create_directory(pool / "sub");
    EXPECT_EQ(FolderOfArgument(pool / "Pool97.dat"), pool.path());
    EXPECT_EQ(FolderOfArgument(pool / "sub"), pool / "sub");
    EXPECT_EQ(FolderOfArgument(pool / "not-yet-made"), pool / "not-yet-made");
    EXPECT_EQ(FolderOfArgument(""), fs::path());
}

TEST(DataFolder, UserFolderFollowsTheXdgRule) {
    struct Case {
        std::map<std::string, std::string> vars;
        const char* expect;
    } cases[] = {
        {{{"HOME", "/home/pat"}}, "/home/pat/.local/share/gridmoot"},
        {{{"HOME", "/home/pat"}, {"XDG_DATA_HOME", "/data/pat"}}, "/data/pat/gridmoot"},
        {{{"HOME", "/home/pat"}, {"XDG_DATA_HOME", ""}}, "/home/pat/.local/share/gridmoot"},
        // A relative XDG_DATA_HOME is ignored, so the folder never depends on
        // where the program happened to be started from.
        {{{"HOME", "/home/pat"}, {"XDG_DATA_HOME", "data"}}, "/home/pat/.local/share/gridmoot"},
        {{}, "/.local/share/gridmoot"},
    };
    for (const Case& c : cases) EXPECT_EQ(UserDataFolder(Env(c.vars)), fs::path(c.expect));
}

}  // namespace
}  // namespace gm
