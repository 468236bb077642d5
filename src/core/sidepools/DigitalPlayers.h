#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/OutputMessage.h"
#include "core/sidepools/SideFiles.h"

namespace gm {

namespace dptext {
inline constexpr std::string_view Caption = "Digital Pool Players";
inline constexpr std::string_view DeleteTitle = "Delete Player";
inline constexpr std::string_view CancelTitle = "Cancel Player Editing";
inline constexpr std::string_view CancelText =
    "The Players File has been changed.\r\nWould you like to save these changes?";
inline constexpr std::string_view NoTeamTitle = "Assign Team to Player";
inline constexpr std::string_view NoTeamText = "Choose the player's team in \"Assign Team to Player\" first.";
inline constexpr std::string_view SaveFailedTitle = "Digital Pool Not Saved";
inline constexpr std::string_view LoadTitle = "The Digital Pool";
}  // namespace dptext

// The Digital Pool player editor's working copy: one entry per player with a
// name, in file order; "Digital.dat" is rebuilt from it on OK.
class DigitalPlayers {
public:
    struct Entry {
        std::string Name;  // 18 characters, blank padded
        int Team = 0;      // a team of the league; another value only when the file held it
    };

    // Reads "Digital.dat"; records with a blank name are left out.
    explicit DigitalPlayers(const AppState& state);
    const std::vector<std::string>& LoadNotes() const { return notes_; }

    const std::vector<Entry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // The name in 18 characters, two blanks, then the team's city.
    std::string Line(int row) const;
    std::vector<std::string> Lines() const;
    std::string TrimmedName(int row) const;

    // The team box: TeamCity of the league's teams (item i is team i + 1).
    std::vector<std::string> TeamChoices() const;

    // Update: replaces entry `row` (editing) or appends (row < 0). The name is
    // held to 18 characters; a blank name or no team (0) is refused with the
    // message to show. Returns the entry's row, -1 when refused.
    struct UpdateResult {
        int Row = -1;
        OutputMessage Message;
    };
    UpdateResult Update(int row, std::string_view name, int team);
    void Remove(int row);

    // "Are you sure you want to delete <name> ." CR "No record of the player will remain !"
    std::string DeleteQuestion(int row) const;

    bool Changed() const { return changed_; }
    // OK: "Digital.dat" rebuilt from the entries.
    Status Save();

private:
    const AppState& state_;
    std::vector<std::string> notes_;
    std::vector<Entry> entries_;
    bool changed_ = false;
};

}  // namespace gm
