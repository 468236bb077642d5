#pragma once

#include <string_view>

namespace gm {

// The pool options are kept as the strings of the settings file; these read
// them as choices. A value outside its set gives the fallback the options
// dialog shows for it.
enum class PoolSortKind { WinPct, Wins, Confidence };      // fallback Confidence
enum class MondayPtsKind { TotalPoints, WinningMargin, NotUsed };  // fallback NotUsed
enum class MaxCPointsKind { MaxGames, GamesPlayed };        // fallback MaxGames
enum class TBMethodKind { MonGame, Wins, WinPct, NotUsed };  // fallback NotUsed
enum class PSEntrysKind { Underdog, Favorite };             // fallback Favorite

inline bool UsesPointSpreads(std::string_view v) { return v == "Yes"; }
inline bool UsesSecondaryMonday(std::string_view v) { return v == "Monday"; }
inline bool WebDarkBackground(std::string_view v) { return v == "BW"; }  // fallback "WB"

inline PoolSortKind ParsePoolSort(std::string_view v) {
    if (v == "WinPct") return PoolSortKind::WinPct;
    if (v == "Wins") return PoolSortKind::Wins;
    return PoolSortKind::Confidence;
}

inline MondayPtsKind ParseMondayPts(std::string_view v) {
    if (v == "TotalPoints") return MondayPtsKind::TotalPoints;
    if (v == "WinningMargin") return MondayPtsKind::WinningMargin;
    return MondayPtsKind::NotUsed;
}

inline MaxCPointsKind ParseMaxCPoints(std::string_view v) {
    return v == "GamesPlayed" ? MaxCPointsKind::GamesPlayed : MaxCPointsKind::MaxGames;
}

inline TBMethodKind ParseTBMethod(std::string_view v) {
    if (v == "MonGame") return TBMethodKind::MonGame;
    if (v == "Wins") return TBMethodKind::Wins;
    if (v == "WinPct") return TBMethodKind::WinPct;
    return TBMethodKind::NotUsed;
}

inline PSEntrysKind ParsePSEntrys(std::string_view v) {
    return v == "Underdog" ? PSEntrysKind::Underdog : PSEntrysKind::Favorite;
}

inline std::string_view ToString(PoolSortKind k) {
    switch (k) {
        case PoolSortKind::WinPct: return "WinPct";
        case PoolSortKind::Wins: return "Wins";
        case PoolSortKind::Confidence: return "Confidence";
    }
    return "Confidence";
}

inline std::string_view ToString(MondayPtsKind k) {
    switch (k) {
        case MondayPtsKind::TotalPoints: return "TotalPoints";
        case MondayPtsKind::WinningMargin: return "WinningMargin";
        case MondayPtsKind::NotUsed: return "NotUsed";
    }
    return "NotUsed";
}

inline std::string_view ToString(MaxCPointsKind k) {
    return k == MaxCPointsKind::GamesPlayed ? "GamesPlayed" : "MaxGames";
}

inline std::string_view ToString(TBMethodKind k) {
    switch (k) {
        case TBMethodKind::MonGame: return "MonGame";
        case TBMethodKind::Wins: return "Wins";
        case TBMethodKind::WinPct: return "WinPct";
        case TBMethodKind::NotUsed: return "NotUsed";
    }
    return "NotUsed";
}

inline std::string_view ToString(PSEntrysKind k) {
    return k == PSEntrysKind::Underdog ? "Underdog" : "Favorite";
}

}  // namespace gm
