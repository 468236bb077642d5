#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "Status.h"

namespace gm {

namespace fs = std::filesystem;

// The file called `name` in `folder`, found without regard to letter case
// ("1997.NFL" and "1997.nfl" are one file). When none exists, folder / name.
fs::path FindFile(const fs::path& folder, std::string_view name);

// Reads the whole file. A missing file is not an error: `out` is empty and
// `*missing` (when given) is set.
Status ReadFileBytes(const fs::path& file, std::string& out, bool* missing = nullptr);

// Replaces the file by `bytes` atomically: the data goes to a temporary file in
// the same folder, is flushed to disk, and is then renamed over the target. On
// any failure the old file is left whole and the temporary is removed.
Status WriteFileAtomic(const fs::path& file, std::string_view bytes);

// An error naming the file when it exists but may not be written (read-only);
// saves check it before replacing the file.
Status CheckReplaceable(const fs::path& file);

// Creates an empty file when none exists (the original program created missing
// data files on first open).
Status TouchFile(const fs::path& file);

// Copies a file, atomically at the destination.
Status CopyFileAtomic(const fs::path& from, const fs::path& to);

// "Cannot write "Pool97.dat": Permission denied" style text.
std::string FileErrorText(std::string_view verb, const fs::path& file, std::string_view reason);

}  // namespace gm
