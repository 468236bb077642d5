#include "BoxSettings.h"

#include <algorithm>
#include <optional>

namespace gm {
namespace {

// Long enough to see that a value is too long, rather than cutting it to fit.
constexpr std::size_t kReadBuffer = 64;

std::string KeyName(std::string_view stem, int week, bool blank) {
    return std::string(stem) + (blank ? " " : "") + std::to_string(week);
}

// The value of "Top1", or of "Top 1" when the first form is absent or empty.
std::string ReadWeekKey(const IniFile& ini, std::string_view section, std::string_view stem, int week) {
    std::string value = ini.Read(section, KeyName(stem, week, false), "", kReadBuffer);
    if (value.empty()) value = ini.Read(section, KeyName(stem, week, true), "", kReadBuffer);
    return value;
}

std::optional<int> GameNumber(std::string_view text, int slots) {
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(std::string(text));
    if (n < 1 || n > slots) return std::nullopt;
    return n;
}

}  // namespace

bool ValidDigits(std::string_view digits) {
    return digits.size() == 10 && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool DigitsComplete(std::string_view digits) {
    if (!ValidDigits(digits)) return false;
    std::string sorted(digits);
    std::sort(sorted.begin(), sorted.end());
    return sorted == kDefaultDigits;
}

BoxSeasonSettings ReadBoxSettings(const IniFile& ini, std::vector<std::string>& notes, const League& league) {
    BoxSeasonSettings weeks{};
    const bool today = league.Kind != LeagueKind::Nfl1997;
    for (int w = 1; w <= league.Weeks; ++w) {
        BoxWeekSettings& s = weeks[w - 1];
        const auto digits = [&](std::string_view stem, std::string& into, const char* side) {
            const std::string value = ReadWeekKey(ini, boxkeys::DigitsSection, stem, w);
            if (value.empty()) return;
            if (ValidDigits(value)) {
                into = value;
                return;
            }
            notes.push_back("The " + std::string(side) + " digits of week " + std::to_string(w) + " (\"" + value +
                            "\") are not ten digits from 0 to 9; the digits 0 to 9 in order are used.");
        };
        digits(boxkeys::Top, s.Top, "top");
        digits(boxkeys::Left, s.Left, "left");
        const std::string game = ReadWeekKey(ini, boxkeys::GameSection, boxkeys::Week, w);
        if (game.empty()) continue;
        if (const auto n = GameNumber(game, league.Slots)) {
            s.Game = *n;
            s.GameSet = true;
        } else {
            notes.push_back("The game of week " + std::to_string(w) + " (\"" + game + "\") is not a game number from 1 to " +
                            std::to_string(league.Slots) +
                            (today ? "; the week's tiebreak game is used." : "; game 15 is used."));
        }
    }
    return weeks;
}

std::optional<int> ReadBoxGameSlot(const IniFile& ini, int week, const League& league) {
    if (week < 1 || week > league.Weeks) return std::nullopt;
    const auto n = GameNumber(ReadWeekKey(ini, boxkeys::GameSection, boxkeys::Week, week), league.Slots);
    if (!n) return std::nullopt;
    return *n - 1;
}

Status WriteBoxSettings(const IniFile& ini, const BoxSeasonSettings& weeks, const League& league) {
    for (int w = 1; w <= league.Weeks; ++w) {
        const BoxWeekSettings& s = weeks[w - 1];
        if (Status st = ini.Write(boxkeys::DigitsSection, KeyName(boxkeys::Left, w, false), s.Left); !st) return st;
        if (Status st = ini.Write(boxkeys::DigitsSection, KeyName(boxkeys::Top, w, false), s.Top); !st) return st;
        if (Status st = ini.Write(boxkeys::GameSection, KeyName(boxkeys::Week, w, false), std::to_string(s.Game)); !st)
            return st;
    }
    return Status::Ok();
}

}  // namespace gm
