#include "GameRecord.h"

#include <bit>
#include <cstring>

namespace gm {
namespace {

void PutFloat(std::uint8_t* at, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

float GetFloat(const std::uint8_t* at) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return std::bit_cast<float>(bits);
}

}  // namespace

GameBytes EncodeGame(const GameRecord& g) {
    GameBytes b{};
    b[0] = g.HomeTeam;
    b[1] = g.AwayTeam;
    b[2] = g.HomeScore;
    b[3] = g.AwayScore;
    b[4] = g.WinScore;
    b[5] = g.LoseScore;
    PutFloat(&b[6], g.HomeSpread);
    PutFloat(&b[10], g.AwaySpread);
    b[14] = g.WinTeam;
    b[15] = g.LoseTeam;
    b[16] = g.SpreadWinTeam;
    b[17] = g.SpreadLoseTeam;
    b[18] = g.AwayConference;
    b[19] = g.HomeConference;
    b[20] = g.AwayDivision;
    b[21] = g.HomeDivision;
    b[22] = g.Spare;
    return b;
}

GameRecord DecodeGame(std::span<const std::uint8_t, kGameRecordSize> b) {
    GameRecord g;
    g.HomeTeam = b[0];
    g.AwayTeam = b[1];
    g.HomeScore = b[2];
    g.AwayScore = b[3];
    g.WinScore = b[4];
    g.LoseScore = b[5];
    g.HomeSpread = GetFloat(&b[6]);
    g.AwaySpread = GetFloat(&b[10]);
    g.WinTeam = b[14];
    g.LoseTeam = b[15];
    g.SpreadWinTeam = b[16];
    g.SpreadLoseTeam = b[17];
    g.AwayConference = b[18];
    g.HomeConference = b[19];
    g.AwayDivision = b[20];
    g.HomeDivision = b[21];
    g.Spare = b[22];
    return g;
}

void ApplyResult(GameRecord& g) {
    if (g.AwayScore > g.HomeScore) {
        g.WinTeam = g.AwayTeam;
        g.LoseTeam = g.HomeTeam;
        g.WinScore = g.AwayScore;
        g.LoseScore = g.HomeScore;
    } else if (g.AwayScore < g.HomeScore) {
        g.WinTeam = g.HomeTeam;
        g.LoseTeam = g.AwayTeam;
        g.WinScore = g.HomeScore;
        g.LoseScore = g.AwayScore;
    } else {
        g.WinTeam = 0;
        g.LoseTeam = 0;
        g.WinScore = g.HomeScore;
        g.LoseScore = g.AwayScore;
    }
}

}  // namespace gm
