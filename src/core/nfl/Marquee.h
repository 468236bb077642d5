#pragma once

#include <optional>
#include <string>

#include "core/data/AppState.h"
#include "core/nfl/DivisionStandings.h"

namespace gm {

// A game as the signs show it: a played game winner first (the home team
// first unless the away team scored more), "Dallas 24 NY Giants 20"; a game
// not yet played "NY Giants at Dallas".
std::string GameSignText(const GameRecord& game, const TeamTables& teams);

inline constexpr std::string_view kNoGamesMessage = "NO GAMES SCHEDULED FOR THIS WEEK";
inline constexpr std::string_view kPickEm = "Pik 'em";

// What the sign is told at one step: a rate, and a new message or (nullopt)
// only the rate.
struct SignStep {
    int Rate = 0;
    std::optional<std::string> Message;
};

// "This Week In The NFL": the week's games one after another on the sign,
// each followed by a pause, with the favourite and the spread beside it.
// The sign's "finished" notification calls Finished(), which says what the
// sign shows next.
class NflMarquee {
public:
    // Opens on CurrentWeek at the first slot.
    explicit NflMarquee(AppState& state);

    // One notification of the sign: alternately the next game (rate 18) and
    // a pause (rate 28, no new message). A week without games says so once,
    // then shows a blank pause in the message's place.
    SignStep Finished();

    // Week spin: refused (false) beyond week 1 and the season's last; CurrentWeek follows
    // and the new week starts at its first slot from the next notification on.
    bool Spin(int step);

    int Week() const { return week_.Week(); }
    const std::string& WeekText() const { return week_.Label(); }
    const std::string& Favorite() const { return favorite_; }  // lblFav
    const std::string& Spread() const { return spread_; }      // lblSpread

private:
    SignStep NextGame();

    AppState& state_;
    SpunWeek week_;
    int slot_ = 0;
    bool shownGame_ = false;
    bool saidNoGames_ = false;  // a week without games has said so
    int step_ = 0;
    std::string favorite_;
    std::string spread_;
};

}  // namespace gm
