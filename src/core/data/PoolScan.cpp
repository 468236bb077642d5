#include "PoolScan.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FileIO.h"

namespace gm {

namespace {

constexpr std::size_t kRecordsPerRead = 256;

}  // namespace

Status ScanPool(AppState& state, const std::function<void(std::span<const MemberRecord>)>& block) {
    state.Members.clear();
    state.MemberCount = 0;
    const fs::path file = state.File(kPoolFileName);
    std::error_code ec;
    if (!fs::exists(file, ec)) return TouchFile(file);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!f) return Status::Error(FileErrorText("read", file, std::strerror(errno)));

    std::vector<std::uint8_t> bytes(kRecordsPerRead * kMemberRecordSize);
    std::vector<MemberRecord> members(kRecordsPerRead);
    std::size_t held = 0;  // bytes read, an incomplete record at most after decoding
    std::size_t records = 0;
    std::size_t handed = 0;
    for (;;) {
        const std::size_t n = std::fread(bytes.data() + held, 1, bytes.size() - held, f.get());
        held += n;
        const std::size_t whole = held / kMemberRecordSize;
        std::size_t decoded = 0;
        for (std::size_t i = 0; i < whole; ++i, ++records) {
            if (records >= static_cast<std::size_t>(kMaxMembers)) continue;
            DecodeMemberInto(std::span<const std::uint8_t, kMemberRecordSize>(bytes.data() + i * kMemberRecordSize,
                                                                               kMemberRecordSize),
                             members[decoded++]);
        }
        if (decoded > 0) block(std::span<const MemberRecord>(members.data(), decoded));
        handed += decoded;
        const std::size_t used = whole * kMemberRecordSize;
        std::memmove(bytes.data(), bytes.data() + used, held - used);
        held -= used;
        if (n == 0) break;
    }
    if (std::ferror(f.get())) {
        const int err = errno;
        return Status::Error(FileErrorText("read", file, std::strerror(err)));
    }
    state.MemberCount = static_cast<int>(handed);
    if (records > handed) {
        return Status::Warning("The pool file \"" + file.filename().string() + "\" holds " + std::to_string(records) +
                               " members; only the first " + std::to_string(kMaxMembers) +
                               " could be loaded. The others stay in the file unchanged.");
    }
    return Status::Ok();
}

}  // namespace gm
