#include <gtest/gtest.h>

#include "core/output/TextOutput.h"
#include "support/TempDir.h"

namespace gm {
namespace {

using test::ReadFile;
using test::TempDir;

TEST(CenterTitle66, PadsWithHalfTheRemainingColumns) {
    struct Case {
        std::string title;
        std::size_t blanks;
    };
    const std::vector<Case> cases = {
        {"", 33},
        {"Abc", 31},  // (66 - 3) / 2 rounds down
        {"Player Standings", 25},
        {"\xC2\xBD\xC2\xBD\xC2\xBD", 31},  // "½" is one character, not two bytes
        {std::string(66, 'x'), 0},
        {std::string(70, 'x'), 0},  // too long: no blanks, nothing cut
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CenterTitle66(c.title), std::string(c.blanks, ' ') + c.title) << c.title;
    }
}

TEST(TextFile, WritesWindows1252LinesEndingCrLfIntoTxtFiles) {
    TempDir dir;
    std::filesystem::create_directory(dir / "txtfiles");  // found whatever its letter case
    test::WriteFile(dir / "txtfiles" / "pstnd 5.txt", "an older, longer file that must go entirely");
    AppState state(dir.path());
    const auto workingFolder = std::filesystem::current_path();

    const auto message =
        WriteTextFile(state, {"PStnd 5.txt",
                              {"Player Standings", "", "Jos\xC3\xA9 3\xC2\xBD \xE2\x82\xAC \xE4\xB8\xAD"},
                              "Player Standings Text File",
                              ""});

    EXPECT_EQ(message.icon, OutputMessage::Icon::Information);
    EXPECT_EQ(message.Title, "Player Standings Text File");
    EXPECT_EQ(message.Text, "A text file named PStnd 5.txt was created.");
    // The old file was replaced under its own name; no second file appeared.
    EXPECT_EQ(ReadFile(dir / "txtfiles" / "pstnd 5.txt"), "Player Standings\r\n\r\nJos\xE9 3\xBD \x80 ?\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "txtfiles"), {}), 1);
    EXPECT_EQ(std::filesystem::current_path(), workingFolder);  // later saves still go to the data folder
}

TEST(TextFile, GoesToTheDataFolderWithoutTxtFiles) {
    TempDir dir;
    test::WriteFile(dir / "TxtFiles", "a file, not a folder");
    AppState state(dir.path());
    const auto message = WriteTextFile(state, {"Points.txt", {"x"}, "PF/PA  Text File", "custom words"});
    EXPECT_EQ(ReadFile(dir / "Points.txt"), "x\r\n");
    EXPECT_EQ(message.Text, "custom words");
}

TEST(TextFile, NameFromUserTextStaysInItsFolder) {
    TempDir dir;
    std::filesystem::create_directory(dir / "TxtFiles");
    AppState state(dir.path());
    const auto message = WriteTextFile(state, {"../Ari.txt", {"x"}, "t", ""});
    EXPECT_FALSE(std::filesystem::exists(dir / "Ari.txt"));
    EXPECT_EQ(ReadFile(dir / "TxtFiles" / ".._Ari.txt"), "x\r\n");
    EXPECT_EQ(message.Text, "A text file named .._Ari.txt was created.");
    EXPECT_EQ(SafeFileName(".."), "_");
    EXPECT_EQ(SafeFileName("a\\b"), "a_b");
}

TEST(TextFile, FailureIsReportedAndNothingIsLost) {
    // A folder in the way of the file: the save cannot replace it, even as root.
    TempDir dir;
    const auto blocker = dir / "Points.txt";
    std::filesystem::create_directory(blocker);
    test::WriteFile(blocker / "keep", "old");
    AppState state(dir.path());

    const auto message = WriteTextFile(state, {"Points.txt", {"new"}, "PF/PA  Text File", ""});

    EXPECT_TRUE(message.failed());
    EXPECT_EQ(message.Title, "PF/PA  Text File");
    EXPECT_NE(message.Text.find("Points.txt"), std::string::npos) << message.Text;
    EXPECT_EQ(ReadFile(blocker / "keep"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(ClipboardText, SameLinesAsTheFileStillUnicode) {
    EXPECT_EQ(ClipboardText({"T\xC2\xBD", "", "b"}), "T\xC2\xBD\r\n\r\nb\r\n");
    EXPECT_EQ(ClipboardText({}), "");
}

}  // namespace
}  // namespace gm
