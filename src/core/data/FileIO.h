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

// What a save of a path writes to. Symbolic links are followed to the file
// they finally name (a relative link against the link's own folder), so that
// a save changes the linked file and the link stays; a link that names
// nothing yet gives the file the save creates.
struct SaveTarget {
    enum class Kind {
        Missing,  // nothing there yet: the save creates it
        Regular,  // a file, replaced whole
        Special,  // a pipe, device or socket: written as it is, never replaced
        Folder,   // refused
    };
    fs::path File;
    Kind What = Kind::Missing;
};

// Resolves `file` as a save would; a loop of links (or one too long) is an
// error naming `file`.
Status ResolveSaveTarget(const fs::path& file, SaveTarget& target);

// Replaces the file by `bytes` atomically: the data goes to a temporary file in
// the same folder, is flushed to disk, and is then renamed over the target;
// the folder is flushed too, so the rename itself survives a power cut. On any
// failure before the rename the old file is left whole and the temporary is
// removed. Temporaries are named "<file>.tmp-<process>-<random>", a name no
// loader reads; one left behind by a process that was killed mid-save is
// removed by the next save of that file.
// The target is resolved first (ResolveSaveTarget): through a link the linked
// file is replaced, in its own folder; a pipe or device is opened and written
// directly, with no temporary and no rename; a folder is refused.
Status WriteFileAtomic(const fs::path& file, std::string_view bytes);

// Puts a finished file in place: flushes `from` to disk, renames it over `to`
// (same folder) and flushes the folder. `to` is resolved as by
// WriteFileAtomic: when it ends in another folder, or in a pipe or device,
// the contents of `from` are written there and `from` is removed. When it
// fails before the target changes, `from` is left for the caller.
Status ReplaceFile(const fs::path& from, const fs::path& to);

// The low-level steps of a save, in the order they are made. A pipe or
// device target is opened (OpenTarget) and written (Write) only.
enum class SaveStep { OpenFolder, CreateTemp, Write, SyncFile, CloseFile, Rename, SyncFolder, OpenTarget };

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
