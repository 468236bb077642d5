#include "SportsBoxSheet.h"

#include <algorithm>

#include "core/output/PrintJob.h"
#include "core/sidepools/BoxSettings.h"

namespace gm {

namespace {
constexpr std::string_view kHomeLetters = "HOME TEAM";
constexpr std::string_view kAwayLetters = "AWAY TEAM";
}  // namespace

SportsBoxSheet::SportsBoxSheet(AppState& state)
    : state_(state), week_(std::clamp(state.CurrentWeek, 1, state.League().Weeks)) {}

bool SportsBoxSheet::SpinWeek(int step) {
    const int next = week_ + step;
    if (next < 1 || next > state_.League().Weeks) return false;
    week_ = next;
    state_.CurrentWeek = next;
    return true;
}

int SportsBoxSheet::GameSlot() const {
    const WeekGames& games = state_.Games[week_ - 1];
    // Saving the Sports Box writes a game for every week, so a chosen slot
    // may be one the week never filled.
    const League& league = state_.League();
    const auto chosen = ReadBoxGameSlot(state_.Settings, week_, league);
    if (chosen && games[*chosen].HasGame()) return *chosen;
    const int tiebreak = league.TiebreakSlot(games);
    if (tiebreak >= 0 && games[tiebreak].HasGame()) return tiebreak;
    for (int slot = 0; slot < league.Slots; ++slot)
        if (games[slot].HasGame()) return slot;
    return chosen.value_or(kMondaySlot);  // no game at all: the teams stay blank
}

// Team 0 (no game in the slot) has a blank name.
std::string SportsBoxSheet::HomeCity() const {
    const int team = state_.Games[week_ - 1][GameSlot()].HomeTeam;
    return team ? state_.Teams.City(team) : "";
}
std::string SportsBoxSheet::AwayCity() const {
    const int team = state_.Games[week_ - 1][GameSlot()].AwayTeam;
    return team ? state_.Teams.City(team) : "";
}

void SportsBoxSheet::PrintPage(PageSurface& s) const {
    s.Font = PageFont{"Sans Serif", 24, false, false, true};
    PrintCentered(s, "The Sports Box  Week " + std::to_string(week_));
    s.Font.Underline = false;
    s.DrawWidth = 2;
    s.Font.Size = 14;

    const auto centredAt = [&](double x, double y, std::string_view text) {
        s.CurrentX = x - s.TextWidth(text) / 2;
        s.CurrentY = y;
        s.PrintText(text);
    };
    const auto at = [&](double x, double y, std::string_view text) {
        s.CurrentX = x;
        s.CurrentY = y;
        s.PrintText(text);
    };
    constexpr double left = 1125, top = 2340, cell = 900;
    for (int i = 0; i < 9; ++i)
        if (kHomeLetters[static_cast<std::size_t>(i)] != ' ')
            centredAt(1575 + cell * i, 1340, kHomeLetters.substr(static_cast<std::size_t>(i), 1));
    if (PrintDigits)
        for (int i = 0; i < 10; ++i) centredAt(1575 + cell * i, 1840, std::to_string(i));
    for (int r = 0; r < 10; ++r) {
        const double y = top + cell * r;
        for (int c = 0; c < 10; ++c) s.Line(left + cell * c, y, left + cell * (c + 1), y + cell, true);
        const double textY = y + (cell - s.TextHeight()) / 2;
        if (r < 9 && kAwayLetters[static_cast<std::size_t>(r)] != ' ')
            at(225, textY, kAwayLetters.substr(static_cast<std::size_t>(r), 1));
        if (PrintDigits) at(r == 0 ? 725 : 750, textY, std::to_string(r));
    }
    s.CurrentX = 0;
    s.CurrentY = top + 10 * cell;
    s.PrintLine();
    const double first = s.CurrentY;
    at(left, first, "Home Team: " + HomeCity());
    at(5625, first, "Players: Print your name in box.");
    s.PrintLine();
    const double second = s.CurrentY;
    at(left, second, "Away Team: " + AwayCity());
    at(5625, second, "PLEASE PRINT NEATLY.");
    s.PrintLine();
}

Status SportsBoxSheet::Print(PageSurface& surface) const {
    return RunPrintJob(surface, 1, [this](PageSurface& s, int) { PrintPage(s); });
}

}  // namespace gm
