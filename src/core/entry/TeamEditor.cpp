#include "TeamEditor.h"

#include "core/data/Settings.h"
#include "core/data/TextCodec.h"

namespace gm {

namespace {

std::array<std::string, kMaxTeams + 1>& Table(TeamTables& t, int field) {
    switch (field) {
        case kCityField:
            return t.TeamCity;
        case kNameField:
            return t.TeamName;
        case kCityAbbrField:
            return t.TeamCityAbbr;
        default:
            return t.TeamNameAbbr;
    }
}

std::string_view Section(int field) {
    switch (field) {
        case kCityField:
            return keys::TeamCitySection;
        case kNameField:
            return keys::TeamNameSection;
        case kCityAbbrField:
            return keys::TeamCityAbbrSection;
        default:
            return keys::TeamNameAbbrSection;
    }
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::string PadRight(const std::string& s, std::size_t width) {
    const std::size_t length = Utf8Length(s);
    return length >= width ? s : s + std::string(width - length, ' ');
}

void ReloadInSaveOrder(AppState& state) {
    LoadTeamName(state);
    LoadTeamNameAbbr(state);
    LoadTeamCityAbbr(state);
    LoadTeamCity(state);
}

}  // namespace

std::size_t TeamFieldLimit(int field) {
    return field == kCityField || field == kNameField ? kTeamNameMax : kTeamAbbrMax;
}

std::string CleanTeamText(std::string_view typed, std::size_t limit) {
    return Utf8Left(Trim(typed), limit);
}

bool TeamNamesComplete(const TeamNames& typed) {
    for (const std::string& name : typed)
        if (Trim(name).empty()) return false;
    return true;
}

std::string TeamListLine(const TeamNames& n) {
    return PadRight(n[kCityField], 16) + PadRight(n[kCityAbbrField], 8) + PadRight(n[kNameField], 14) +
           n[kNameAbbrField];
}

TeamEditor::TeamEditor(const TeamTables& live, int teams) : edits_(live), teams_(teams) {}

TeamNames TeamEditor::Names(int team) const {
    return {edits_.City(team), edits_.Name(team), edits_.CityAbbr(team), edits_.NameAbbr(team)};
}

bool TeamEditor::Edit(int team, const TeamNames& typed) {
    if (team < 1 || team > teams_) return true;
    const TeamNames start = Names(team);
    bool lossless = true;
    for (int field = 0; field < 4; ++field) {
        const std::string clean = CleanTeamText(typed[field], TeamFieldLimit(field));
        bool fits = true;
        const std::string stored = Cp1252ToUtf8(Utf8ToCp1252(clean, &fits));
        lossless = lossless && fits;
        Table(edits_, field)[team] = stored;
        if (stored != start[field]) teamsChanged_ = true;
        // Blanks around a nickname count as a change even when the name is the same.
        if (field == kNameField && Trim(typed[field]) != typed[field]) teamsChanged_ = true;
    }
    return lossless;
}

Status TeamEditor::Save(AppState& state) {
    if (!teamsChanged_) return Status::Ok();
    for (int team = 1; team <= teams_; ++team) {
        for (int field = 0; field < 4; ++field) {
            const std::string& edited = Table(edits_, field)[team];
            if (edited == Table(state.Teams, field)[team]) continue;
            if (Status s = state.Settings.Write(Section(field), std::to_string(team), edited); !s) {
                ReloadInSaveOrder(state);
                return s;
            }
        }
    }
    ReloadInSaveOrder(state);
    teamsChanged_ = false;
    return Status::Ok();
}

Status TeamEditor::Reset(AppState& state) {
    Status result;
    for (std::string_view section : {keys::TeamNameSection, keys::TeamCitySection, keys::TeamCityAbbrSection,
                                     keys::TeamNameAbbrSection}) {
        if (Status s = state.Settings.DeleteSection(section); !s && result.ok()) result = s;
    }
    LoadTeamCity(state);
    LoadTeamName(state);
    LoadTeamNameAbbr(state);
    LoadTeamCityAbbr(state);
    return result;
}

std::string TeamCodePageText(int team, const TeamNames& stored) {
    return "Some characters typed for team " + std::to_string(team) +
           " cannot be kept in the settings file and are stored as \"?\":\n" + stored[kCityField] + " " +
           stored[kNameField] + " (" + stored[kCityAbbrField] + ", " + stored[kNameAbbrField] + ")";
}

}  // namespace gm
