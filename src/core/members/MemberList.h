#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// Alphabetical order without regard to letter case, as the members list and the
// selections window's member chooser keep their entries.
bool NameLess(std::string_view a, std::string_view b);

// Record indexes of the members in that alphabetical order (equal names keep
// their table order).
std::vector<int> AlphabeticalMemberOrder(const AppState& state);

// The name as the pool file can hold it: characters outside Windows-1252
// become '?'. `lossless` is set to false when that happened.
std::string StorableName(std::string_view utf8, bool* lossless);

// One line of the members list: the name shown and where the member came from.
struct MemberEntry {
    std::string Name;
    // Index in Members of the record the entry came from; an entry added while
    // the window is open gets an index at or beyond the member count of the
    // opening, so it can never be mistaken for an existing member.
    int Tag = 0;
};

// The members window's working copy: the list of names, kept sorted, which
// replaces the pool file on save. The member table itself is not touched until
// then, so discarding needs no restore.
class MemberList {
public:
    explicit MemberList(const AppState& state);

    const std::vector<MemberEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Changed() const { return changed_; }

    // Adds a new member's name; returns the position where the list placed it.
    int Add(std::string_view name);
    // The name of a listed member that `name`, as the pool file would store
    // it, equals without regard to letter case; empty when there is none.
    std::string SameNameAs(std::string_view name) const;
    // Replaces the entry's name keeping its tag; the changed flag is set only
    // when the text differs from the entry's trimmed name. Returns the new position.
    int Rename(int position, std::string_view name);
    void Remove(int position);

    // The records the pool file is rebuilt from, in list order: existing
    // members copied whole with the new name, new members all zero with the
    // next player numbers. `lastPlayerNumber` is advanced for each new member.
    // Fails (without changing anything) when the 16-bit counter runs out.
    Status BuildRecords(const AppState& state, int& lastPlayerNumber, std::vector<MemberRecord>& out) const;

    // Rebuilds "Pool97.dat" from the list and stores the player-number counter.
    // On failure the pool file, the member table and LastPlayerNumber stay as
    // they were (apart from a counter that could not be written to the
    // settings after the pool was saved: then `poolSaved` is true).
    Status Save(AppState& state, bool* poolSaved = nullptr);

private:
    int Insert(MemberEntry entry);

    std::vector<MemberEntry> entries_;
    int savedCount_ = 0;  // MemberCount when the window opened
    int nextTag_ = 0;
    bool changed_ = false;
};

// Texts of the members windows.
namespace membertext {
inline constexpr std::string_view DeleteTitle = "Delete Player";
inline constexpr std::string_view CancelTitle = "Cancel Player Editing";
inline constexpr std::string_view CancelText =
    "The Players File has been changed.\nWould you like to save these changes?";
inline constexpr std::string_view NameTitle = "Player Name";
inline constexpr std::string_view SaveFailedTitle = "Players Not Saved";
inline constexpr std::string_view SameNameTitle = "Name Already In Pool";
}  // namespace membertext

// Asked before adding a name a member already has, in any letter case.
std::string SameNameQuestion(std::string_view typed, std::string_view existing);

// The delete confirmation: "Are you sure you want to delete <name> ." ...
std::string DeleteMemberQuestion(std::string_view name);
// Told when a name holds characters the pool file cannot store.
std::string UnstorableNameText(std::string_view typed, std::string_view stored);

}  // namespace gm
