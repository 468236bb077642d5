#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/OutputMessage.h"

namespace gm {

// A sub-folder of the data folder ("TxtFiles", "Webpages") when it exists (any
// letter case), otherwise the data folder itself.
fs::path OutputFolder(const AppState& state, std::string_view name);

// Folder that receives generated text files: "TxtFiles" in the data folder when
// it exists (any letter case), otherwise the data folder itself.
fs::path TextFolder(const AppState& state);

// A title centred in a 66-character line: (66 - length) / 2 blanks, then the
// title (no blanks when it is 66 characters or longer).
std::string CenterTitle66(std::string_view title);

// The display's lines as a text file: each line ends CR LF; Windows-1252 bytes
// (characters it cannot hold become '?').
std::string TextFileBytes(const std::vector<std::string>& lines);

// The same text for the clipboard, still UTF-8: each line followed by CR LF.
std::string ClipboardText(const std::vector<std::string>& lines);

// A file name built from user text (team abbreviations) kept inside its
// folder: path separators and control characters become '_', and "." or ".."
// become "_".
std::string SafeFileName(std::string_view name);

// The stem of a file name made from a team abbreviation of the settings file
// ("Ari" for "Ari.txt", each side of "Dal@Phi.htm"): only its ASCII letters
// and digits are kept, at most 64 of them, so that no separator, "..", blank
// or wildcard reaches the file system. When nothing usable is left, or what is
// left names a device of the original platform (CON, NUL, COM1, ...),
// `fallback` is used instead (the team's number, "Team7").
std::string SafeFileStem(std::string_view text, std::string_view fallback);

// A team's stem: its city abbreviation through SafeFileStem, with "Team" +
// the team number as the fallback. Every file named after teams uses it.
std::string TeamFileStem(const TeamTables& teams, int team);

// "A text file named " + fileName + " was created."
std::string TextFileConfirmation(std::string_view fileName);

// One display's text file.
struct TextFileOutput {
    std::string FileName;            // e.g. "PStnd5.txt" (week labels kept as shown)
    std::vector<std::string> Lines;  // UTF-8, no line ends
    std::string ConfirmTitle;        // e.g. "Player Standings Text File"
    std::string ConfirmText;         // empty: TextFileConfirmation(FileName)
};

// Writes the file into TextFolder() atomically, replacing a file of the same
// name in any letter case. Returns the confirmation (information icon) or, when
// the file cannot be written, a failure naming the file and the reason.
OutputMessage WriteTextFile(const AppState& state, const TextFileOutput& out);

// One display's clipboard text with the confirmation the display shows after
// putting it on the clipboard (Silent() for a display that confirms nothing).
struct ClipboardOutput {
    std::string Text;  // UTF-8; usually ClipboardText(lines)
    OutputMessage Confirmation;
};

}  // namespace gm
