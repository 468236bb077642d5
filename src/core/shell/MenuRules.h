#pragma once

#include <optional>
#include <string>

#include "core/data/AppState.h"
#include "core/shell/Displays.h"

namespace gm {

// Why a menu command may not open its window now: the box the user sees.
struct MenuRefusal {
    std::string Title;
    std::string Text;
};

// Whether the display grades the members' selections (and so needs the
// current season shown).
bool GradesSelections(Display display);

// The one rule deciding whether `display` can open with the pool and season
// as they are (its OpenRule in the catalogue): selections need members and
// the current season; several pool displays need at least one member; the
// displays that grade selections need the current season; the Pool Experts
// also need three weeks of history. No refusal for any other window.
std::optional<MenuRefusal> CheckMenuCommand(const AppState& state, Display display);

}  // namespace gm
