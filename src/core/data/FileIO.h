#pragma once

#include <filesystem>
#include <functional>
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
// the same folder, is flushed to disk, and is then renamed over the target;
// the folder is flushed too, so the rename itself survives a power cut. On any
// failure before the rename the old file is left whole and the temporary is
// removed. Temporaries are named "<file>.tmp-<process>-<random>", a name no
// loader reads; one left behind by a process that was killed mid-save is
// removed by the next save of that file.
Status WriteFileAtomic(const fs::path& file, std::string_view bytes);

// Puts a finished file in place: flushes `from` to disk, renames it over `to`
// (same folder) and flushes the folder. When it fails before the rename,
// `from` is left for the caller.
Status ReplaceFile(const fs::path& from, const fs::path& to);

// The low-level steps of a save, in the order they are made.
enum class SaveStep { OpenFolder, CreateTemp, Write, SyncFile, CloseFile, Rename, SyncFolder };

// A test seam: when set, it is asked before every step and may make the step
// fail by returning an errno value (0 lets the step run). The program itself
// never sets it. It applies to the calling thread only.
using SaveFaultHook = std::function<int(SaveStep step, const fs::path& file)>;

class ScopedSaveFault {
public:
    explicit ScopedSaveFault(SaveFaultHook hook);
    ~ScopedSaveFault();
    ScopedSaveFault(const ScopedSaveFault&) = delete;
    ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;

private:
    SaveFaultHook previous_;
};

// True for the name of a save's temporary ("Pool97.dat.tmp-123-0a1b2c3d").
bool IsSaveTemporary(std::string_view fileName);

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
