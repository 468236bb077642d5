#include "TextOutput.h"

#include <system_error>

#include "core/data/TextCodec.h"

namespace gm {

fs::path OutputFolder(const AppState& state, std::string_view name) {
    std::error_code ec;
    const fs::path found = FindFile(state.DataFolder, name);
    if (fs::is_directory(found, ec)) return found;
    return state.DataFolder;
}

fs::path TextFolder(const AppState& state) {
    return OutputFolder(state, kTextFolder);
}

std::string CenterTitle66(std::string_view title) {
    const auto length = static_cast<long>(Utf8Length(title));
    const long blanks = length < 66 ? (66 - length) / 2 : 0;
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::string(title);
}

std::string ClipboardText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string TextFileBytes(const std::vector<std::string>& lines) {
    return Utf8ToCp1252(ClipboardText(lines));
}

std::string SafeFileName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
    }
    if (out.empty() || out == "." || out == "..") out = "_";
    return out;
}

namespace {

bool DeviceName(std::string_view stem) {
    std::string upper(stem);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '0' &&
           upper[3] <= '9';
}

}  // namespace

std::string SafeFileStem(std::string_view text, std::string_view fallback) {
    constexpr std::size_t kLongest = 64;
    std::string stem;
    for (const char c : text) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (kept && stem.size() < kLongest) stem += c;
    }
    if (stem.empty() || DeviceName(stem)) return std::string(fallback);
    return stem;
}

std::string TeamFileStem(const TeamTables& teams, int team) {
    return SafeFileStem(teams.CityAbbr(team), "Team" + std::to_string(team));
}

std::string TextFileConfirmation(std::string_view fileName) {
    return "A text file named " + std::string(fileName) + " was created.";
}

OutputMessage WriteTextFile(const AppState& state, const TextFileOutput& out) {
    const std::string name = SafeFileName(out.FileName);
    const Status written = WriteFileAtomic(FindFile(TextFolder(state), name), TextFileBytes(out.Lines));
    if (!written) return OutputMessage::Failure(out.ConfirmTitle, written.message);
    return OutputMessage::Confirm(out.ConfirmTitle,
                                  out.ConfirmText.empty() ? TextFileConfirmation(name) : out.ConfirmText);
}

}  // namespace gm
