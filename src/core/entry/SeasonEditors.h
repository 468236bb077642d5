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
#include "core/entry/SaveFailure.h"

// Working copies of the schedule, point-spread and score windows. Each holds
// every week of the season's league (21 in 1997, 22 today); the window shows
// one week at a time, stores the week it leaves back into the copy, and copies
// the whole thing into the season on OK. Weeks are given as shown to the
// user, from 1.
namespace gm {

// Copies the working copy into the season (`apply`) and, while the current
// season is open, saves the season file. A failed save puts the season in
// memory back as it was, so memory and file agree and the window can keep the
// user's edits for another try.
Status CommitSeason(AppState& state, const std::function<void(SeasonGrid&)>& apply);

// When the schedule or spread window closes, saved or not, the current season
// is read again from its file so memory matches it. An archived season shown
// instead is left as it is in memory. A failure is told under kSeasonFileTitle.
Status RereadCurrentSeason(AppState& state);
inline constexpr std::string_view kSeasonFileTitle = "Season File";

// ---- Schedule ----

// The schedule's team lists: 0 (the blank entry) first, then every team
// by location, ignoring case (ties keep team order), so that a typed letter
// finds its team.
std::vector<int> ScheduleTeamOrder(const TeamTables& teams, const League& league = League1997());

// The caption of a schedule line: "Game 1" ... and "Monday Nite Game".
std::string ScheduleSlotCaption(int slot);
// The same for a week of `league`: today's league names no slot the
// Monday-night game, since its tiebreak game is whichever kicks off last.
std::string ScheduleSlotCaption(const League& league, int slot);

// The text beside a game's teams that tells when it kicks off: the kick-off
// label of today's league ("Sun 9/8 1:00 PM"), "Tiebreak" appended for the
// week's tiebreak game; empty for every 1997 game.
std::string KickoffCaption(const League& league, const WeekGames& week, int slot);

inline constexpr std::string_view kScheduleChangedText = "The NFL Schedule has been changed.";
inline constexpr std::string_view kScheduleChangedTitle = "Cancel NFL Schedule Setup";

struct ScheduleEntry {
    std::uint8_t AwayTeam = 0;
    std::uint8_t HomeTeam = 0;
    std::uint8_t AwayConference = 0;
    std::uint8_t HomeConference = 0;
    std::uint8_t AwayDivision = 0;
    std::uint8_t HomeDivision = 0;
};

struct SlotTeams {
    int Away = 0;
    int Home = 0;
    bool operator==(const SlotTeams&) const = default;
};
using WeekTeams = std::array<SlotTeams, kMaxSlots>;

class ScheduleEditor {
public:
    explicit ScheduleEditor(const SeasonGrid& games, const League& league = League1997());
    const League& Of() const { return *league_; }

    WeekTeams Week(int week) const;
    const ScheduleEntry& Entry(int week, int slot) const { return copy_[week - 1][slot]; }

    // Whether the boxes of `week` differ from the working copy.
    bool Differs(int week, const WeekTeams& shown) const;
    bool ChangedWith(int week, const WeekTeams& shown) const { return changed_ || Differs(week, shown); }

    // Keeps the week's teams and fills in their conferences and divisions; a
    // blank team leaves its side's conference and division as they were.
    void StoreWeek(int week, const WeekTeams& shown);

    bool ScheduleChanged() const { return changed_; }
    void MarkSaved() { changed_ = false; }

    // Teams, conferences and divisions of every slot; scores, spreads and
    // results stay, even where the teams changed.
    void ApplyTo(SeasonGrid& games) const;

private:
    const League* league_;
    std::array<std::array<ScheduleEntry, kMaxSlots>, kMaxWeeks> copy_{};
    bool changed_ = false;
};

// ---- Point spreads ----

inline constexpr std::string_view kSpreadsChangedText = "The NFL Point Spreads have been changed.";
inline constexpr std::string_view kSpreadsChangedTitle = "Cancel Point Spreads";

// The texts of a slot's two boxes, txtAway and txtHome.
struct SlotBoxes {
    std::string Away;
    std::string Home;
    bool operator==(const SlotBoxes&) const = default;
};
using WeekEntryBoxes = std::array<SlotBoxes, kMaxSlots>;

// Points credited to each side: AwaySpread and HomeSpread.
struct SpreadPair {
    float Away = 0;
    float Home = 0;
    bool operator==(const SpreadPair&) const = default;
};

// "Underdog": each box holds its own side's points. "Favorite": the number
// sits beside the favourite who gives it, so each box holds the other side's
// points. The stored meaning is the same either way.
SpreadPair SpreadsFromBoxes(float awayBox, float homeBox, PSEntrysKind kind);
SlotBoxes BoxesFromSpreads(const SpreadPair& spreads, PSEntrysKind kind);

std::string SpreadHeading(PSEntrysKind kind);

class SpreadEditor {
public:
    SpreadEditor(const SeasonGrid& games, PSEntrysKind kind, const League& league = League1997());

    PSEntrysKind Kind() const { return kind_; }
    // Only slots with both teams take spreads.
    bool HasGame(int week, int slot) const { return hasGame_[week - 1][slot]; }
    const SpreadPair& Spreads(int week, int slot) const { return copy_[week - 1][slot]; }
    SlotBoxes Shown(int week, int slot) const;

    bool Differs(int week, const WeekEntryBoxes& shown) const;
    bool ChangedWith(int week, const WeekEntryBoxes& shown) const { return changed_ || Differs(week, shown); }
    void StoreWeek(int week, const WeekEntryBoxes& shown);

    bool SpreadsChanged() const { return changed_; }
    void MarkSaved() { changed_ = false; }

    // AwaySpread and HomeSpread of every slot.
    void ApplyTo(SeasonGrid& games) const;

private:
    PSEntrysKind kind_;
    const League* league_;
    std::array<std::array<SpreadPair, kMaxSlots>, kMaxWeeks> copy_{};
    std::array<std::array<bool, kMaxSlots>, kMaxWeeks> hasGame_{};
    bool changed_ = false;
};

// ---- Scores ----

inline constexpr std::string_view kScoresChangedText = "The NFL Game Scores have been changed.";
inline constexpr std::string_view kScoresChangedTitle = "Cancel NFL Scores";

struct ScoreEntry {
    std::uint8_t HomeTeam = 0;
    std::uint8_t AwayTeam = 0;
    std::uint8_t HomeScore = 0;
    std::uint8_t AwayScore = 0;
    std::uint8_t WinTeam = 0;
    std::uint8_t LoseTeam = 0;
    std::uint8_t WinScore = 0;
    std::uint8_t LoseScore = 0;
};

class ScoreEditor {
public:
    explicit ScoreEditor(const SeasonGrid& games, const League& league = League1997());

    bool HasGame(int week, int slot) const;
    const ScoreEntry& Entry(int week, int slot) const { return copy_[week - 1][slot]; }
    SlotBoxes Shown(int week, int slot) const;

    bool Differs(int week, const WeekEntryBoxes& shown) const;
    bool ChangedWith(int week, const WeekEntryBoxes& shown) const { return changed_ || Differs(week, shown); }
    // Keeps the scores of every game of the week and works out each game's
    // winner and loser again, changed or not.
    void StoreWeek(int week, const WeekEntryBoxes& shown);

    bool ScoresChanged() const { return changed_; }
    void MarkSaved() { changed_ = false; }

    // Scores, winners and losers of every slot; teams, spreads, conferences
    // and divisions stay.
    void ApplyTo(SeasonGrid& games) const;

private:
    const League* league_;
    std::array<std::array<ScoreEntry, kMaxSlots>, kMaxWeeks> copy_{};
    bool changed_ = false;
};

}  // namespace gm
