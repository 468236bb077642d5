#include "Settings.h"

#include <algorithm>

#include "PoolOptions.h"

namespace gm {

std::string ReadSetting(const IniFile& ini, const SettingKey& key) {
    return ini.Read(key.Section, key.Key, key.Default, key.Longest + 1);
}

std::string ReadSettingText(std::string_view bytes, const SettingKey& key) {
    return ReadProfileText(bytes, key.Section, key.Key, key.Default, key.Longest + 1);
}

Status WriteSetting(const IniFile& ini, const SettingKey& key, std::string_view value) {
    return ini.Write(key.Section, key.Key, value);
}

namespace {

// The settings file's bytes; one that cannot be read gives every default.
std::string SettingsBytes(const AppState& s) {
    std::string bytes;
    if (!ReadFileBytes(s.Settings.path(), bytes)) bytes.clear();
    return bytes;
}

}  // namespace

void ReadCurrentWeekFrom(AppState& s, std::string_view ini) {
    // Every window indexes its tables with the week; a stray value must not reach them.
    const long week = LeadingNumber(ReadSettingText(ini, keys::CurrentWeek));
    s.CurrentWeek = week >= 1 && week <= s.League().Weeks ? static_cast<int>(week) : 1;
}

void ReadCurrentWeek(AppState& s) { ReadCurrentWeekFrom(s, SettingsBytes(s)); }

void ReadSettings(AppState& s, long long screenColors) { ReadSettingsFrom(s, SettingsBytes(s), screenColors); }

void ReadSettingsFrom(AppState& s, std::string_view ini, long long screenColors) {
    s.PointSpreads = ReadSettingText(ini, keys::PointSpreads);
    s.PoolSort = ReadSettingText(ini, keys::PoolSort);
    s.MondayPts = ReadSettingText(ini, keys::MondayPts);
    s.MaxCPoints = ReadSettingText(ini, keys::MaxCPoints);
    s.TBMethod = ReadSettingText(ini, keys::TBMethod);
    s.SecondaryTB = ReadSettingText(ini, keys::SecondaryTB);
    s.PSEntrys = ReadSettingText(ini, keys::PSEntrys);

    ReadCurrentWeekFrom(s, ini);

    const long players = LeadingNumber(ReadSettingText(ini, keys::BoxPlayers));
    s.LastPlayerNumber = players >= 0 && players <= kMaxMembers ? static_cast<int>(players) : 0;
    // A counter behind the pool (settings file lost or replaced) would hand out
    // numbers members already hold; it continues from the highest one instead.
    for (int i = 0; i < s.MemberCount && i < static_cast<int>(s.Members.size()); ++i)
        s.LastPlayerNumber = std::max<int>(s.LastPlayerNumber, s.Members[i].PlayerNumber);

    long scheme = LeadingNumber(ReadSettingText(ini, keys::ColorScheme));
    if (scheme < 1 || scheme > 12) scheme = 1;
    if (screenColors == 256 && scheme > 6) scheme = 1;
    s.ColorScheme = static_cast<int>(scheme);

    s.Comment = ReadSettingText(ini, keys::Comment);
    s.Team = ReadSettingText(ini, keys::Team);
    s.GroupBy = ReadSettingText(ini, keys::GroupBy);
    s.Title = ReadSettingText(ini, keys::Title);
    s.Color = ReadSettingText(ini, keys::WebColor);
}

namespace {

void LoadTable(const AppState& s, std::string_view section, std::size_t longest,
               std::array<std::string, kMaxTeams + 1>& table, std::string_view DefaultTeam::*column) {
    const League& league = s.League();
    for (int n = 0; n <= league.Teams; ++n)
        table[n] = s.Settings.Read(section, std::to_string(n), league.TeamTable[n].*column, longest + 1);
}

}  // namespace

void LoadTeamName(AppState& s) {
    LoadTable(s, keys::TeamNameSection, keys::TeamNameLongest, s.Teams.TeamName, &DefaultTeam::Name);
}
void LoadTeamCity(AppState& s) {
    LoadTable(s, keys::TeamCitySection, keys::TeamNameLongest, s.Teams.TeamCity, &DefaultTeam::City);
}
void LoadTeamNameAbbr(AppState& s) {
    LoadTable(s, keys::TeamNameAbbrSection, keys::TeamAbbrLongest, s.Teams.TeamNameAbbr,
              &DefaultTeam::NameAbbr);
}
void LoadTeamCityAbbr(AppState& s) {
    LoadTable(s, keys::TeamCityAbbrSection, keys::TeamAbbrLongest, s.Teams.TeamCityAbbr,
              &DefaultTeam::CityAbbr);
}

void LoadTeamTables(AppState& s) {
    LoadTeamName(s);
    LoadTeamCity(s);
    LoadTeamNameAbbr(s);
    LoadTeamCityAbbr(s);
}

Status WriteCurrentWeek(const AppState& s) {
    return s.Settings.Write(keys::CurrentWeekWriteSection, keys::CurrentWeek.Key, std::to_string(s.CurrentWeek));
}

Status WriteLastPlayerNumber(const AppState& s) {
    return WriteSetting(s.Settings, keys::BoxPlayers, std::to_string(s.LastPlayerNumber));
}

}  // namespace gm
