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

std::string TempSuffix() {
    static thread_local std::mt19937 rng{std::random_device{}()};
    static const char* digits = "0123456789abcdef";
    std::string s = ".tmp-";
    for (int i = 0; i < 8; ++i) s += digits[rng() % 16];
    return s;
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

Status WriteFileAtomic(const fs::path& file, std::string_view bytes) {
    const fs::path temp = file.parent_path() / (file.filename().string() + TempSuffix());
    auto fail = [&](int err) {
        std::error_code ignore;
        fs::remove(temp, ignore);
        return Status::Error(FileErrorText("write", file, std::strerror(err)));
    };
    if (Status s = CheckReplaceable(file); !s) return s;
    std::error_code ec;
    const fs::file_status old = fs::status(file, ec);
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return Status::Error(FileErrorText("write", file, std::strerror(errno)));
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        const int err = errno;
        std::fclose(f);
        return fail(err);
    }
    if (std::fflush(f) != 0) {
        const int err = errno;
        std::fclose(f);
        return fail(err);
    }
#ifdef GM_POSIX
    if (::fsync(::fileno(f)) != 0 && errno != EINVAL) {
        const int err = errno;
        std::fclose(f);
        return fail(err);
    }
#endif
    if (std::fclose(f) != 0) return fail(errno);
    // The new file keeps the old one's permissions.
    if (fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, file, ec);
    if (ec) return fail(ec.value());
    return Status::Ok();
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
