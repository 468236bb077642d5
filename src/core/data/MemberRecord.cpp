#include "MemberRecord.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

namespace {

// The Picks or Confidence block of a record (stored slot by slot) into the
// member's [week][slot] table.
void UnblockWeeks(const std::uint8_t* block, WeekSlotBytes& out) {
#if defined(__SSE2__)
    static_assert(kStoredSlots == 16 && kStoredWeeks >= 16 && kStoredWeeks <= 32);
    // Two 16 x 16 transposes, of weeks 0 to 15 and of the last 16 weeks (the
    // weeks in both are written twice, the same bytes). Each step interleaves
    // rows i and i + 8, which rotates a byte's (row, column) bits by one;
    // four steps swap rows and columns.
    for (const int first : {0, kStoredWeeks - 16}) {
        __m128i v[16];
#pragma GCC unroll 16
        for (int g = 0; g < 16; ++g)
            v[g] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + BlockOffset(first, g)));
#pragma GCC unroll 4
        for (int step = 0; step < 4; ++step) {
            __m128i o[16];
#pragma GCC unroll 8
            for (int i = 0; i < 8; ++i) {
                o[2 * i] = _mm_unpacklo_epi8(v[i], v[i + 8]);
                o[2 * i + 1] = _mm_unpackhi_epi8(v[i], v[i + 8]);
            }
#pragma GCC unroll 16
            for (int i = 0; i < 16; ++i) v[i] = o[i];
        }
#pragma GCC unroll 16
        for (int w = 0; w < 16; ++w) _mm_storeu_si128(reinterpret_cast<__m128i*>(out[first + w].data()), v[w]);
    }
#else
    for (int g = 0; g < kStoredSlots; ++g)
        for (int w = 0; w < kStoredWeeks; ++w) out[w][g] = block[BlockOffset(w, g)];
#endif
}

}  // namespace

void DecodeMemberInto(std::span<const std::uint8_t, kMemberRecordSize> b, MemberRecord& m) {
    const std::string_view name(reinterpret_cast<const char*>(b.data()), kNameLength);
    // Plain ASCII is the same in both encodings: copied into the name's own storage.
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        m.Name.assign(name);
    else
        m.Name = Cp1252ToUtf8(name);
    UnblockWeeks(b.data() + kPicksOffset, m.Picks);
    UnblockWeeks(b.data() + kConfidenceOffset, m.Confidence);
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
