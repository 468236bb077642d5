#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gm {

inline constexpr int kNameLength = 18;
inline constexpr int kStoredWeeks = 22;  // weeks 0 to 20 used; week 21 stored, always 0
inline constexpr int kStoredSlots = 16;  // slots 0 to 14 used; slot 15 stored, always 0
inline constexpr int kMemberRecordSize = 746;
inline constexpr int kMaxMembers = 32767;  // the member count is a 16-bit number

using WeekSlotBytes = std::array<std::array<std::uint8_t, kStoredSlots>, kStoredWeeks>;

struct MemberRecord {
    // UTF-8 in memory; 18 Windows-1252 bytes on disk, padded with blanks.
    // Trailing blanks read from the file are kept.
    std::string Name = std::string(kNameLength, ' ');
    WeekSlotBytes Picks{};       // [week index][slot]: team number chosen, 0 = none
    WeekSlotBytes Confidence{};  // [week index][slot]: confidence points, 0 = none
    std::int16_t PlayerNumber = 0;
    std::array<std::uint8_t, kStoredWeeks> Tiebreak{};  // per week: Monday-night entry, 0 = none

    // The name without the blanks around it, as displays show it.
    std::string TrimmedName() const;

    bool operator==(const MemberRecord&) const = default;
};

// Where the byte of (week, slot) lies inside the Picks or Confidence block:
// the blocks are stored slot by slot, all 22 weeks of slot 0 first.
constexpr int BlockOffset(int week, int slot) { return week + kStoredWeeks * slot; }

inline constexpr int kPicksOffset = 18;
inline constexpr int kConfidenceOffset = 370;
inline constexpr int kPlayerNumberOffset = 722;
inline constexpr int kTiebreakOffset = 724;

using MemberBytes = std::array<std::uint8_t, kMemberRecordSize>;

// `lossless` (when given) is set to false when the name held characters that
// Windows-1252 cannot store (they are written as '?').
MemberBytes EncodeMember(const MemberRecord& member, bool* lossless = nullptr);
MemberRecord DecodeMember(std::span<const std::uint8_t, kMemberRecordSize> bytes);
// The same into an existing record, reusing its storage.
void DecodeMemberInto(std::span<const std::uint8_t, kMemberRecordSize> bytes, MemberRecord& member);

// The name as stored: cut to 18 characters and padded with blanks.
std::string FitName(std::string_view utf8);

}  // namespace gm
