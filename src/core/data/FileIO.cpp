#include "FileIO.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#define GM_POSIX 1
#endif

namespace gm {
namespace {

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

thread_local SaveFaultHook saveFault;

// Runs one step of a save unless the test seam makes it fail; returns 0 or an errno value.
template <typename Call>
int Step(SaveStep step, const fs::path& file, Call&& call) {
    if (saveFault) {
        if (const int injected = saveFault(step, file); injected != 0) return injected;
    }
    return call();
}

constexpr std::string_view kTempMark = ".tmp-";

std::string TempName(const fs::path& file) {
    static thread_local std::mt19937 rng{std::random_device{}()};
    static const char* digits = "0123456789abcdef";
    std::string s = file.filename().string();
    s += kTempMark;
#ifdef GM_POSIX
    s += std::to_string(::getpid());
#else
    s += '0';
#endif
    s += '-';
    for (int i = 0; i < 8; ++i) s += digits[rng() % 16];
    return s;
}

// The process number inside a temporary's name, or -1.
long TempOwner(std::string_view name) {
    const std::size_t mark = name.rfind(kTempMark);
    if (mark == std::string_view::npos) return -1;
    const std::string_view rest = name.substr(mark + kTempMark.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || rest.size() - dash - 1 != 8) return -1;
    long pid = 0;
    for (char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 100000000) return -1;
        pid = pid * 10 + (c - '0');
    }
    for (char c : rest.substr(dash + 1))
        if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
    return pid;
}

// Temporaries of this file left by a process that no longer runs (killed in
// the middle of a save). Those of a running process are its save in progress.
void RemoveStaleTemporaries(const fs::path& file) {
    const std::string prefix = file.filename().string() + std::string(kTempMark);
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0 || !IsSaveTemporary(name)) continue;
        const long owner = TempOwner(name);
#ifdef GM_POSIX
        if (owner == ::getpid() || ::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH) continue;
#endif
        std::error_code ignore;
        fs::remove(it->path(), ignore);
    }
}

}  // namespace

std::string FileErrorText(std::string_view verb, const fs::path& file, std::string_view reason) {
    std::string text = "Cannot ";
    text += verb;
    text += " \"";
    text += file.filename().string();
    text += "\" in ";
    // A name given relative to the working folder still says which folder.
    std::error_code ec;
    const fs::path whole = file.is_relative() ? fs::absolute(file, ec) : file;
    text += (ec ? file : whole).parent_path().string();
    text += ": ";
    text += reason;
    return text;
}

Status ResolveSaveTarget(const fs::path& file, SaveTarget& target) {
    const auto loop = [&] {
        return Status::Error(FileErrorText("write", file,
                                           std::make_error_code(std::errc::too_many_symbolic_link_levels).message() +
                                               " (the links lead round in a circle)"));
    };
    // What the path finally is, as the system sees it. A pipe or device is
    // opened by the name given: the system's own links to them
    // ("/dev/stdout", "/proc/self/fd/1") name no file a walk could follow.
    std::error_code ec;
    const fs::file_status final = fs::status(file, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        if (ec == std::errc::too_many_symbolic_link_levels) return loop();
        return Status::Error(FileErrorText("write", file, ec.message()));
    }
    if (final.type() == fs::file_type::directory) {
        target = {file, SaveTarget::Kind::Folder};
        return Status::Ok();
    }
    if (final.type() != fs::file_type::not_found && final.type() != fs::file_type::regular) {
        target = {file, SaveTarget::Kind::Special};
        return Status::Ok();
    }
    // A file, or nothing yet: the links are walked to the name to replace or create.
    constexpr int kMaxLinks = 40;  // as many as the system follows
    fs::path at = file;
    for (int links = 0;; ++links) {
        const fs::file_status st = fs::symlink_status(at, ec);
        if (st.type() == fs::file_type::not_found) {
            target = {at, SaveTarget::Kind::Missing};
            return Status::Ok();
        }
        if (ec) return Status::Error(FileErrorText("write", file, ec.message()));
        if (st.type() != fs::file_type::symlink) {
            target.File = at;
            target.What = st.type() == fs::file_type::regular     ? SaveTarget::Kind::Regular
                          : st.type() == fs::file_type::directory ? SaveTarget::Kind::Folder
                                                                  : SaveTarget::Kind::Special;
            return Status::Ok();
        }
        if (links == kMaxLinks) return loop();
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) return Status::Error(FileErrorText("write", file, ec.message()));
        // A relative link names a file beside the link, not beside the caller.
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
}

fs::path FindFile(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    const fs::path exact = folder / std::string(name);
    if (fs::exists(exact, ec)) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameNameNoCase(it->path().filename().string(), name)) return it->path();
    }
    return exact;
}

Status ReadFileBytes(const fs::path& file, std::string& out, bool* missing) {
    out.clear();
    if (missing) *missing = false;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        if (missing) *missing = true;
        return Status::Ok();
    }
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) return Status::Error(FileErrorText("read", file, std::strerror(errno)));
    // Room for the whole file at once (it may still grow while being read).
    if (const auto size = fs::file_size(file, ec); !ec) out.reserve(static_cast<std::size_t>(size));
    char buf[1 << 16];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) return Status::Error(FileErrorText("read", file, std::strerror(err)));
    return Status::Ok();
}

Status CheckReplaceable(const fs::path& file) {
#ifdef GM_POSIX
    // A file the user made read-only stays as it is, as it would on Windows;
    // replacing it through the folder would get round that.
    std::error_code ec;
    if (fs::is_regular_file(file, ec) && ::access(file.c_str(), W_OK) != 0)
        return Status::Error(FileErrorText("write", file, std::strerror(errno)));
#else
    (void)file;
#endif
    return Status::Ok();
}

#ifdef GM_POSIX

namespace {

// Flushes the folder so that a rename in it is on disk; the folder was opened beforehand.
int SyncFolder(int folder, const fs::path& file) {
    // Some file systems cannot flush a folder (EINVAL); their renames are as durable as they get.
    return Step(SaveStep::SyncFolder, file, [&] { return ::fsync(folder) == 0 || errno == EINVAL ? 0 : errno; });
}

int OpenFolder(const fs::path& file, int& folder) {
    const fs::path dir = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    return Step(SaveStep::OpenFolder, file, [&] {
        folder = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return folder >= 0 ? 0 : errno;
    });
}

std::string SyncFolderFailure(const fs::path& file, int err) {
    return FileErrorText("write", file, std::string(std::strerror(err)) +
                                            " (the folder could not be flushed: the new contents may not be on disk)");
}

// Writes all of `bytes` to `fd`; 0 or an errno value.
int WriteAll(int fd, const fs::path& file, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t n = -1;
        if (const int err = Step(SaveStep::Write, file, [&] {
                n = ::write(fd, bytes.data() + done, bytes.size() - done);
                return n >= 0 ? 0 : errno;
            }); err != 0) {
            if (err == EINTR) continue;
            return err;
        }
        if (n == 0) return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// A pipe, device or socket: there is no file to keep whole, and a rename
// would put a plain file in its place (and its reader would get nothing).
Status WriteInPlace(const fs::path& file, std::string_view bytes) {
    int fd = -1;
    // A pipe's open waits for its reader, as a shell's redirection does.
    if (const int err = Step(SaveStep::OpenTarget, file, [&] {
            do fd = ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
            while (fd < 0 && errno == EINTR);
            return fd >= 0 ? 0 : errno;
        }); err != 0)
        return Status::Error(FileErrorText("write", file, std::strerror(err)));
    int err = WriteAll(fd, file, bytes);
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    if (err != 0) return Status::Error(FileErrorText("write", file, std::strerror(err)));
    return Status::Ok();
}

// Temporary, flush, rename over `file` (already resolved), folder flush.
Status WriteReplacing(const fs::path& file, std::string_view bytes) {
    if (Status s = CheckReplaceable(file); !s) return s;
    int folder = -1;
    if (const int err = OpenFolder(file, folder); err != 0)
        return Status::Error(FileErrorText("write", file, std::strerror(err)));
    RemoveStaleTemporaries(file);
    const fs::path temp = file.parent_path() / TempName(file);
    int fd = -1;
    const auto fail = [&](int err) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        ::close(folder);
        return Status::Error(FileErrorText("write", file, std::strerror(err)));
    };
    if (const int err = Step(SaveStep::CreateTemp, file, [&] {
            fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd >= 0 ? 0 : errno;
        }); err != 0) {
        ::close(folder);  // nothing was created
        return Status::Error(FileErrorText("write", file, std::strerror(err)));
    }
    // The new file keeps the old one's permissions.
    std::error_code ec;
    if (const fs::file_status old = fs::status(file, ec); fs::is_regular_file(old))
        (void)::fchmod(fd, static_cast<mode_t>(old.permissions() & fs::perms::mask));
    if (const int err = WriteAll(fd, file, bytes); err != 0) return fail(err);
    if (const int err = Step(SaveStep::SyncFile, file, [&] { return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno; });
        err != 0)
        return fail(err);
    if (const int err = Step(SaveStep::CloseFile, file, [&] {
            const int r = ::close(fd);
            fd = -1;
            return r == 0 ? 0 : errno;
        }); err != 0)
        return fail(err);
    if (const int err = Step(SaveStep::Rename, file, [&] { return ::rename(temp.c_str(), file.c_str()) == 0 ? 0 : errno; });
        err != 0)
        return fail(err);
    const int synced = SyncFolder(folder, file);
    ::close(folder);
    if (synced != 0) return Status::Error(SyncFolderFailure(file, synced));
    return Status::Ok();
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    const auto folderOf = [](const fs::path& p) { return p.parent_path().empty() ? fs::path(".") : p.parent_path(); };
    std::error_code ec;
    return fs::equivalent(folderOf(a), folderOf(b), ec);
}

// Renames `from` over `to` (resolved, in the same folder) once both are on disk.
Status RenameInto(const fs::path& from, const fs::path& to) {
    int folder = -1;
    if (const int err = OpenFolder(to, folder); err != 0)
        return Status::Error(FileErrorText("replace", to, std::strerror(err)));
    // The contents reach the disk before the new name does, or a power cut
    // could leave the name on an empty file.
    if (const int err = Step(SaveStep::SyncFile, to, [&] {
            const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) return errno;
            const int synced = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
            ::close(fd);
            return synced;
        }); err != 0) {
        ::close(folder);
        return Status::Error(FileErrorText("replace", to, std::strerror(err)));
    }
    if (const int err = Step(SaveStep::Rename, to, [&] { return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno; });
        err != 0) {
        ::close(folder);
        return Status::Error(FileErrorText("replace", to, std::strerror(err)));
    }
    const int synced = SyncFolder(folder, to);
    ::close(folder);
    if (synced != 0) return Status::Error(SyncFolderFailure(to, synced));
    return Status::Ok();
}

}  // namespace

Status WriteFileAtomic(const fs::path& file, std::string_view bytes) {
    SaveTarget target;
    if (Status s = ResolveSaveTarget(file, target); !s) return s;
    switch (target.What) {
    case SaveTarget::Kind::Folder:
        return Status::Error(FileErrorText("write", target.File, std::strerror(EISDIR)));
    case SaveTarget::Kind::Special:
        return WriteInPlace(target.File, bytes);
    case SaveTarget::Kind::Missing:
    case SaveTarget::Kind::Regular:
        break;
    }
    return WriteReplacing(target.File, bytes);
}

Status ReplaceFile(const fs::path& from, const fs::path& to) {
    SaveTarget target;
    if (Status s = ResolveSaveTarget(to, target); !s) return s;
    if (target.What == SaveTarget::Kind::Folder)
        return Status::Error(FileErrorText("replace", target.File, std::strerror(EISDIR)));
    std::error_code ec;
    if (target.What != SaveTarget::Kind::Special && fs::is_regular_file(fs::symlink_status(from, ec)) &&
        SameFolder(from, target.File))
        return RenameInto(from, target.File);
    // Elsewhere (a linked file in another folder, perhaps on another disk, or
    // a pipe): the contents go there by the one writer, and `from` is done with.
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(from, bytes, &missing); !s) return s;
    if (missing) return Status::Error(FileErrorText("read", from, std::strerror(ENOENT)));
    if (Status s = WriteFileAtomic(target.File, bytes); !s) return s;
    ::unlink(from.c_str());
    return Status::Ok();
}

#else

// Without POSIX calls: the standard library's file and rename, without the folder flush.
Status WriteFileAtomic(const fs::path& file, std::string_view bytes) {
    if (Status s = CheckReplaceable(file); !s) return s;
    RemoveStaleTemporaries(file);
    const fs::path temp = file.parent_path() / TempName(file);
    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f) return Status::Error(FileErrorText("write", file, std::strerror(errno)));
    const bool written = (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size()) &&
                         std::fflush(f) == 0;
    const int err = errno;
    std::error_code ignore;
    if (std::fclose(f) != 0 || !written) {
        fs::remove(temp, ignore);
        return Status::Error(FileErrorText("write", file, std::strerror(written ? errno : err)));
    }
    Status replaced = ReplaceFile(temp, file);
    if (!replaced) fs::remove(temp, ignore);
    return replaced;
}

Status ReplaceFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return Status::Ok();
    return Status::Error(FileErrorText("replace", to, ec.message()));
}

#endif

ScopedSaveFault::ScopedSaveFault(SaveFaultHook hook) : previous_(std::move(saveFault)) {
    saveFault = std::move(hook);
}

ScopedSaveFault::~ScopedSaveFault() {
    saveFault = std::move(previous_);
}

bool IsSaveTemporary(std::string_view fileName) {
    return TempOwner(fileName) >= 0;
}

Status TouchFile(const fs::path& file) {
    std::error_code ec;
    if (fs::exists(file, ec)) return Status::Ok();
    return WriteFileAtomic(file, {});
}

Status CopyFileAtomic(const fs::path& from, const fs::path& to) {
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(from, bytes, &missing); !s) return s;
    if (missing) return Status::Error(FileErrorText("read", from, "No such file or directory"));
    return WriteFileAtomic(to, bytes);
}

}  // namespace gm
