#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// The pool options dialog's controls as values: the dialog shows exactly this
// and every click goes through the linkage rules below.
struct OptionsControls {
    bool ckPS = false;
    bool OpUnd = false, OpFav = false;
    std::array<bool, 3> OpSort{};
    std::array<bool, 2> OpCPts{};
    std::array<bool, 4> OpTBMethod{};
    bool ckMondayAlso = false;
    std::array<bool, 2> OpTb{};
    std::array<bool, 2> OpWBack{};
    std::string txtTitle;

    friend bool operator==(const OptionsControls&, const OptionsControls&) = default;
};

// Clicks, with the tiebreak linkage rules applied.
void ChooseTb(OptionsControls& c, int index);          // OpTb(0/1)
void ChooseTBMethod(OptionsControls& c, int index);    // OpTBMethod(0..3)
void SetMondayAlso(OptionsControls& c, bool checked);  // ckMondayAlso
// The plain option groups: one choice each.
void ChooseSort(OptionsControls& c, int index);
void ChooseCPts(OptionsControls& c, int index);
void ChooseWBack(OptionsControls& c, int index);
void ChooseSpreadEntry(OptionsControls& c, bool underdog);

// The controls as the dialog opens on the state's options (values outside
// their sets select the fallbacks).
OptionsControls OptionsFromState(const AppState& state);

// The exclamation box OK shows when the Monday tiebreaker is on but neither
// total points nor winning margin is chosen.
struct OptionsProblem {
    std::string Title;
    std::string Text;
};
std::optional<OptionsProblem> CheckOptions(const OptionsControls& c);

// Whether the dialog counts as changed: a control differs from the state it
// opened with, or the title differs from the pool title.
bool OptionsChanged(const OptionsControls& now, const OptionsControls& opened, const AppState& state);

// Sets the option variables from the controls and writes their keys in the
// dialog's order (Options: PoolSort, MondayPts, PointSpreads, MaxCPoints,
// TBMethod, SecondaryTB, PSEntrys; WebPage: Title, Color). The first failed
// write is returned; the variables are set either way.
Status ApplyOptions(AppState& state, const OptionsControls& c);

inline constexpr std::string_view kOptionsTitle = "Gridmoot Options";

// Shown (title kOptionsTitle) when ApplyOptions could not write the settings:
// its reason, and that the options still hold for this run.
std::string OptionsNotSavedText(std::string_view reason);

// "View Web Pages" opens the home page `file` in the browser, or says why not.
inline constexpr std::string_view kViewWebPagesTitle = "View Web Pages";
std::string HomePageNotWrittenText(std::string_view file);
std::string WebPagesNoBrowserText(std::string_view file);
inline constexpr std::string_view kOptionsSaveQuestion =
    "The Pool Options has been changed.\nWould you like to save these changes?";

}  // namespace gm
