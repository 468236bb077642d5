#include "PoolFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace gm {

std::string EncodePool(std::span<const MemberRecord> members) {
    std::string out;
    out.reserve(members.size() * kMemberRecordSize);
    for (const MemberRecord& m : members) {
        const MemberBytes b = EncodeMember(m);
        out.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return out;
}

namespace {

// Decodes whole records onto the member table up to the most it can hold;
// `records` counts every whole record seen, loaded or not.
void AppendRecords(std::vector<MemberRecord>& members, const std::uint8_t* data, std::size_t count,
                   std::size_t& records) {
    for (std::size_t i = 0; i < count; ++i, ++records) {
        if (records >= static_cast<std::size_t>(kMaxMembers)) continue;
        DecodeMemberInto(std::span<const std::uint8_t, kMemberRecordSize>(data + i * kMemberRecordSize, kMemberRecordSize),
                         members.emplace_back());
    }
}

Status Loaded(AppState& state, std::size_t records, std::string_view fileName) {
    state.MemberCount = static_cast<int>(state.Members.size());
    return PoolOverflowWarning(fileName, records);
}

// Asks the system to back a large member table with large pages where it
// can: the table of the largest pool spans thousands of small pages, and
// touching each for the first time costs more than decoding into it.
void PreferLargePages(const void* data, std::size_t bytes) {
#ifdef __linux__
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kLargePage - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

// Records read and decoded per block: the file is never held whole beside
// the member table, which for the largest pool would double the memory a
// load needs.
constexpr std::size_t kRecordsPerRead = 256;

}  // namespace

Status PoolOverflowWarning(std::string_view fileName, std::size_t records) {
    if (records <= static_cast<std::size_t>(kMaxMembers)) return Status::Ok();
    return Status::Warning("The pool file \"" + std::string(fileName) + "\" holds " + std::to_string(records) +
                           " members; only the first " + std::to_string(kMaxMembers) +
                           " could be loaded. The others stay in the file unchanged.");
}

Status ReadPoolRecords(const fs::path& file,
                       const std::function<void(const std::uint8_t* records, std::size_t count)>& whole) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return TouchFile(file);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!f) return Status::Error(FileErrorText("read", file, std::strerror(errno)));
    std::vector<std::uint8_t> block(kRecordsPerRead * kMemberRecordSize);
    std::size_t held = 0;  // bytes in the block, an incomplete record at most after handing on
    for (;;) {
        const std::size_t n = std::fread(block.data() + held, 1, block.size() - held, f.get());
        held += n;
        const std::size_t count = held / kMemberRecordSize;
        if (count > 0) whole(block.data(), count);
        const std::size_t used = count * kMemberRecordSize;
        std::memmove(block.data(), block.data() + used, held - used);
        held -= used;
        if (n == 0) break;
    }
    if (std::ferror(f.get())) return Status::Error(FileErrorText("read", file, std::strerror(errno)));
    return Status::Ok();
}

Status LoadPool(AppState& state) {
    state.Members.clear();
    state.MemberCount = 0;
    const fs::path file = state.File(kPoolFileName);
    std::error_code ec;
    if (const auto size = fs::file_size(file, ec); !ec) {
        state.Members.reserve(static_cast<std::size_t>(
            std::min<std::uintmax_t>(size / kMemberRecordSize, static_cast<std::uintmax_t>(kMaxMembers))));
        PreferLargePages(state.Members.data(), state.Members.capacity() * sizeof(MemberRecord));
    }
    std::size_t records = 0;
    const Status read = ReadPoolRecords(
        file, [&](const std::uint8_t* data, std::size_t count) { AppendRecords(state.Members, data, count, records); });
    if (!read || read.isWarning()) {
        state.Members.clear();
        return read;
    }
    return Loaded(state, records, file.filename().string());
}

Status LoadPoolBytes(AppState& state, std::string_view bytes, std::string_view fileName) {
    state.Members.clear();
    state.MemberCount = 0;
    const std::size_t count = bytes.size() / kMemberRecordSize;
    state.Members.reserve(std::min<std::size_t>(count, kMaxMembers));
    std::size_t records = 0;
    AppendRecords(state.Members, reinterpret_cast<const std::uint8_t*>(bytes.data()), count, records);
    return Loaded(state, records, fileName);
}

Status SavePool(const AppState& state) {
    const fs::path file = state.File(kPoolFileName);
    std::string bytes;
    // A pipe or device has no bytes of its own to keep, and reading a pipe
    // would wait for a writer that is this very save.
    SaveTarget resolved;
    if (Status s = ResolveSaveTarget(file, resolved); !s) return s;
    if (resolved.What != SaveTarget::Kind::Special)
        if (Status s = ReadFileBytes(file, bytes); !s) return s;
    const std::string records =
        EncodePool(std::span(state.Members.data(),
                             std::min(state.Members.size(), static_cast<std::size_t>(std::max(state.MemberCount, 0)))));
    if (bytes.size() < records.size()) bytes.resize(records.size());
    std::memcpy(bytes.data(), records.data(), records.size());
    return WriteFileAtomic(file, bytes);
}

Status RebuildPool(AppState& state, std::span<const MemberRecord> records) {
    const fs::path temp = state.File(kPoolTempFileName);
    const fs::path target = state.File(kPoolFileName);
    if (Status s = CheckReplaceable(target); !s) return s;
    SaveTarget resolved;
    if (Status s = ResolveSaveTarget(target, resolved); !s) return s;
    if (resolved.What == SaveTarget::Kind::Folder)
        return Status::Error(FileErrorText("replace", resolved.File, std::strerror(EISDIR)));
    if (resolved.What == SaveTarget::Kind::Special) {
        // A pipe or device in the pool file's place takes the records as they
        // are; there is no file to replace, and reading it back would give
        // other bytes (or wait for a writer), so the table is the records.
        const std::string bytes = EncodePool(records);
        if (Status s = WriteFileAtomic(target, bytes); !s) return s;
        state.MembersChanged = false;
        return LoadPoolBytes(state, bytes, target.filename().string());
    }
    if (Status s = WriteFileAtomic(temp, EncodePool(records)); !s) {
        // The user knows the pool file, not its temporary twin: name the pool file.
        std::error_code ec;
        fs::remove(temp, ec);
        const std::string prefix = FileErrorText("write", temp, "");
        if (s.message.starts_with(prefix))
            return Status::Error(FileErrorText("replace", target, s.message.substr(prefix.size())));
        return s;
    }
    if (Status s = ReplaceFile(temp, target); !s) {
        std::error_code ec;
        fs::remove(temp, ec);
        return s;
    }
    state.MembersChanged = false;
    return LoadPool(state);
}

int IssuePlayerNumber(AppState& state) {
    if (state.LastPlayerNumber >= kMaxMembers) return 0;
    return ++state.LastPlayerNumber;
}

}  // namespace gm
