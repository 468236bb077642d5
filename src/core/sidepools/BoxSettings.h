#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/data/GameRecord.h"
#include "core/data/IniFile.h"
#include "core/data/League.h"
#include "core/data/Status.h"

namespace gm {

// What the settings file keeps of one Sports Box week: the digit shown at
// each top (home) and left (away) position, and the game played for it.
struct BoxWeekSettings {
    std::string Top = "0123456789";
    std::string Left = "0123456789";
    int Game = 15;         // game number 1 to 15 (slot + 1, 1 to 16 today); 15 is the Monday night game
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

// The settings of every week of either league (index = week - 1).
using BoxSeasonSettings = std::array<BoxWeekSettings, kMaxWeeks>;

// Reads the league's weeks (21 in 1997, 22 today). A value that cannot be
// used (digits that are not ten digits, a game outside 1 to the league's
// slots) falls back to its default and is described in `notes`, so the
// window can tell the user. The default game is 15; in today's league a
// week without a game of its own is not GameSet, and the Sports Box plays
// the week's tiebreak game.
BoxSeasonSettings ReadBoxSettings(const IniFile& ini, std::vector<std::string>& notes,
                                  const League& league = League1997());

// The game slot (0 to 14, 15 today) of a week's Sports Box game when the
// settings name one (week 1 to the league's last).
std::optional<int> ReadBoxGameSlot(const IniFile& ini, int week, const League& league = League1997());

// Writes "Left", "Top" and "Week" of the league's weeks, week by week.
Status WriteBoxSettings(const IniFile& ini, const BoxSeasonSettings& weeks, const League& league = League1997());

}  // namespace gm
