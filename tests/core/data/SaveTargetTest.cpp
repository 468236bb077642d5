// A save respects what its path is: through a link it changes the linked file
// and the link stays; a pipe or device is written, never replaced; a folder
// or a loop of links is refused with a message naming it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Every entry under `root`, links not followed: a file's bytes, "-> target"
// for a link, "fifo", "folder".
using Tree = std::map<std::string, std::string>;

Tree Entries(const fs::path& root) {
    Tree tree;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string name = e.path().lexically_relative(root).generic_string();
        const fs::file_status st = fs::symlink_status(e.path());
        if (fs::is_symlink(st))
            tree[name] = "-> " + fs::read_symlink(e.path()).string();
        else if (fs::is_fifo(st))
            tree[name] = "fifo";
        else if (fs::is_directory(st))
            tree[name] = "folder";
        else if (fs::is_character_file(st))
            tree[name] = "device";
        else
            tree[name] = ReadFile(e.path());
    }
    return tree;
}

// One kind of thing at data/<file>; "elsewhere" is another folder beside data.
struct TargetKind {
    std::string Name;
    std::function<void(const fs::path& root, const std::string& file)> Lay;
    // The entries after a save of `bytes`; the same as before when refused.
    std::function<Tree(const std::string& file, const std::string& bytes)> After;
    std::string Refusal;  // what a refusal says; empty: the save goes through
    bool Pipe = false;    // data/<file> is a pipe with a reader
};

std::vector<TargetKind> Kinds() {
    std::vector<TargetKind> kinds;
    kinds.push_back({"regular file",
                     [](const fs::path& root, const std::string& f) { WriteFile(root / "data" / f, "old"); },
                     [](const std::string& f, const std::string& bytes) {
                         return Tree{{"data", "folder"}, {"data/" + f, bytes}, {"elsewhere", "folder"}};
                     },
                     ""});
    kinds.push_back({"link to a file in another folder",
                     [](const fs::path& root, const std::string& f) {
                         WriteFile(root / "elsewhere" / "shared.dat", "old");
                         fs::create_symlink(root / "elsewhere" / "shared.dat", root / "data" / f);
                     },
                     nullptr, ""});
    kinds.push_back({"dangling relative link",
                     [](const fs::path& root, const std::string& f) {
                         fs::create_symlink("../elsewhere/new.dat", root / "data" / f);
                     },
                     [](const std::string& f, const std::string& bytes) {
                         return Tree{{"data", "folder"},
                                     {"data/" + f, "-> ../elsewhere/new.dat"},
                                     {"elsewhere", "folder"},
                                     {"elsewhere/new.dat", bytes}};
                     },
                     ""});
    kinds.push_back({"chain of links",
                     [](const fs::path& root, const std::string& f) {
                         fs::create_directory(root / "elsewhere" / "sub");
                         WriteFile(root / "elsewhere" / "sub" / "final.dat", "old");
                         fs::create_symlink("sub/final.dat", root / "elsewhere" / "hop");
                         fs::create_symlink(root / "elsewhere" / "hop", root / "data" / f);
                     },
                     nullptr, ""});
    kinds.push_back({"pipe with a reader",
                     [](const fs::path& root, const std::string& f) {
                         ASSERT_EQ(::mkfifo((root / "data" / f).c_str(), 0600), 0) << std::strerror(errno);
                     },
                     [](const std::string& f, const std::string&) {
                         return Tree{{"data", "folder"}, {"data/" + f, "fifo"}, {"elsewhere", "folder"}};
                     },
                     "", true});
    // Devices of its own where this machine lets the test make them.
    const bool devices = [] {
        TempDir probe;
        return test::MakeNullDevice(probe / "null");
    }();
    if (devices)
        kinds.push_back({"link to a device",
                         [](const fs::path& root, const std::string& f) {
                             ASSERT_TRUE(test::MakeNullDevice(root / "elsewhere" / "null"));
                             fs::create_symlink("../elsewhere/null", root / "data" / f);
                         },
                         [](const std::string& f, const std::string&) {
                             return Tree{{"data", "folder"},
                                         {"data/" + f, "-> ../elsewhere/null"},
                                         {"elsewhere", "folder"},
                                         {"elsewhere/null", "device"}};
                         },
                         ""});
    kinds.push_back({"folder",
                     [](const fs::path& root, const std::string& f) {
                         fs::create_directory(root / "data" / f);
                         WriteFile(root / "data" / f / "inside", "keep");
                     },
                     nullptr, "Is a directory"});
    kinds.push_back({"loop of links",
                     [](const fs::path& root, const std::string& f) {
                         fs::create_symlink(root / "elsewhere" / "back", root / "data" / f);
                         fs::create_symlink(root / "data" / f, root / "elsewhere" / "back");
                     },
                     nullptr, "Too many levels of symbolic links"});
    return kinds;
}

MemberRecord Member(std::string_view name, int number) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    m.Picks[0][0] = 3;
    return m;
}

// One way the program writes a file of the data folder.
struct Saver {
    std::string Name;
    std::string File;
    std::string Bytes;  // what the file receives
    std::function<Status(const fs::path& data)> Save;
};

std::vector<Saver> Savers() {
    const MemberRecord ann = Member("Ann", 1), bob = Member("Bob", 2);
    return {
        {"general save", "Vask97.ini", "[Options]\r\nPoolSort=Wins\r\n",
         [](const fs::path& data) {
             return WriteFileAtomic(data / "Vask97.ini", "[Options]\r\nPoolSort=Wins\r\n");
         }},
        {"pool save", "Pool97.dat", EncodePool(std::vector{ann}),
         [ann](const fs::path& data) {
             AppState state(data);
             state.Members = {ann};
             state.MemberCount = 1;
             return SavePool(state);
         }},
        {"pool rebuild", "Pool97.dat", EncodePool(std::vector{ann, bob}),
         [ann, bob](const fs::path& data) {
             AppState state(data);
             const Status s = RebuildPool(state, std::vector{ann, bob});
             // The table is the new pool, whatever the file is.
             if (s) {
                 EXPECT_EQ(state.MemberCount, 2);
             }
             return s;
         }},
    };
}

TEST(SaveTarget, EverySaveRespectsWhatItsPathIs) {
    for (const Saver& saver : Savers()) {
        for (const TargetKind& kind : Kinds()) {
            SCOPED_TRACE(saver.Name + " to a " + kind.Name);
            TempDir root;
            fs::create_directory(root / "data");
            fs::create_directory(root / "elsewhere");
            kind.Lay(root.path(), saver.File);
            const Tree before = Entries(root.path());
            std::optional<test::PipeReader> reader;
            if (kind.Pipe) reader.emplace(root / "data" / saver.File);

            const Status s = saver.Save(root / "data");
            const std::string piped = reader ? reader->Finish() : "";

            if (!kind.Refusal.empty()) {
                EXPECT_FALSE(s);
                EXPECT_NE(s.message.find(kind.Refusal), std::string::npos) << s.message;
                EXPECT_NE(s.message.find(saver.File), std::string::npos) << s.message;
                EXPECT_EQ(Entries(root.path()), before);
                continue;
            }
            ASSERT_TRUE(s) << s.message;
            const Tree expected = kind.After ? kind.After(saver.File, saver.Bytes) : [&] {
                Tree t = before;
                if (kind.Name == "link to a file in another folder")
                    t["elsewhere/shared.dat"] = saver.Bytes;
                else
                    t["elsewhere/sub/final.dat"] = saver.Bytes;
                return t;
            }();
            EXPECT_EQ(Entries(root.path()), expected);
            if (kind.Pipe) {
                EXPECT_EQ(piped, saver.Bytes);
            }
        }
    }
}

// The system's own links to an open pipe ("/dev/stdout" is one) name no file
// a walk along the links could reach: the pipe is opened by the name given.
TEST(SaveTarget, PipeNamedThroughTheSystemsFdLinks) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const Status s = WriteFileAtomic("/proc/self/fd/" + std::to_string(ends[1]), "through the pipe");
    ::close(ends[1]);
    char buf[64] = {};
    const ssize_t n = ::read(ends[0], buf, sizeof buf);
    ::close(ends[0]);
    ASSERT_TRUE(s) << s.message;
    EXPECT_EQ(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0), "through the pipe");
}

// Through a link the linked file keeps its permissions, and a failed save
// leaves it whole, with nothing left in either folder.
TEST(SaveTarget, LinkedFileKeepsItsModeAndSurvivesAFailedSave) {
    TempDir root;
    fs::create_directory(root / "data");
    fs::create_directory(root / "shared");
    WriteFile(root / "shared" / "Pool97.dat", "old");
    fs::permissions(root / "shared" / "Pool97.dat", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("../shared/Pool97.dat", root / "data" / "Pool97.dat");

    ASSERT_TRUE(WriteFileAtomic(root / "data" / "Pool97.dat", "new"));
    EXPECT_EQ(fs::status(root / "shared" / "Pool97.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    const Tree before = Entries(root.path());
    {
        ScopedSaveFault fail(
            [](SaveStep step, const fs::path&) { return step == SaveStep::Rename ? EIO : 0; });
        const Status s = WriteFileAtomic(root / "data" / "Pool97.dat", "newer");
        EXPECT_FALSE(s);
        EXPECT_NE(s.message.find(std::strerror(EIO)), std::string::npos) << s.message;
    }
    EXPECT_EQ(Entries(root.path()), before);
}

}  // namespace
}  // namespace gm
