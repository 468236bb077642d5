#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// The side games' files in the data folder (names matched without regard to case).
inline constexpr std::string_view kSportBoxFileName = "SportBox.Dat";
inline constexpr std::string_view kBoxPlayerFileName = "SBPlayer.dat";
inline constexpr std::string_view kDigitalFileName = "Digital.dat";

inline constexpr int kBoxRecordSize = 20;
inline constexpr int kBoxesPerWeek = 100;
inline constexpr int kBoxRecords = kWeeks * kBoxesPerWeek;  // 2,100 records, 42,000 bytes (1997 league)
inline constexpr int kDigitRecordSize = 20;

// One box of the Sports Box, or one Sports Box player: 18 Windows-1252
// characters of name, blank padded, then the owner's player number as a
// signed 16-bit little-endian number (0 = empty box).
struct BoxRecord {
    std::string OwnerName = std::string(kNameLength, ' ');  // UTF-8, always 18 characters
    int OwnerNumber = 0;

    std::string TrimmedName() const;
    bool Empty() const { return OwnerNumber == 0; }
    bool operator==(const BoxRecord&) const = default;
};

// The 100 boxes of one week and the boxes of the whole season (week index 0 to
// 20 in 1997, 0 to 21 in today's league; a 1997 season leaves the last empty).
using WeekBoxes = std::array<BoxRecord, kBoxesPerWeek>;
using SeasonBoxes = std::array<WeekBoxes, kMaxWeeks>;

// Where the record of a week's box starts in "SportBox.Dat" (week 1 to 21, or
// 22 in today's league; box 0 to 99).
constexpr std::size_t BoxOffset(int week, int box) {
    return static_cast<std::size_t>(((week - 1) * kBoxesPerWeek + box) * kBoxRecordSize);
}

// One Digital Pool player: 18 characters of name, the team number (a byte)
// and the count of digits the team had used when the file was written.
struct DigitRecord {
    std::string DigitName = std::string(kNameLength, ' ');  // UTF-8, always 18 characters
    int DigitTeam = 0;
    int DigitsUsed = 0;

    std::string TrimmedName() const;
    bool operator==(const DigitRecord&) const = default;
};

// The 20-byte records, field by field. A name of NUL bytes (a file made by
// another program) reads as blanks; names are cut or padded to 18 characters.
std::string EncodeBoxRecord(const BoxRecord& record);
BoxRecord DecodeBoxRecord(std::string_view bytes);  // exactly 20 bytes
std::string EncodeDigitRecord(const DigitRecord& record);
DigitRecord DecodeDigitRecord(std::string_view bytes);  // exactly 20 bytes

// The file holds `weeks` weeks: 21 (42,000 bytes) for a 1997 season, 22
// (44,000 bytes) for today's league.
std::string EncodeBoxes(const SeasonBoxes& boxes, int weeks = kWeeks);
// A short file leaves the missing boxes empty; bytes past the last record of
// `weeks` weeks are ignored, so a file of either size reads in either league.
SeasonBoxes DecodeBoxes(std::string_view bytes, int weeks = kWeeks);
std::string EncodeBoxPlayers(const std::vector<BoxRecord>& players);
std::vector<BoxRecord> DecodeBoxPlayers(std::string_view bytes);
std::string EncodeDigitPlayers(const std::vector<DigitRecord>& players);
std::vector<DigitRecord> DecodeDigitPlayers(std::string_view bytes);

// Readers (the Sports Box file as many weeks as the folder's league has): a
// missing file reads as empty (and is left missing until the
// first save); an incomplete last record is ignored.
Status LoadSportBox(const AppState& state, SeasonBoxes& boxes);
Status LoadBoxPlayers(const AppState& state, std::vector<BoxRecord>& players);
Status LoadDigitPlayers(const AppState& state, std::vector<DigitRecord>& players);

// Writers: each replaces its file whole through a temporary file of its own
// in the same folder, created empty, flushed and renamed over the file. A
// leftover "Temp.dat" is never read; on any failure the old file stays as it
// was and the status names the file and the reason.
Status SaveSportBox(const AppState& state, const SeasonBoxes& boxes);
Status SaveBoxPlayers(const AppState& state, const std::vector<BoxRecord>& players);
Status SaveDigitPlayers(const AppState& state, const std::vector<DigitRecord>& players);

}  // namespace gm
