#include "MemberRecord.h"

#include <algorithm>
#include <cstring>

#include "TextCodec.h"

namespace gm {

std::string MemberRecord::TrimmedName() const {
    const auto first = Name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = Name.find_last_not_of(' ');
    return Name.substr(first, last - first + 1);
}

std::string FitName(std::string_view utf8) {
    std::string name = Utf8Left(utf8, kNameLength);
    name.append(kNameLength - Utf8Length(name), ' ');
    return name;
}

MemberBytes EncodeMember(const MemberRecord& m, bool* lossless) {
    MemberBytes b{};
    std::string name = Utf8ToCp1252(m.Name, lossless);
    name.resize(kNameLength, ' ');
    std::memcpy(&b[0], name.data(), kNameLength);
    for (int w = 0; w < kStoredWeeks; ++w) {
        for (int g = 0; g < kStoredSlots; ++g) {
            b[kPicksOffset + BlockOffset(w, g)] = m.Picks[w][g];
            b[kConfidenceOffset + BlockOffset(w, g)] = m.Confidence[w][g];
        }
    }
    const auto number = static_cast<std::uint16_t>(m.PlayerNumber);
    b[kPlayerNumberOffset] = static_cast<std::uint8_t>(number & 0xFF);
    b[kPlayerNumberOffset + 1] = static_cast<std::uint8_t>(number >> 8);
    for (int w = 0; w < kStoredWeeks; ++w) b[kTiebreakOffset + w] = m.Tiebreak[w];
    return b;
}

void DecodeMemberInto(std::span<const std::uint8_t, kMemberRecordSize> b, MemberRecord& m) {
    const std::string_view name(reinterpret_cast<const char*>(b.data()), kNameLength);
    // Plain ASCII is the same in both encodings: copied into the name's own storage.
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        m.Name.assign(name);
    else
        m.Name = Cp1252ToUtf8(name);
    for (int g = 0; g < kStoredSlots; ++g) {
        for (int w = 0; w < kStoredWeeks; ++w) {
            m.Picks[w][g] = b[kPicksOffset + BlockOffset(w, g)];
            m.Confidence[w][g] = b[kConfidenceOffset + BlockOffset(w, g)];
        }
    }
    m.PlayerNumber = static_cast<std::int16_t>(
        static_cast<std::uint16_t>(b[kPlayerNumberOffset] | (b[kPlayerNumberOffset + 1] << 8)));
    std::memcpy(m.Tiebreak.data(), b.data() + kTiebreakOffset, kStoredWeeks);
}

MemberRecord DecodeMember(std::span<const std::uint8_t, kMemberRecordSize> b) {
    MemberRecord m;
    DecodeMemberInto(b, m);
    return m;
}

}  // namespace gm
