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
    text += file.parent_path().string();
    text += ": ";
    text += reason;
    return text;
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

}  // namespace

Status WriteFileAtomic(const fs::path& file, std::string_view bytes) {
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
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t n = -1;
        if (const int err = Step(SaveStep::Write, file, [&] {
                n = ::write(fd, bytes.data() + done, bytes.size() - done);
                return n >= 0 ? 0 : errno;
            }); err != 0) {
            if (err == EINTR) continue;
            return fail(err);
        }
        if (n == 0) return fail(ENOSPC);
        done += static_cast<std::size_t>(n);
    }
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

Status ReplaceFile(const fs::path& from, const fs::path& to) {
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
