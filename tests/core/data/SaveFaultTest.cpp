// Every kind of save, made to fail at each of its low-level steps in turn: the
// save must say so (naming the file and the reason), keep the old file whole
// and leave no temporary behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/shell/Backup.h"
#include "core/sidepools/SideFiles.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

MemberRecord Member(std::string_view name, int number, std::uint8_t pick) {
    MemberRecord m;
    m.Name = FitName(name);
    m.PlayerNumber = static_cast<std::int16_t>(number);
    m.Picks[0][0] = pick;
    return m;
}

std::string Bytes(const MemberRecord& m) {
    const MemberBytes b = EncodeMember(m);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

// One kind of save: the files the folder holds before it, the file it
// replaces, and the save itself (the empty text on success, else the message
// the user would see).
struct SaveKind {
    std::string Name;
    std::map<std::string, std::string> Before;  // path inside the folder -> bytes
    std::string Target;
    std::function<std::string(const fs::path& folder)> Save;
};

std::string Said(const Status& s) { return s.ok() ? "" : s.message; }
std::string Said(const OutputMessage& m) { return m.failed() ? m.Text : ""; }

std::vector<SaveKind> Kinds() {
    std::vector<SaveKind> kinds;
    kinds.push_back({"season", {{"1997.nfl", std::string(315 * 23, '\0')}}, "1997.nfl", [](const fs::path& d) {
                         AppState state(d);
                         state.Games[0][0].HomeTeam = 3;
                         state.Games[0][0].AwayTeam = 4;
                         return Said(SaveSeason(state));
                     }});
    kinds.push_back({"pool in place", {{"Pool97.dat", Bytes(Member("Ann", 1, 0))}}, "Pool97.dat",
                     [](const fs::path& d) {
                         AppState state(d);
                         state.Members = {Member("Ann", 1, 7)};
                         state.MemberCount = 1;
                         return Said(SavePool(state));
                     }});
    kinds.push_back({"pool rebuilt", {{"Pool97.dat", Bytes(Member("Ann", 1, 0))}}, "Pool97.dat",
                     [](const fs::path& d) {
                         AppState state(d);
                         const std::vector<MemberRecord> two = {Member("Ann", 1, 0), Member("Bob", 2, 0)};
                         return Said(RebuildPool(state, two));
                     }});
    kinds.push_back({"settings", {{"Vask97.ini", "[Options]\r\nPoolSort=Wins\r\n"}}, "Vask97.ini",
                     [](const fs::path& d) {
                         AppState state(d);
                         return Said(WriteSetting(state.Settings, keys::PoolSort, "WinPct"));
                     }});
    kinds.push_back({"sports box", {{"SportBox.Dat", std::string(20 * 100, ' ')}}, "SportBox.Dat",
                     [](const fs::path& d) {
                         SeasonBoxes boxes{};
                         boxes[0][0].OwnerNumber = 5;
                         return Said(SaveSportBox(AppState(d), boxes));
                     }});
    kinds.push_back({"box players", {{"SBPlayer.dat", std::string(20, ' ')}}, "SBPlayer.dat", [](const fs::path& d) {
                         return Said(SaveBoxPlayers(AppState(d), std::vector<BoxRecord>(2)));
                     }});
    kinds.push_back({"digital pool", {{"Digital.dat", std::string(20, ' ')}}, "Digital.dat", [](const fs::path& d) {
                         return Said(SaveDigitPlayers(AppState(d), std::vector<DigitRecord>(3)));
                     }});
    kinds.push_back({"text file", {{"TxtFiles/PStnd5.txt", "old\r\n"}}, "TxtFiles/PStnd5.txt",
                     [](const fs::path& d) {
                         return Said(WriteTextFile(AppState(d), {"PStnd5.txt", {"new", "lines"}, "Standings", ""}));
                     }});
    kinds.push_back({"web page", {{"Webpages/standing.htm", "<HTML>old</HTML>"}}, "Webpages/standing.htm",
                     [](const fs::path& d) {
                         WebPageOutput page;
                         page.Page = WebPageId::Standings;
                         page.FileName = "standing.htm";
                         page.Lines = PlainLines({"new"});
                         return Said(WriteWebPage(AppState(d), page));
                     }});
    kinds.push_back({"backup copy",
                     {{"Pool97.dat", Bytes(Member("Ann", 1, 9))}, {"backup/Pool97.dat", Bytes(Member("Ann", 1, 0))}},
                     "backup/Pool97.dat", [](const fs::path& d) {
                         const BackupResult r = BackUpDataFiles(d, d / "backup");
                         return r.Error ? r.Error->Description : std::string();
                     }});
    return kinds;
}

void Lay(const fs::path& folder, const std::map<std::string, std::string>& files) {
    for (const auto& [name, bytes] : files) {
        fs::create_directories((folder / name).parent_path());
        WriteFile(folder / name, bytes);
    }
}

// Every file under the folder with its bytes.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) files[fs::relative(e.path(), folder).generic_string()] = ReadFile(e.path());
    return files;
}

struct Call {
    SaveStep Step;
    std::string File;  // the file the step acts for
};

TEST(SaveFault, EveryStepOfEverySaveFailsCleanly) {
    for (const SaveKind& kind : Kinds()) {
        SCOPED_TRACE(kind.Name);
        // A save that goes through: its steps, and the file it leaves.
        TempDir clean;
        Lay(clean.path(), kind.Before);
        std::vector<Call> calls;
        {
            ScopedSaveFault count([&](SaveStep step, const fs::path& file) {
                calls.push_back({step, file.filename().string()});
                return 0;
            });
            ASSERT_EQ(kind.Save(clean.path()), "");
        }
        const std::string after = ReadFile(clean / kind.Target);
        ASSERT_NE(after, kind.Before.at(kind.Target));
        ASSERT_GE(calls.size(), 7u);

        const std::string targetName = fs::path(kind.Target).filename().string();
        bool renamed = false;  // the target already replaced before step k
        for (std::size_t k = 0; k < calls.size(); ++k) {
            SCOPED_TRACE("failing step " + std::to_string(k));
            TempDir dir;
            Lay(dir.path(), kind.Before);
            std::size_t seen = 0;
            std::string message;
            {
                ScopedSaveFault fail([&](SaveStep, const fs::path&) { return seen++ == k ? EIO : 0; });
                message = kind.Save(dir.path());
            }
            EXPECT_NE(message.find("\"" + targetName + "\""), std::string::npos) << message;
            EXPECT_NE(message.find(std::strerror(EIO)), std::string::npos) << message;

            // Nothing else changed, nothing was left behind; the target is the
            // old file, or, when only the folder flush after the rename failed,
            // already the whole new one.
            std::map<std::string, std::string> expected = kind.Before;
            if (renamed) expected[kind.Target] = after;
            EXPECT_EQ(Contents(dir.path()), expected);
            if (calls[k].Step == SaveStep::Rename && calls[k].File == targetName) renamed = true;
        }
    }
}

TEST(SaveFault, StaleTemporaryOfAKilledSaveIsRemovedByTheNextSave) {
    TempDir dir;
    WriteFile(dir / "Pool97.dat", "old");
    // A process number that cannot be running (above the kernel's limit).
    const std::string stale = "Pool97.dat.tmp-999999999-0123abcd";
    WriteFile(dir / stale, "half a save");
    // Temporaries of other files and names that only look alike are not ours to remove.
    WriteFile(dir / "Vask97.ini.tmp-999999999-0123abcd", "x");
    WriteFile(dir / "Pool97.dat.tmp-notes", "y");
    EXPECT_TRUE(IsSaveTemporary(stale));
    EXPECT_FALSE(IsSaveTemporary("Pool97.dat.tmp-notes"));
    EXPECT_FALSE(IsSaveTemporary("Pool97.dat"));

    ASSERT_TRUE(WriteFileAtomic(dir / "Pool97.dat", "new").ok());
    EXPECT_EQ(ReadFile(dir / "Pool97.dat"), "new");
    EXPECT_FALSE(fs::exists(dir / stale));
    EXPECT_TRUE(fs::exists(dir / "Vask97.ini.tmp-999999999-0123abcd"));
    EXPECT_TRUE(fs::exists(dir / "Pool97.dat.tmp-notes"));
}

}  // namespace
}  // namespace gm
