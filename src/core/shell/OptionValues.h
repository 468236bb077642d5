#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "OptionsForm.h"
#include "core/data/AppState.h"

namespace gm {

// The pool options as named values, for scripts: the keys of the settings
// file the pool options dialog writes, each with the values its controls
// offer. "WebColor" stands for the "Color" key of section "WebPage".
struct OptionKey {
    std::string_view Name;                 // "PointSpreads"
    std::vector<std::string_view> Values;  // the words allowed; empty: free text (the title)
    std::string_view Meaning;              // one line, for help texts
};

// In the order the dialog writes them.
const std::vector<OptionKey>& PoolOptionKeys();

// Every option with the value the program uses now, in PoolOptionKeys order.
std::vector<std::pair<std::string, std::string>> PoolOptionValues(const AppState& state);

// The values the dialog's controls stand for, as ApplyOptions would store them.
std::vector<std::pair<std::string, std::string>> PoolOptionValues(const OptionsControls& controls);

inline constexpr std::size_t kPoolTitleLongest = 34;

struct OptionsEdit {
    OptionsControls Controls;         // the dialog after the changes
    bool Changed = false;             // the options differ from the settings: OK writes every key
    std::vector<std::string> Problems;  // when any, nothing may be written
};

// Sets options from "KEY=VALUE" texts, in order, as clicks in the pool
// options dialog opened on the state: every click runs the dialog's linkage
// rules between the tiebreak controls. Keys and values are taken in any
// letter case. Refused: an unknown key or value, a key given twice, a title
// longer than the dialog takes, a value that a later one's linkage rule
// undoes (for example MondayPts=TotalPoints with TBMethod=NotUsed), and what
// the dialog's OK refuses (the second tiebreaker without total points or
// winning margin).
OptionsEdit EditPoolOptions(const AppState& state, const std::vector<std::string>& assignments);

}  // namespace gm
