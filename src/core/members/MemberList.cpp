#include "MemberList.h"

#include <algorithm>
#include <numeric>

#include "core/data/PoolFile.h"
#include "core/data/Settings.h"
#include "core/data/TextCodec.h"

namespace gm {
namespace {

char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::string TrimRight(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

// Windows-1252 text in one letter case, for names that differ only in case.
std::string FoldedName(std::string_view utf8) {
    // Compared as stored: cut to the record's 18 characters, blanks trimmed.
    std::string bytes = Utf8ToCp1252(Trim(FitName(utf8)), nullptr);
    for (char& c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            c = static_cast<char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)  // Š Œ Ž
            c = static_cast<char>(b + 0x10);
        else if (b == 0x9F)  // Ÿ
            c = static_cast<char>(0xFF);
    }
    return bytes;
}

}  // namespace

bool NameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Fold(x)) < static_cast<unsigned char>(Fold(y));
    });
}

std::vector<int> AlphabeticalMemberOrder(const AppState& state) {
    std::vector<int> order(static_cast<std::size_t>(state.MemberCount));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return NameLess(state.Members[static_cast<std::size_t>(a)].Name,
                        state.Members[static_cast<std::size_t>(b)].Name);
    });
    return order;
}

std::string StorableName(std::string_view utf8, bool* lossless) {
    return Cp1252ToUtf8(Utf8ToCp1252(utf8, lossless));
}

MemberList::MemberList(const AppState& state) : savedCount_(state.MemberCount), nextTag_(state.MemberCount) {
    // Every record is listed, a blank name included: a record left out of the
    // list would be dropped from the file on save, selections and all.
    for (int i = 0; i < state.MemberCount; ++i)
        Insert({TrimRight(state.Members[static_cast<std::size_t>(i)].Name), i});
}

int MemberList::Insert(MemberEntry entry) {
    const auto at = std::upper_bound(
        entries_.begin(), entries_.end(), entry.Name,
        [](const std::string& name, const MemberEntry& e) { return NameLess(name, e.Name); });
    const auto pos = at - entries_.begin();
    entries_.insert(at, std::move(entry));
    return static_cast<int>(pos);
}

int MemberList::Add(std::string_view name) {
    changed_ = true;
    return Insert({std::string(name), nextTag_++});
}

std::string MemberList::SameNameAs(std::string_view name) const {
    const std::string wanted = FoldedName(name);
    if (wanted.empty()) return {};
    for (const MemberEntry& e : entries_)
        if (FoldedName(e.Name) == wanted) return Trim(e.Name);
    return {};
}

int MemberList::Rename(int position, std::string_view name) {
    MemberEntry entry = entries_.at(static_cast<std::size_t>(position));
    if (name != Trim(entry.Name)) changed_ = true;
    entries_.erase(entries_.begin() + position);
    entry.Name = std::string(name);
    return Insert(std::move(entry));
}

void MemberList::Remove(int position) {
    entries_.erase(entries_.begin() + position);
    changed_ = true;
}

Status MemberList::BuildRecords(const AppState& state, int& lastPlayerNumber,
                                std::vector<MemberRecord>& out) const {
    std::vector<MemberRecord> records;
    records.reserve(entries_.size());
    int last = lastPlayerNumber;
    for (const MemberEntry& e : entries_) {
        MemberRecord r;
        if (e.Tag >= 0 && e.Tag < savedCount_ && e.Tag < static_cast<int>(state.Members.size())) {
            r = state.Members[static_cast<std::size_t>(e.Tag)];
        } else {
            if (last >= kMaxMembers)
                return Status::Error("No more player numbers can be issued (the last one is " +
                                     std::to_string(last) + ").");
            r.PlayerNumber = static_cast<std::int16_t>(++last);
        }
        r.Name = FitName(e.Name);
        records.push_back(std::move(r));
    }
    out = std::move(records);
    lastPlayerNumber = last;
    return Status::Ok();
}

Status MemberList::Save(AppState& state, bool* poolSaved) {
    if (poolSaved) *poolSaved = false;
    int last = state.LastPlayerNumber;
    std::vector<MemberRecord> records;
    if (Status s = BuildRecords(state, last, records); !s) return s;
    if (Status s = RebuildPool(state, records); !s) return s;
    if (poolSaved) *poolSaved = true;
    changed_ = false;
    state.MembersChanged = false;
    state.LastPlayerNumber = last;
    return WriteLastPlayerNumber(state);
}

std::string DeleteMemberQuestion(std::string_view name) {
    return "Are you sure you want to delete " + Trim(name) + " ." + "\n" +
           "No record of the player will remain !";
}

std::string SameNameQuestion(std::string_view typed, std::string_view existing) {
    const std::string name = Trim(FitName(typed));
    if (name == existing)
        return "There is already a member named \"" + name + "\".\nAdd another member with the same name?";
    return "\"" + name + "\" differs from the member \"" + std::string(existing) +
           "\" only in letter case.\nAdd \"" + name + "\" as another member?";
}

std::string UnstorableNameText(std::string_view typed, std::string_view stored) {
    return "The name \"" + std::string(typed) +
           "\" has characters the players file cannot store.\nIt will be saved as \"" + std::string(stored) +
           "\".";
}

}  // namespace gm
