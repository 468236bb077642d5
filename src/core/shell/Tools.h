#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/FileIO.h"

namespace gm {

// The three desktop tools of the Tools menu.
enum class DesktopTool { Notepad, Clipboard, Calculator };

// Programs that serve as the tool on a Linux desktop, most fitting first.
const std::vector<std::string_view>& ToolCandidates(DesktopTool tool);

// The first candidate found as an executable file in one of the folders of
// `pathList` (a PATH value, folders separated by ':').
std::optional<fs::path> FindTool(DesktopTool tool, std::string_view pathList);

inline constexpr std::string_view kToolMissingTitle = "Program Not Installed";
// What the stop box says when no candidate is installed.
std::string ToolMissingText(DesktopTool tool);

}  // namespace gm
