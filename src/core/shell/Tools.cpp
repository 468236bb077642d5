#include "Tools.h"

#include <system_error>

namespace gm {

const std::vector<std::string_view>& ToolCandidates(DesktopTool tool) {
    static const std::vector<std::string_view> kNotepad{"gedit", "gnome-text-editor", "mousepad", "kate", "kwrite",
                                                        "xed", "pluma", "leafpad", "featherpad", "xedit"};
    static const std::vector<std::string_view> kClipboard{"xclipboard", "copyq", "diodon", "clipit", "parcellite"};
    static const std::vector<std::string_view> kCalculator{"gnome-calculator", "kcalc", "galculator",
                                                           "mate-calc", "qalculate-gtk", "xcalc"};
    switch (tool) {
        case DesktopTool::Notepad: return kNotepad;
        case DesktopTool::Clipboard: return kClipboard;
        case DesktopTool::Calculator: return kCalculator;
    }
    return kNotepad;
}

std::optional<fs::path> FindTool(DesktopTool tool, std::string_view pathList) {
    std::vector<fs::path> folders;
    std::size_t start = 0;
    while (start <= pathList.size()) {
        const std::size_t end = std::min(pathList.find(':', start), pathList.size());
        if (end > start) folders.emplace_back(std::string(pathList.substr(start, end - start)));
        start = end + 1;
    }
    for (std::string_view name : ToolCandidates(tool)) {
        for (const fs::path& folder : folders) {
            const fs::path candidate = folder / std::string(name);
            std::error_code ec;
            const auto st = fs::status(candidate, ec);
            if (ec || !fs::is_regular_file(st)) continue;
            if ((st.permissions() & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec)) ==
                fs::perms::none)
                continue;
            return candidate;
        }
    }
    return std::nullopt;
}

std::string ToolMissingText(DesktopTool tool) {
    std::string_view what = "Notepad";
    if (tool == DesktopTool::Clipboard) what = "Clipboard";
    if (tool == DesktopTool::Calculator) what = "Calculator";
    // The programs looked for, so the user knows what to install.
    std::string tried;
    for (std::string_view name : ToolCandidates(tool)) tried += (tried.empty() ? "" : ", ") + std::string(name);
    return "You Need to Install the " + std::string(what) + " Application in your Windows Directory\n\n(any of: " +
           tried + ")";
}

}  // namespace gm
