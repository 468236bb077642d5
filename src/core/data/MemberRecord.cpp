#include "MemberRecord.h"

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

MemberRecord DecodeMember(std::span<const std::uint8_t, kMemberRecordSize> b) {
    MemberRecord m;
    m.Name = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(b.data()), kNameLength));
    for (int w = 0; w < kStoredWeeks; ++w) {
        for (int g = 0; g < kStoredSlots; ++g) {
            m.Picks[w][g] = b[kPicksOffset + BlockOffset(w, g)];
            m.Confidence[w][g] = b[kConfidenceOffset + BlockOffset(w, g)];
        }
    }
    m.PlayerNumber = static_cast<std::int16_t>(
        static_cast<std::uint16_t>(b[kPlayerNumberOffset] | (b[kPlayerNumberOffset + 1] << 8)));
    for (int w = 0; w < kStoredWeeks; ++w) m.Tiebreak[w] = b[kTiebreakOffset + w];
    return m;
}

}  // namespace gm
