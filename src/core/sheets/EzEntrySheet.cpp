#include "EzEntrySheet.h"

#include <algorithm>
#include <exception>

#include "core/output/PrintJob.h"

namespace gm {

namespace {

constexpr double kTableSize = 12;

}  // namespace

// The second week is at most the season's last.
int EzEntrySheet::LastFirstWeek() const { return state_.League().Weeks - 1; }

EzEntrySheet::EzEntrySheet(AppState& state)
    : state_(state), first_(std::clamp(state.CurrentWeek, 1, state.League().Weeks - 1)) {}

bool EzEntrySheet::Spin(int step) {
    const int next = first_ + step;
    if (next < 1 || next > LastFirstWeek()) return false;
    first_ = next;
    state_.CurrentWeek = std::clamp(state_.CurrentWeek + step, 1, state_.League().Weeks);
    return true;
}

void EzEntrySheet::ShowWeeks(int first) { first_ = std::clamp(first, 1, LastFirstWeek()); }

std::string EzEntrySheet::PrintJobName() const {
    return "NFL Score Sheet Weeks " + std::to_string(FirstWeek()) + "-" + std::to_string(SecondWeek());
}

void EzEntrySheet::PrintWeek(PageSurface& s, int week) const {
    const double width = s.ScaleWidth();
    const double w = static_cast<double>(static_cast<long long>(width) / 20);
    s.Font = PageFont{"Sans Serif", 16, false, false, false, 400};
    PrintCentered(s, "NFL Score Sheet:  Week " + std::to_string(week));
    s.Font.Weight = 400;
    s.PrintLine();
    // The columns stand less than an inch apart: the table is set in 12 point
    // so that "Spreads" and "San Francisco" keep to their own columns.
    s.Font.Size = kTableSize;

    s.Font.Underline = true;
    s.CurrentX = 1260;
    s.PrintText("Spreads");
    s.CurrentX = 4 * w + 180;
    s.PrintText("Away Team");
    s.CurrentX = width / 2 - 180 - s.TextWidth("Scores") / 2;
    s.PrintText("Scores");
    s.CurrentX = 12 * w;
    s.PrintText("Home Team");
    s.CurrentX = 16 * w - 360;
    s.PrintText("Spreads");
    s.Font.Underline = false;
    s.PrintLine();

    const auto& games = state_.Games[static_cast<std::size_t>(week - 1)];
    for (int slot = 0; slot < state_.League().Slots; ++slot) {
        const GameRecord& g = games[static_cast<std::size_t>(slot)];
        if (!g.HasGame()) continue;
        s.CurrentX = 1260;
        s.PrintText("______");
        s.CurrentX = 4 * w + 180;
        s.PrintText(state_.Teams.City(g.AwayTeam));
        s.CurrentX = 8 * w;
        s.PrintText("_____");
        s.CurrentX = 10 * w;
        s.PrintText("_____");
        s.CurrentX = 12 * w;
        s.PrintText(state_.Teams.City(g.HomeTeam));
        s.CurrentX = 16 * w - 360;
        s.PrintLine("_____");
    }
}

Status EzEntrySheet::Print(PageSurface& surface, PrintCopies copies) const {
    try {
        surface.SetOrientation(1);
    } catch (const std::exception& e) {
        return Status::Error(e.what());
    }
    return RunPrintJob(surface, copies.Count, [this](PageSurface& s, int) {
        s.CurrentX = 720;
        s.CurrentY = 40;
        PrintWeek(s, FirstWeek());
        s.PrintLine();
        s.PrintLine();
        PrintWeek(s, SecondWeek());
    });
}

}  // namespace gm
