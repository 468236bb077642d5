#include "SideFiles.h"

#include <algorithm>

#include "core/data/TextCodec.h"

namespace gm {
namespace {

std::string Trimmed(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

std::string EncodeName(const std::string& utf8) {
    std::string bytes = Utf8ToCp1252(FitName(utf8));
    bytes.resize(kNameLength, ' ');
    return bytes;
}

std::string DecodeName(std::string_view bytes) {
    std::string raw(bytes.substr(0, kNameLength));
    // Files from other tools pad with NULs.
    std::replace(raw.begin(), raw.end(), '\0', ' ');
    return Cp1252ToUtf8(raw);
}

template <typename Record, typename Decode>
std::vector<Record> DecodeAll(std::string_view bytes, int size, Decode decode) {
    std::vector<Record> out;
    for (std::size_t at = 0; at + size <= bytes.size(); at += size) out.push_back(decode(bytes.substr(at, size)));
    return out;
}

// A missing file reads as empty. It is not created: opening a window and
// closing it again leaves the data folder as it was; the first save makes it.
Status LoadBytes(const AppState& state, std::string_view name, std::string& bytes) {
    return ReadFileBytes(state.File(name), bytes);
}

}  // namespace

std::string BoxRecord::TrimmedName() const { return Trimmed(OwnerName); }
std::string DigitRecord::TrimmedName() const { return Trimmed(DigitName); }

std::string EncodeBoxRecord(const BoxRecord& r) {
    std::string out = EncodeName(r.OwnerName);
    const auto number = static_cast<std::uint16_t>(static_cast<std::int16_t>(r.OwnerNumber));
    out += static_cast<char>(number & 0xFF);
    out += static_cast<char>(number >> 8);
    return out;
}

BoxRecord DecodeBoxRecord(std::string_view b) {
    BoxRecord r;
    r.OwnerName = DecodeName(b);
    const auto lo = static_cast<std::uint8_t>(b[kNameLength]);
    const auto hi = static_cast<std::uint8_t>(b[kNameLength + 1]);
    r.OwnerNumber = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    return r;
}

std::string EncodeDigitRecord(const DigitRecord& r) {
    std::string out = EncodeName(r.DigitName);
    out += static_cast<char>(static_cast<std::uint8_t>(r.DigitTeam));
    out += static_cast<char>(static_cast<std::uint8_t>(r.DigitsUsed));
    return out;
}

DigitRecord DecodeDigitRecord(std::string_view b) {
    DigitRecord r;
    r.DigitName = DecodeName(b);
    r.DigitTeam = static_cast<std::uint8_t>(b[kNameLength]);
    r.DigitsUsed = static_cast<std::uint8_t>(b[kNameLength + 1]);
    return r;
}

std::string EncodeBoxes(const SeasonBoxes& boxes, int weeks) {
    weeks = std::clamp(weeks, 0, kMaxWeeks);
    std::string out;
    out.reserve(static_cast<std::size_t>(weeks * kBoxesPerWeek * kBoxRecordSize));
    for (int w = 0; w < weeks; ++w)
        for (const BoxRecord& box : boxes[static_cast<std::size_t>(w)]) out += EncodeBoxRecord(box);
    return out;
}

SeasonBoxes DecodeBoxes(std::string_view bytes, int weeks) {
    SeasonBoxes boxes{};
    weeks = std::clamp(weeks, 0, kMaxWeeks);
    for (int w = 1; w <= weeks; ++w) {
        for (int b = 0; b < kBoxesPerWeek; ++b) {
            const std::size_t at = BoxOffset(w, b);
            if (at + kBoxRecordSize > bytes.size()) return boxes;
            boxes[w - 1][b] = DecodeBoxRecord(bytes.substr(at, kBoxRecordSize));
        }
    }
    return boxes;
}

std::string EncodeBoxPlayers(const std::vector<BoxRecord>& players) {
    std::string out;
    for (const BoxRecord& p : players) out += EncodeBoxRecord(p);
    return out;
}

std::vector<BoxRecord> DecodeBoxPlayers(std::string_view bytes) {
    return DecodeAll<BoxRecord>(bytes, kBoxRecordSize, DecodeBoxRecord);
}

std::string EncodeDigitPlayers(const std::vector<DigitRecord>& players) {
    std::string out;
    for (const DigitRecord& p : players) out += EncodeDigitRecord(p);
    return out;
}

std::vector<DigitRecord> DecodeDigitPlayers(std::string_view bytes) {
    return DecodeAll<DigitRecord>(bytes, kDigitRecordSize, DecodeDigitRecord);
}

Status LoadSportBox(const AppState& state, SeasonBoxes& boxes) {
    std::string bytes;
    const Status s = LoadBytes(state, kSportBoxFileName, bytes);
    boxes = DecodeBoxes(bytes, state.League().Weeks);
    return s;
}

Status LoadBoxPlayers(const AppState& state, std::vector<BoxRecord>& players) {
    std::string bytes;
    const Status s = LoadBytes(state, kBoxPlayerFileName, bytes);
    players = DecodeBoxPlayers(bytes);
    return s;
}

Status LoadDigitPlayers(const AppState& state, std::vector<DigitRecord>& players) {
    std::string bytes;
    const Status s = LoadBytes(state, kDigitalFileName, bytes);
    players = DecodeDigitPlayers(bytes);
    return s;
}

Status SaveSportBox(const AppState& state, const SeasonBoxes& boxes) {
    return WriteFileAtomic(state.File(kSportBoxFileName), EncodeBoxes(boxes, state.League().Weeks));
}

Status SaveBoxPlayers(const AppState& state, const std::vector<BoxRecord>& players) {
    return WriteFileAtomic(state.File(kBoxPlayerFileName), EncodeBoxPlayers(players));
}

Status SaveDigitPlayers(const AppState& state, const std::vector<DigitRecord>& players) {
    return WriteFileAtomic(state.File(kDigitalFileName), EncodeDigitPlayers(players));
}

}  // namespace gm
