#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace gm {

// The 1997 league's season: its files and displays use these directly.
inline constexpr int kWeeks = 21;         // week index 0 to 20; shown as 1 to 21
inline constexpr int kSlots = 15;         // game slot 0 to 14
inline constexpr int kMondaySlot = 14;    // the last game of a week is the Monday-night game
inline constexpr int kTeams = 30;         // team numbers 1 to 30, 0 = no team

// The largest season of any league (today's: 22 weeks of up to 16 games, 32
// teams); the season grid and the team tables are this big for either league.
inline constexpr int kMaxWeeks = 22;
inline constexpr int kMaxSlots = 16;
inline constexpr int kMaxTeams = 32;
inline constexpr int kSlotsInTable = kMaxSlots + 1;  // the last slot always empty, for readers that step past the last game
inline constexpr int kGameRecordSize = 23;
inline constexpr int kSeasonFileSize = kWeeks * kSlots * kGameRecordSize;  // 7,245 bytes

// Marks a game not yet graded against the spread.
inline constexpr std::uint8_t kNotYetPlayed = 55;

struct GameRecord {
    std::uint8_t HomeTeam = 0;
    std::uint8_t AwayTeam = 0;
    std::uint8_t HomeScore = 0;
    std::uint8_t AwayScore = 0;
    std::uint8_t WinScore = 0;   // on a tie the home score
    std::uint8_t LoseScore = 0;  // on a tie the away score
    float HomeSpread = 0.0f;     // points credited to the home team (home underdog)
    float AwaySpread = 0.0f;     // points credited to the away team (away underdog)
    std::uint8_t WinTeam = 0;
    std::uint8_t LoseTeam = 0;
    std::uint8_t SpreadWinTeam = 0;   // 0 = push, 55 = not yet played
    std::uint8_t SpreadLoseTeam = 0;  // 0 = push, 55 = not yet played
    std::uint8_t AwayConference = 0;
    std::uint8_t HomeConference = 0;
    std::uint8_t AwayDivision = 0;
    std::uint8_t HomeDivision = 0;
    std::uint8_t Spare = 0;
    // Kick-off (seasons of today's league; 0 when unknown): date as
    // YYYYMMDD and time as HHMM, 24-hour US Eastern. Not part of the 23-byte record.
    std::uint32_t KickoffDate = 0;
    std::uint16_t KickoffTime = 0;

    // A slot holds a game only when both teams are set.
    bool HasGame() const { return HomeTeam != 0 && AwayTeam != 0; }
    // A game with both scores 0 has not been played yet.
    bool Played() const { return HomeScore != 0 || AwayScore != 0; }

    bool operator==(const GameRecord&) const = default;
};

using GameBytes = std::array<std::uint8_t, kGameRecordSize>;

GameBytes EncodeGame(const GameRecord& game);
GameRecord DecodeGame(std::span<const std::uint8_t, kGameRecordSize> bytes);

// The season grid: week index by slot, big enough for either league; the 1997
// league uses weeks 0 to 20 and slots 0 to 14, today's weeks 0 to 21 and slots 0 to 15.
using WeekGames = std::array<GameRecord, kSlotsInTable>;
using SeasonGrid = std::array<WeekGames, kMaxWeeks>;

// Sets WinTeam, LoseTeam, WinScore and LoseScore from the two scores, the way
// score entry does: the higher score wins; on a tie (and 0-0) no team wins and
// the scores are kept home first.
void ApplyResult(GameRecord& game);

}  // namespace gm
