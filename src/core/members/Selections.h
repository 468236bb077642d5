#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/PoolOptions.h"
#include "core/data/Status.h"

namespace gm {

// Values 0 <= x < 1, as the random generator gives them; injectable so that
// tests can fix the draws.
using UnitRandom = std::function<double()>;
UnitRandom ClockSeededRandom();

// The confidence values allowed for a week of n games: "15 Down To XX" gives
// 16 - n to 15, "1 To MaxGames" gives 1 to n. The top of the "Down To" scale
// is the most games a week of the league holds: 15 in 1997, 16 today, so
// that a full week always gets one distinct value per game.
struct ConfidenceRange {
    int Min = 1;
    int Max = 0;
    bool Contains(int v) const { return v >= Min && v <= Max; }
    bool operator==(const ConfidenceRange&) const = default;
};
ConfidenceRange ConfidenceRangeFor(int games, MaxCPointsKind scale);
ConfidenceRange ConfidenceRangeFor(int games, MaxCPointsKind scale, int scaleTop);

inline constexpr int kConfidenceLabels = 15;  // the "Available" list shows 1 to 15 (1997)
inline constexpr int kMaxConfidenceLabels = kMaxSlots;  // today's league: 1 to 16

// How the selections window looks and behaves under the pool options.
struct SelectionOptions {
    bool ConfidenceOn = true;  // "PoolSort" = "Confidence"
    MaxCPointsKind Scale = MaxCPointsKind::GamesPlayed;
    bool FavoriteShowsPoints = false;  // "PSEntrys" = "Favorite"
    bool TotalPoints = true;           // "MondayPts" = "TotalPoints"
    bool TiebreakOn = true;            // "SecondaryTB" is not "None"

    static SelectionOptions From(const AppState& state);
};

enum class PickChoice {
    None,
    Home,
    Away,
    Neither,  // a stored team that plays in neither side of the game (the schedule changed)
};

struct SheetRow {
    bool Exists = false;
    int HomeTeam = 0;
    int AwayTeam = 0;
    float HomeSpread = 0;
    float AwaySpread = 0;
    std::string HomeCaption;
    std::string AwayCaption;
    PickChoice Choice = PickChoice::None;
    std::string ConfidenceText;  // empty for none
    std::string Kickoff;         // "Sun 9/8 1:00 PM" in today's league; empty in 1997
};

// One member's selections for one week, as the window shows them.
struct Sheet {
    int Member = 0;  // record index
    int Week = 1;    // 1 to 21 (22 in today's league)
    // One row per slot of the league's week: 15 in 1997, 16 today.
    std::vector<SheetRow> Rows = std::vector<SheetRow>(kSlots);
    int GameCount = 0;
    ConfidenceRange Range;
    int ScaleTop = kSlots;  // the top of the "15 Down To XX" scale (16 today)
    std::string TiebreakText;
    int TiebreakRow = -1;  // the row of the week's tiebreak game; -1 for a week without games
};

// The "Available" list: value v (index v - 1) shows while it is inside the
// range and no game of the sheet holds it.
std::array<bool, kMaxConfidenceLabels> AvailableValues(const Sheet& sheet);

// The points a caption carries: " +7" beside the home team when it is the
// favourite, "+3.5" when the away team is; blank for an even game.
std::string PointsText(float homeSpread, float awaySpread);
// Spread numbers in plain digits: 7 -> "7", 3.5 -> "3.5".
std::string PlainNumber(float value);

// Numeric value of a box: its leading digits, 0 when empty; capped at 255
// because the record holds a byte.
int ByteBoxValue(std::string_view text);

// Quick picks. Home / Away / Clear act on all rows, Favorites / Underdogs /
// Random on the games shown. Returns true when the pick itself counts as a
// change (Clear and Random); the others show up when the sheet is stored.
enum class QuickPick { Favorites, Underdogs, Home, Away, Random, Clear };
bool ApplyQuickPick(Sheet& sheet, QuickPick pick, const UnitRandom& random);

// 1..n in random order (Fisher-Yates, drawing j = int(random * k) + 1 for k = n down to 1).
std::vector<int> ShuffledValues(int n, const UnitRandom& random);

// Confidence buttons over the games shown, top to bottom. Returns true when
// the sheet changed (always, except Clear when no box held a value above 0).
enum class ConfidenceFill { Ascend, Descend, Random, Clear };
bool ApplyConfidenceFill(Sheet& sheet, ConfidenceFill fill, MaxCPointsKind scale, const UnitRandom& random);

// Checks made when the user leaves a confidence box he typed into.
// Rows of the other games whose box holds the same text: rows above first, then below.
std::vector<int> DuplicateRows(const Sheet& sheet, int row);
// A non-empty box whose value is outside the sheet's range.
bool OutsideRange(const Sheet& sheet, int row);

// A digit typed into a confidence box holding `text` with the given selection.
// The box never holds more than two digits: a third one keeps the last digit
// and appends the new one ("12" + "3" -> "23").
std::string ConfidenceAfterDigit(std::string_view text, int selectionStart, int selectionLength, int cursor,
                                 char digit);
// The Monday-night entry keeps digits only and at most two of them.
std::string MondayEntryText(std::string_view text);

// The texts the window shows.
namespace picktext {
inline constexpr std::string_view FavoriteShowsPoints = " Favorite Shows Points ";
inline constexpr std::string_view UnderdogShowsPoints = " Underdog Shows Points ";
inline constexpr std::string_view TotalPoints = "Total Points";
inline constexpr std::string_view WinningMargin = "Winning Margin";
inline constexpr std::string_view DuplicateTitle = "Duplicate Value";
inline constexpr std::string_view DuplicateText =
    "You have entered a duplicate number.\nWould you like to correct it ?";
inline constexpr std::string_view RangeTitle = "Possible Incorrect Entry";
inline constexpr std::string_view CancelTitle = "Cancel Player Picks";
inline constexpr std::string_view CancelText =
    "The Player Selections have been changed.\nWould you like to save these changes?";
inline constexpr std::string_view SaveFailedTitle = "Selections Not Saved";
inline constexpr std::string_view HelpTitle = "Entering Player Selections";
inline constexpr std::string_view HelpText =
    "Before entering player selections, you should configure your pool options depending on the type of pool "
    "you "
    "are running.\n\nThe screen display will differ depending on whether you are using confidence points or "
    "not.";
}  // namespace picktext
std::string RangeQuestion(ConfidenceRange range);

// The selections window's working copy of every member's sheets. The member
// table is changed only by Commit.
class SelectionsModel {
public:
    explicit SelectionsModel(const AppState& state);

    const SelectionOptions& Options() const { return options_; }
    // Record indexes in the order of the member chooser (alphabetical).
    const std::vector<int>& Order() const { return order_; }
    // A member as the chooser lists it: the 18-character name field, blanks kept.
    std::string ChooserName(int member) const;

    // The sheet of `member` (record index) for `week` (1 to 21, or 22). Confidence
    // points of a game without a selection are cleared in the working copy.
    Sheet Load(int member, int week);
    // Takes the sheet back into the working copy; a selection that differs from
    // the one loaded marks the selections changed.
    void Store(const Sheet& sheet);

    bool Changed() const { return changed_; }
    void MarkChanged() { changed_ = true; }

    // Copies the working copy into the member table (confidence points only
    // when they are on) and saves the pool file in place. When the save fails,
    // the member table is left as it was.
    Status Commit(AppState& state);

private:
    struct MemberSheets {
        std::array<std::array<std::uint8_t, kMaxSlots>, kMaxWeeks> Picks{};
        std::array<std::array<std::uint8_t, kMaxSlots>, kMaxWeeks> Confidence{};
        std::array<int, kMaxWeeks> Tiebreak{};
    };

    const AppState& state_;
    SelectionOptions options_;
    std::vector<int> order_;
    std::vector<MemberSheets> work_;
    const League& league_;
    std::array<std::uint8_t, kMaxSlots> loaded_{};
    bool changed_ = false;
};

}  // namespace gm
