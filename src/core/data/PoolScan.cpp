#include "PoolScan.h"

#include <cstdint>
#include <vector>

#include "FileIO.h"
#include "PoolFile.h"

namespace gm {

Status ScanPool(AppState& state, const std::function<void(std::span<const MemberRecord>)>& block) {
    state.Members.clear();
    state.MemberCount = 0;
    const fs::path file = state.File(kPoolFileName);
    std::vector<MemberRecord> members;
    std::size_t records = 0;
    std::size_t handed = 0;
    const Status read = ReadPoolRecords(file, [&](const std::uint8_t* data, std::size_t count) {
        if (members.size() < count) members.resize(count);
        std::size_t decoded = 0;
        for (std::size_t i = 0; i < count; ++i, ++records) {
            if (records >= static_cast<std::size_t>(kMaxMembers)) continue;
            DecodeMemberInto(
                std::span<const std::uint8_t, kMemberRecordSize>(data + i * kMemberRecordSize, kMemberRecordSize),
                members[decoded++]);
        }
        if (decoded > 0) block(std::span<const MemberRecord>(members.data(), decoded));
        handed += decoded;
    });
    if (!read || read.isWarning()) return read;
    state.MemberCount = static_cast<int>(handed);
    return PoolOverflowWarning(file.filename().string(), records);
}

}  // namespace gm
