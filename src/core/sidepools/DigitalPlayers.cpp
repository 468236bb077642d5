#include "DigitalPlayers.h"

namespace gm {

DigitalPlayers::DigitalPlayers(const AppState& state) : state_(state) {
    std::vector<DigitRecord> records;
    if (Status s = LoadDigitPlayers(state, records); !s) notes_.push_back(s.message);
    for (const DigitRecord& r : records) {
        if (r.TrimmedName().empty()) continue;
        if (!state.League().ValidTeam(r.DigitTeam))
            notes_.push_back("The player " + r.TrimmedName() + " has no valid team (number " +
                             std::to_string(r.DigitTeam) + "); choose one with Edit and Update.");
        entries_.push_back({r.DigitName, r.DigitTeam});
    }
}

std::string DigitalPlayers::Line(int row) const {
    const Entry& e = entries_[static_cast<std::size_t>(row)];
    return e.Name + "  " + state_.Teams.City(e.Team);
}

std::vector<std::string> DigitalPlayers::Lines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < Count(); ++i) lines.push_back(Line(i));
    return lines;
}

std::string DigitalPlayers::TrimmedName(int row) const {
    return DigitRecord{entries_[static_cast<std::size_t>(row)].Name}.TrimmedName();
}

std::vector<std::string> DigitalPlayers::TeamChoices() const {
    std::vector<std::string> teams;
    for (int t = 1; t <= state_.League().Teams; ++t) teams.push_back(state_.Teams.City(t));
    return teams;
}

DigitalPlayers::UpdateResult DigitalPlayers::Update(int row, std::string_view name, int team) {
    const std::string fitted = FitName(DigitRecord{std::string(name)}.TrimmedName());
    if (fitted.find_first_not_of(' ') == std::string::npos) return {};
    if (!state_.League().ValidTeam(team))
        return {-1, OutputMessage::Failure(std::string(dptext::NoTeamTitle), std::string(dptext::NoTeamText))};
    changed_ = true;
    if (row >= 0 && row < Count()) {
        entries_[static_cast<std::size_t>(row)] = {fitted, team};
        return {row, OutputMessage::Silent()};
    }
    entries_.push_back({fitted, team});
    return {Count() - 1, OutputMessage::Silent()};
}

void DigitalPlayers::Remove(int row) {
    if (row < 0 || row >= Count()) return;
    entries_.erase(entries_.begin() + row);
    changed_ = true;
}

std::string DigitalPlayers::DeleteQuestion(int row) const {
    return "Are you sure you want to delete " + TrimmedName(row) + " .\rNo record of the player will remain !";
}

Status DigitalPlayers::Save() {
    std::vector<DigitRecord> records;
    for (const Entry& e : entries_) records.push_back({e.Name, e.Team, 0});
    if (Status s = SaveDigitPlayers(state_, records); !s) return s;
    changed_ = false;
    return Status::Ok();
}

}  // namespace gm
