#pragma once

#include "core/data/WeekLabel.h"

#include <string>
#include <string_view>

namespace gm {

// An entry box's text and cursor position after a rule has run.
struct BoxEdit {
    std::string Text;
    int Cursor = 0;

    bool operator==(const BoxEdit&) const = default;
};

// The number at the start of a box's text, the way the boxes have always read
// it: leading digits and at most one decimal point; anything else ends it. An
// empty box is 0.
double BoxValue(std::string_view text);

// Point-spread boxes take digits, backspace and the decimal point; every other
// key is ignored.
bool SpreadKeyAccepted(char key);

// Runs the point-spread box rules on a changed text until they no longer
// change it, so that whatever is typed or pasted ends as whole or half points
// from 0 to 99.5: "." becomes "0.5", a lone "0" clears the box, a whole part
// above 99 is divided by 10 ("105" becomes "10"), and a digit that would make
// anything but a half point is dropped ("3.7" becomes "3.", "10.7" becomes
// "10."). Characters a key could not have typed (a paste) are removed first.
// `cursor` is where the cursor stood after the change.
BoxEdit SpreadBoxChanged(std::string_view text, int cursor);

// How a spread is shown in its box: nothing for 0, else its shortest decimal
// form ("3", "3.5", "10.5").
std::string SpreadText(float points);
float SpreadFromText(std::string_view text);

// Score boxes take digits and backspace only.
bool ScoreKeyAccepted(char key);

// A score box holds at most two digits: a longer text keeps its first two
// ("105" becomes "10") with the cursor after them.
BoxEdit ScoreBoxChanged(std::string_view text, int cursor);

// A score as its box shows it ("0" for zero) and back (empty is 0).
std::string ScoreText(int score);
int ScoreFromText(std::string_view text);

// The week a spin control moves to: `week` + `step` when that stays within
// 1 to 21 (1 to `lastWeek`), else 0 (the control beeps and stays).
int SpinWeek(int week, int step);
int SpinWeek(int week, int step, int lastWeek);

// The question every editing window asks before it throws changes away.
std::string ChangedQuestion(std::string_view what);

}  // namespace gm
