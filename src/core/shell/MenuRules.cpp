#include "MenuRules.h"

#include <array>
#include <utility>

namespace gm {
namespace {

constexpr std::string_view kWrongSeasonTitle = "Incorrect NFL Season";
constexpr std::string_view kWrongSeasonLead = "You need to have the 1997 NFL season opened";
constexpr std::string_view kNoPlayersTitle = "Insufficient # of Players";
constexpr std::string_view kNoPlayersLead = "You need to have at least one player in pool";

// Pool displays that show nothing without members, and the line that says why.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kNeedMembers{{
    {"frmStats", "to use the Player Statpak. "},
    {"frmPAnalyze", "to use the Player Analyst. "},
    {"frmPGraph", "to view Player Graphs. "},
    {"frmPoolRoom", "to enter the Pool Room. "},
    {"frmOddEnd", "to use the Pool Analyst. "},
    {"frmExpert", "to view the Pool Experts. "},
    {"frmPicks", "to enter player selections. "},
}};

// Pool displays grade the members' selections, which are always for the
// current season: against an archived season they would grade this year's
// picks with another year's games. The Top Ten pick sheet prints the pool's
// standings beside the week's games, so it is one of them. The pool marquee
// and the Pool StatPak are not: they open on any season shown, as the Pool
// menu has always let them, and only add up the week's picks against the
// games of that season.
constexpr std::array<std::string_view, 10> kGradeSelections{
    "frmPMatrix", "frmPoolStn", "frmStats",  "frmPAnalyze", "frmPGraph",
    "frmPoolRoom", "frmOddEnd", "frmExpert", "frmMatrix",   "frmTopTen",
};

MenuRefusal NoPlayers(std::string_view line) {
    return {std::string(kNoPlayersTitle), std::string(kNoPlayersLead) + "\n" + std::string(line)};
}

}  // namespace

bool GradesSelections(std::string_view formName) {
    for (const auto form : kGradeSelections)
        if (form == formName) return true;
    return false;
}

std::optional<MenuRefusal> CheckMenuCommand(const AppState& state, std::string_view formName) {
    const bool hasMembers = state.MemberCount > 0;
    for (const auto& [form, line] : kNeedMembers) {
        if (form != formName) continue;
        if (!hasMembers) return NoPlayers(line);
        break;
    }
    if (formName == "frmPicks" && !state.CurrentSeasonOpen)
        return MenuRefusal{std::string(kWrongSeasonTitle), std::string(kWrongSeasonLead) + "\nto enter player selections. "};
    if (!state.CurrentSeasonOpen && GradesSelections(formName))
        return MenuRefusal{std::string(kWrongSeasonTitle), std::string(kWrongSeasonLead) + "\nto view the pool displays. "};
    if (formName == "frmExpert" && state.CurrentWeek < 4)
        return MenuRefusal{"Insufficient Data",
                           "The Pool Experts cannot be considered Experts\nuntil the start of the 4th NFL week."};
    return std::nullopt;
}

}  // namespace gm
