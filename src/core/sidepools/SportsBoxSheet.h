#pragma once

#include <string>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/PageSurface.h"

namespace gm {

// "The Sports Box Selection Sheet": an empty 10 x 10 grid on which players
// print their names, for one week's game.
class SportsBoxSheet {
public:
    static constexpr std::string_view Title = "The Sports Box Selection Sheet";

    // Opens on CurrentWeek.
    explicit SportsBoxSheet(AppState& state);

    // Week 1 to 21 (22 today); CurrentWeek follows. Refused (false) beyond the ends.
    int Week() const { return week_; }
    bool SpinWeek(int step);

    // Print the digits 0 to 9 beside the grid.
    bool PrintDigits = false;

    // The game of the sheet: the one chosen for the week in the Sports Box when
    // that slot holds a game, else the week's tiebreak game (1997: the Monday
    // night game, slot 14) when there is one, else the week's first filled slot. Play-off weeks hold their
    // games in any slot (an imported Super Bowl sits in slot 14 alone).
    int GameSlot() const;
    std::string HomeCity() const;
    std::string AwayCity() const;

    // One page; the job ends after it.
    void PrintPage(PageSurface& surface) const;
    Status Print(PageSurface& surface) const;

private:
    AppState& state_;
    int week_ = 1;
};

}  // namespace gm
