#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// Locations and nicknames are cut to 13 characters, abbreviations to 3.
inline constexpr std::size_t kTeamNameMax = 13;
inline constexpr std::size_t kTeamAbbrMax = 3;

// The four names of a team, in the order of the edit dialog's boxes.
enum TeamField { kCityField = 0, kNameField = 1, kCityAbbrField = 2, kNameAbbrField = 3 };
using TeamNames = std::array<std::string, 4>;

std::size_t TeamFieldLimit(int field);

// A typed name as it is kept: surrounding blanks removed, cut to `limit` characters.
std::string CleanTeamText(std::string_view typed, std::size_t limit);

// Whether every one of the four typed names holds more than blanks. A name
// left blank would give the team an empty name in every display, so the edit
// dialog keeps its OK off until all four are filled.
bool TeamNamesComplete(const TeamNames& typed);

// A team's line in the editor's list: location padded to 16 characters, city
// abbreviation to 8, nickname to 14, then the nickname abbreviation.
std::string TeamListLine(const TeamNames& names);

inline constexpr std::string_view kTeamsChangedText = "The NFL Locations have been changed.";
inline constexpr std::string_view kTeamsChangedTitle = "Cancel NFL Team Editing";
inline constexpr std::string_view kResetTeamsTitle = "Reset NFL Team Data";
inline constexpr std::string_view kResetTeamsText =
    "Would you like to reset the NFL Team Names back to their original state?";
inline constexpr std::string_view kTeamHintTitle = "Correctly Capitalizing Names";
inline constexpr std::string_view kTeamHintText =
    "Do not use all capital letters when editing names. On many reports, the home team is capitalized. "
    "You would not also want to show the Away Team in capital letters.";
inline constexpr std::string_view kTeamCodePageTitle = "NFL Team Names";

// The team editor's working copy of the four name tables. The live tables
// stay as they are until Save.
class TeamEditor {
public:
    // `teams`: the league's number of teams (30 in 1997, 32 today).
    explicit TeamEditor(const TeamTables& live, int teams = kTeams);

    TeamNames Names(int team) const;
    std::string Line(int team) const { return TeamListLine(Names(team)); }
    bool TeamsChanged() const { return teamsChanged_; }

    // Keeps what was typed in the four boxes for `team`. The settings file
    // holds Windows-1252 text, so a character it cannot hold is kept as "?"
    // right away; the result is false when that happened (the user is told).
    bool Edit(int team, const TeamNames& typed);

    // Writes every name that differs from the live tables, key by key, then
    // reloads the live tables from the settings file. Nothing happens without
    // changes. On a failed write the live tables are reloaded (so they match
    // the file) and the working copy is kept for another try.
    Status Save(AppState& state);

    // Removes the four name sections from the settings file and reloads the
    // built-in names.
    static Status Reset(AppState& state);

private:
    TeamTables edits_;
    int teams_;
    bool teamsChanged_ = false;
};

std::string TeamCodePageText(int team, const TeamNames& stored);

}  // namespace gm
