#include "MenuRules.h"

namespace gm {
namespace {

constexpr std::string_view kWrongSeasonTitle = "Incorrect NFL Season";
constexpr std::string_view kWrongSeasonLead = "You need to have the 1997 NFL season opened";
constexpr std::string_view kNoPlayersTitle = "Insufficient # of Players";
constexpr std::string_view kNoPlayersLead = "You need to have at least one player in pool";

MenuRefusal WrongSeason(std::string_view line) {
    return {std::string(kWrongSeasonTitle), std::string(kWrongSeasonLead) + "\n" + std::string(line)};
}

}  // namespace

// Selections are always for the current season: against an archived season a
// display would grade this year's picks with another year's games.
bool GradesSelections(Display display) {
    const OpenRule rule = DisplayInfo(display).Rule;
    return rule == OpenRule::Grades || rule == OpenRule::MembersGrades || rule == OpenRule::Experts;
}

std::optional<MenuRefusal> CheckMenuCommand(const AppState& state, Display display) {
    const DisplayRow& row = DisplayInfo(display);
    if (!row.NoMembers.empty() && state.MemberCount <= 0)
        return MenuRefusal{std::string(kNoPlayersTitle),
                           std::string(kNoPlayersLead) + "\n" + std::string(row.NoMembers)};
    if (row.Rule == OpenRule::EntersSelections && !state.CurrentSeasonOpen)
        return WrongSeason("to enter player selections. ");
    if (GradesSelections(display) && !state.CurrentSeasonOpen)
        return WrongSeason("to view the pool displays. ");
    if (row.Rule == OpenRule::Experts && state.CurrentWeek < 4)
        return MenuRefusal{
            "Insufficient Data",
            "The Pool Experts cannot be considered Experts\nuntil the start of the 4th NFL week."};
    return std::nullopt;
}

}  // namespace gm
