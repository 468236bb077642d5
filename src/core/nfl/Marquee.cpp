#include "Marquee.h"

#include <algorithm>

#include "core/nfl/NflResults.h"

namespace gm {

std::string GameSignText(const GameRecord& g, const TeamTables& teams) {
    if (!g.Played()) return teams.City(g.AwayTeam) + " at " + teams.City(g.HomeTeam);
    const bool awayFirst = g.AwayScore > g.HomeScore;
    const int first = awayFirst ? g.AwayTeam : g.HomeTeam;
    const int second = awayFirst ? g.HomeTeam : g.AwayTeam;
    const int firstScore = awayFirst ? g.AwayScore : g.HomeScore;
    const int secondScore = awayFirst ? g.HomeScore : g.AwayScore;
    return teams.City(first) + " " + std::to_string(firstScore) + " " + teams.City(second) + " " +
           std::to_string(secondScore);
}

NflMarquee::NflMarquee(AppState& state)
    : state_(state), week_(std::clamp(state.CurrentWeek, 1, state.League().Weeks), state.League().Weeks) {}

bool NflMarquee::Spin(int step) {
    if (!week_.Step(step)) return false;
    state_.CurrentWeek = week_.Week();
    slot_ = 0;
    shownGame_ = false;
    saidNoGames_ = false;
    return true;
}

SignStep NflMarquee::Finished() {
    if (++step_ == 1) return NextGame();
    step_ = 0;
    return {28, std::nullopt};
}

SignStep NflMarquee::NextGame() {
    const auto& games = state_.Games[static_cast<std::size_t>(week_.Week() - 1)];
    const int slots = state_.League().Slots;
    while (slot_ < slots && !games[static_cast<std::size_t>(slot_)].HasGame()) ++slot_;

    std::string message;
    if (slot_ >= slots) {
        // The end of the week: a short blank pause, or for a week without a
        // game its message, once; after it the pause, with the labels empty.
        if (!shownGame_) {
            favorite_.clear();
            spread_.clear();
            message = saidNoGames_ ? "  " : std::string(kNoGamesMessage);
            saidNoGames_ = true;
        } else {
            favorite_ = std::string(kPickEm);
            spread_ = "0";
            message = "  ";
        }
        slot_ = 0;
        return {18, message};
    }

    const GameRecord& g = games[static_cast<std::size_t>(slot_)];
    shownGame_ = true;
    message = GameSignText(g, state_.Teams);
    if (g.HomeSpread > g.AwaySpread) {
        favorite_ = state_.Teams.City(g.AwayTeam);
        spread_ = SpreadMark(g.HomeSpread);
    } else if (g.AwaySpread > g.HomeSpread) {
        favorite_ = state_.Teams.City(g.HomeTeam);
        spread_ = SpreadMark(g.AwaySpread);
    } else {
        favorite_ = std::string(kPickEm);
        spread_ = "0";
    }
    ++slot_;
    return {18, message};
}

}  // namespace gm
