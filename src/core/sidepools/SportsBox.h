#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/OutputMessage.h"
#include "core/output/PageSurface.h"
#include "core/sidepools/BoxSettings.h"
#include "core/sidepools/SideFiles.h"

namespace gm {

// Texts of the Sports Box windows.
namespace sbtext {
inline constexpr std::string_view Caption = "The Office Sports Bar";
inline constexpr std::string_view Frame = "The Office Pool Sports Box";
inline constexpr std::string_view ClearBoxEntry = "** Clear Box **";
inline constexpr std::string_view AddTitle = "Add Player To Weekly Sports Box";
inline constexpr std::string_view AddPrompt =
    "Enter the name of Player you wish to include in the Office Sports Box";
inline constexpr std::string_view DigitTitle = "Manually Randomize Digits";
inline constexpr std::string_view DigitPrompt =
    "Enter a Digit From 0 to 9. Make sure that after\r\nafter you are finished randomizing the digits\r\nyou do not "
    "have duplications.";
inline constexpr std::string_view BadDigitTitle = "Wake Up!";
inline constexpr std::string_view BadDigitText = "You Need to Enter a Digit From 0 to 9.";
inline constexpr std::string_view NoPlayersTitle = "Insufficient # of Players";
inline constexpr std::string_view NoPlayersText =
    "You need to have at least one player in pool\r\nto use the randomize button. ";
inline constexpr std::string_view TooManyTitle = "More Players Than Boxes";
inline constexpr std::string_view OwnerTitle = "Box Owner";
inline constexpr std::string_view CancelTitle = "Cancel SportsBox Entries";
inline constexpr std::string_view CancelText =
    "The Sports Boxes have been changed.\r\nWould you like to save these changes?";
inline constexpr std::string_view NoNumberTitle = "No Player Number Left";
inline constexpr std::string_view SaveFailedTitle = "Sports Box Not Saved";
inline constexpr std::string_view LoadTitle = "The Sports Box";
// Shown beside the winner: repeated digits still name a box, but the user
// should know why, and that a digit left out can win nothing.
inline constexpr std::string_view DigitsRepeat = "Digits repeat: the last place counts.";
inline constexpr std::string_view NoRowShows = "No box wins: no row shows ";
inline constexpr std::string_view NoColumnShows = "No box wins: no column shows ";
inline constexpr std::string_view DigitsRepeatHint =
    "A digit appears twice along the top or down the side. The score's digit counts at the last place "
    "showing it, and a digit shown nowhere wins no box. Double click a digit to change it, or randomize "
    "the NFL digits.";
}  // namespace sbtext

// The Sports Box: a 10 x 10 squares pool on one game a week. It keeps the
// boxes, digits and game of every week (21, or 22 in today's league) and the player list while the
// window is open; nothing is written until Save (or SavePlayers).
class SportsBox {
public:
    enum class Scheme { OnePerBox, OnePerBoxRandom, Equal, EqualRandom, Grid, Digits };
    enum class DigitAnswer { Unchanged, Refused, Set };

    // Reads the settings, "SBPlayer.dat" and "SportBox.Dat"; opens on
    // CurrentWeek. The random numbers are drawn from one generator, seeded
    // once (from `seed` when given, for tests).
    explicit SportsBox(AppState& state, std::optional<std::uint64_t> seed = std::nullopt);

    // Problems found while opening (bad settings values, unreadable files),
    // for the window to show once.
    const std::vector<std::string>& LoadNotes() const { return notes_; }

    // Week 1 to 21 (22 today); moving it changes CurrentWeek too and does not count as a
    // change. Refused (false) beyond the ends.
    int Week() const { return week_; }
    bool SpinWeek(int step);

    // The game played for the week, 1 to 15 (16 today; by default the week's
    // tiebreak game). Moving it counts as a change.
    int GameNumber() const { return weeks_[week_ - 1].Game; }
    bool SpinGame(int step);
    const GameRecord& Game() const;
    bool HasScore() const;
    std::string HomeTeamText() const;
    std::string AwayTeamText() const;
    std::string HomeScoreText() const;  // blank while the game has no score
    std::string AwayScoreText() const;

    // The digit at each top (home) and left (away) position of the week.
    const std::string& TopDigits() const { return weeks_[week_ - 1].Top; }
    const std::string& LeftDigits() const { return weeks_[week_ - 1].Left; }
    // The answer of the digit input box for one position (0 to 9).
    DigitAnswer EnterDigit(bool top, int position, std::string_view answer);

    // The week's boxes.
    const BoxRecord& Box(int box) const { return boxes_[week_ - 1][box]; }
    std::string BoxCaption(int box) const;  // the owner's player number; blank when empty
    std::string OwnerText(int box) const;   // the owner's name, trimmed
    // Drops list entry `entry` on the box; entry 0 empties it.
    void AssignBox(int box, int entry);
    const SeasonBoxes& AllBoxes() const { return boxes_; }

    // The player list: entry 0 is "** Clear Box **".
    int EntryCount() const { return static_cast<int>(players_.size()) + 1; }
    BoxRecord Entry(int entry) const;
    std::vector<std::string> PlayerLines() const;
    // Name in 18 characters, then the number right-aligned in three (a longer
    // number is written whole).
    static std::string PlayerLine(const BoxRecord& player);

    struct AddResult {
        int Entry = -1;         // list entry of the new player; -1 when nothing was added
        OutputMessage Message;  // a failure to show, else Silent()
    };
    // The Add input box's answer: a blank answer adds nobody.
    AddResult AddPlayer(std::string_view answer);
    // Adds every pool member not yet listed; returns how many.
    int ImportMembers();
    // Removes a list entry (not entry 0); the boxes it owns keep their owner.
    bool RemovePlayer(int entry);
    // "Save Players to File": the list to "SBPlayer.dat" and the player-number counter.
    Status SavePlayers();

    // The scheme options. Returns what to tell the user: the refusal when
    // there are no players, a note when players had to go without a box, else Silent().
    OutputMessage Fill(Scheme scheme);
    // Empties the week's boxes; Reset also puts the digits back in order.
    void Clear();
    void Reset();

    // The winning box of the week (-1 while none): row of the away score's
    // last digit, column of the home score's. A digit shown twice counts at
    // its last place; a digit shown nowhere wins no box.
    int WinnerBox() const;
    bool DigitsRepeat() const;
    // The winner's trimmed name; blank without a score, for an empty box and
    // when no box wins.
    std::string WinnerText() const;
    // A note to show beside the winner: why no box wins though the game has a
    // score, else that the digits repeat; blank when the digits are in order.
    std::string DigitsNote() const;

    bool Changed() const { return boxesChanged_ || playersChanged_; }
    bool PlayersChanged() const { return playersChanged_; }
    // OK: "SportBox.Dat", the player list when it changed, the digits and
    // games of all weeks, and the player-number counter.
    Status Save();

    // The printout of the week's box with its owners.
    std::string PrintTitle() const;
    void PrintCopy(PageSurface& surface) const;
    Status Print(PageSurface& surface, int copies) const;

private:
    std::vector<int> Shuffle(int lo, int hi);
    int RandomPlayer();
    void EmptyBoxes();
    void FillEmptyAtRandom();
    OutputMessage OneEach(std::vector<int>& boxes, int& next);

    AppState& state_;
    std::mt19937_64 rng_;
    std::vector<std::string> notes_;
    BoxSeasonSettings weeks_{};
    SeasonBoxes boxes_{};
    std::vector<BoxRecord> players_;
    int week_ = 1;
    bool boxesChanged_ = false;
    bool playersChanged_ = false;
};

}  // namespace gm
