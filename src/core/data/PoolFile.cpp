#include "PoolFile.h"

#include <algorithm>
#include <cstring>

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

Status LoadPool(AppState& state) {
    state.Members.clear();
    state.MemberCount = 0;
    const fs::path file = state.File(kPoolFileName);
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(file, bytes, &missing); !s) return s;
    if (missing) return TouchFile(file);
    return LoadPoolBytes(state, bytes, file.filename().string());
}

Status LoadPoolBytes(AppState& state, std::string_view bytes, std::string_view fileName) {
    state.Members.clear();
    state.MemberCount = 0;
    const std::size_t records = bytes.size() / kMemberRecordSize;
    const std::size_t loaded = std::min<std::size_t>(records, kMaxMembers);
    state.Members.reserve(loaded);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    for (std::size_t i = 0; i < loaded; ++i) {
        state.Members.push_back(
            DecodeMember(std::span<const std::uint8_t, kMemberRecordSize>(data + i * kMemberRecordSize, kMemberRecordSize)));
    }
    state.MemberCount = static_cast<int>(loaded);
    if (records > loaded) {
        return Status::Warning("The pool file \"" + std::string(fileName) + "\" holds " + std::to_string(records) +
                               " members; only the first " + std::to_string(kMaxMembers) +
                               " could be loaded. The others stay in the file unchanged.");
    }
    return Status::Ok();
}

Status SavePool(const AppState& state) {
    const fs::path file = state.File(kPoolFileName);
    std::string bytes;
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
