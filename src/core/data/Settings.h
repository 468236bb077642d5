#pragma once

#include <string>
#include <string_view>

#include "AppState.h"
#include "Status.h"

namespace gm {

// One key of "Vask97.ini": where it lives, its default, and the longest value
// the program reads (the read buffer is one larger).
struct SettingKey {
    std::string_view Section;
    std::string_view Key;
    std::string_view Default;
    std::size_t Longest;
};

namespace keys {
inline constexpr SettingKey PointSpreads{"Options", "PointSpreads", "No", 4};
inline constexpr SettingKey PoolSort{"Options", "PoolSort", "Confidence", 10};
inline constexpr SettingKey MondayPts{"Options", "MondayPts", "TotalPoints", 16};
inline constexpr SettingKey MaxCPoints{"Options", "MaxCPoints", "GamesPlayed", 13};
inline constexpr SettingKey TBMethod{"Options", "TBMethod", "MonGame", 18};
inline constexpr SettingKey SecondaryTB{"Options", "SecondaryTB", "Monday", 10};
inline constexpr SettingKey PSEntrys{"Options", "PSEntrys", "Underdog", 14};
// Read from "Gridmoot", written to "GridMoot": one section, since names ignore case.
inline constexpr SettingKey CurrentWeek{"Gridmoot", "CurrentWeek", "1", 3};
inline constexpr std::string_view CurrentWeekWriteSection = "GridMoot";
inline constexpr SettingKey BoxPlayers{"SportsBox", "BoxPlayers", "0", 8};
inline constexpr SettingKey ColorScheme{"Colors", "Color", "1", 3};
inline constexpr SettingKey Comment{"Picksheets", "Comment", "Pick Sheets are due by Friday, Noon", 148};
inline constexpr SettingKey Team{"Picksheets", "Team", "City", 8};
inline constexpr SettingKey GroupBy{"Picksheets", "GroupBy", "FavUnd", 13};
inline constexpr SettingKey Title{"WebPage", "Title", "The Acme Office Pool", 34};
inline constexpr SettingKey WebColor{"WebPage", "Color", "BW", 6};
inline constexpr SettingKey APSort{"AllPicks", "APSort", "Names", 13};
inline constexpr SettingKey PrintCopies{"AllPicks", "PrintCopies", "Active", 13};

inline constexpr std::string_view TeamCitySection = "Team Location";
inline constexpr std::string_view TeamNameSection = "Team Names";
inline constexpr std::string_view TeamCityAbbrSection = "Team City Abr";
inline constexpr std::string_view TeamNameAbbrSection = "Team Name Abr";
inline constexpr std::size_t TeamNameLongest = 16;
inline constexpr std::size_t TeamAbbrLongest = 4;
}  // namespace keys

std::string ReadSetting(const IniFile& ini, const SettingKey& key);
// The same key read from the settings file's bytes.
std::string ReadSettingText(std::string_view bytes, const SettingKey& key);
Status WriteSetting(const IniFile& ini, const SettingKey& key, std::string_view value);

// Reads every start-up setting into the state, in the order the main window
// reads them. `screenColors` is the display's colour count: on a 256-colour
// display a team scheme (7 to 12) falls back to scheme 1. Numbers out of their
// range fall back to their defaults (week 1, scheme 1). The player-number
// counter never stays below a number a loaded member already holds.
void ReadSettings(AppState& state, long long screenColors);
// The same from the settings file's bytes (ReadSettings reads the file once and calls it).
void ReadSettingsFrom(AppState& state, std::string_view bytes, long long screenColors);
// The current week alone, 1 to the season's last week (1 for a value outside
// them); loading a season of today's league reads it again, since settings
// read before the season knew only the 1997 weeks.
void ReadCurrentWeek(AppState& state);
void ReadCurrentWeekFrom(AppState& state, std::string_view bytes);

// The four team-name loaders, each filling its table from its section with
// the built-in names as defaults.
void LoadTeamName(AppState& state);
void LoadTeamCity(AppState& state);
void LoadTeamNameAbbr(AppState& state);
void LoadTeamCityAbbr(AppState& state);
// All four, in the order the main window uses: names, cities, name and city abbreviations.
void LoadTeamTables(AppState& state);

// Shutdown writes the week the organiser was on.
Status WriteCurrentWeek(const AppState& state);
// The player-number counter shared by the members window and the Sports Box.
Status WriteLastPlayerNumber(const AppState& state);

}  // namespace gm
