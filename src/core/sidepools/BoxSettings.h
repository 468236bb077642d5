#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/data/GameRecord.h"
#include "core/data/IniFile.h"
#include "core/data/Status.h"

namespace gm {

// What the settings file keeps of one Sports Box week: the digit shown at
// each top (home) and left (away) position, and the game played for it.
struct BoxWeekSettings {
    std::string Top = "0123456789";
    std::string Left = "0123456789";
    int Game = 15;         // game number 1 to 15 (slot + 1); 15 is the Monday night game
    bool GameSet = false;  // the settings file names a valid game for the week
};

inline constexpr std::string_view kDefaultDigits = "0123456789";
inline constexpr int kDefaultBoxGame = 15;

// Sections and key stems. Keys are the stem followed directly by the week
// ("Top1"); keys written with a blank before the week ("Top 1") are read too.
namespace boxkeys {
inline constexpr std::string_view DigitsSection = "Digits";
inline constexpr std::string_view GameSection = "GameNumber";
inline constexpr std::string_view Top = "Top";
inline constexpr std::string_view Left = "Left";
inline constexpr std::string_view Week = "Week";
}  // namespace boxkeys

// Ten characters, each a digit 0 to 9 (repeats allowed).
bool ValidDigits(std::string_view digits);
// Every digit 0 to 9 exactly once.
bool DigitsComplete(std::string_view digits);

// Reads the 21 weeks. A value that cannot be used (digits that are not ten
// digits, a game outside 1 to 15) falls back to its default and is described
// in `notes`, so the window can tell the user.
std::array<BoxWeekSettings, kWeeks> ReadBoxSettings(const IniFile& ini, std::vector<std::string>& notes);

// The game slot (0 to 14) of a week's Sports Box game when the settings name
// one (week 1 to 21).
std::optional<int> ReadBoxGameSlot(const IniFile& ini, int week);

// Writes "Left", "Top" and "Week" of all 21 weeks, week by week.
Status WriteBoxSettings(const IniFile& ini, const std::array<BoxWeekSettings, kWeeks>& weeks);

}  // namespace gm
