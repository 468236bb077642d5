#include "GradedPool.h"

#include <algorithm>

namespace gm {

GradedPool::GradedPool(const AppState& state) : games_(state.Games), rules_(GradingRules::From(state)) {
    if (rules_.AgainstSpread) GradeAgainstSpread(games_, *rules_.League);
}

void GradedPool::Reserve(std::size_t members) {
    weeks_.reserve(members);
    nameStart_.reserve(members + 1);
    names_.reserve(members * kNameLength);
}

void GradedPool::Add(std::span<const MemberRecord> members) {
    const std::size_t first = weeks_.size();
    weeks_.resize(first + members.size());
    for (const MemberRecord& m : members) {
        names_ += m.Name;
        nameStart_.push_back(static_cast<std::uint32_t>(names_.size()));
    }
    // Each week graded by the engine itself over the block's members. The
    // rows are reused from week to week and block to block: a week's tally
    // writes every field read here but the Monday difference, which is read
    // only when the member played (when the tally writes it).
    if (scratch_.size() < members.size()) scratch_ = NewRows(static_cast<int>(members.size()));
    const std::span<StandingsRow> rows(scratch_.data(), members.size());
    for (int w = 0; w < rules_.Weeks(); ++w) {
        TallyWeek(rows, games_, members, rules_, w);
        for (std::size_t i = 0; i < members.size(); ++i) {
            const StandingsRow& r = rows[i];
            Week& out = weeks_[first + i][static_cast<std::size_t>(w)];
            out.Wins = r.WeekWins;
            out.Losses = r.WeekLosses;
            out.Ties = r.WeekTies;
            out.Played = r.PlayedWeek;
            out.HalfPoints = static_cast<std::uint16_t>(r.WeekPoints * 2.0f);  // halves: exact
            out.TiebreakDiff = r.PlayedWeek ? r.TiebreakDiff[static_cast<std::size_t>(w)] : 0;
        }
    }
}

PlayedCounts GradedPool::Tally(std::span<StandingsRow> rows, int firstWeek, int lastWeek, int week) const {
    firstWeek = std::max(firstWeek, 0);
    lastWeek = std::min(lastWeek, rules_.Weeks() - 1);
    const bool validWeek = week >= 0 && week < rules_.Weeks();
    PlayedCounts played;
    for (StandingsRow& row : rows) {
        const Weeks& m = weeks_[static_cast<std::size_t>(row.MemberIndex)];
        int wins = 0;
        int losses = 0;
        int ties = 0;
        int half = 0;
        bool any = false;
        for (int w = firstWeek; w <= lastWeek; ++w) {
            const Week& g = m[static_cast<std::size_t>(w)];
            wins += g.Wins;
            losses += g.Losses;
            ties += g.Ties;
            half += g.HalfPoints;
            any = any || g.Played;
        }
        row.RangeWins = static_cast<std::int16_t>(wins);
        row.RangeLosses = static_cast<std::int16_t>(losses);
        row.RangeTies = static_cast<std::int16_t>(ties);
        row.RangePoints = static_cast<float>(half) / 2.0f;
        row.PlayedRange = any;
        played.Range += any ? 1 : 0;
        if (!validWeek) continue;
        const Week& g = m[static_cast<std::size_t>(week)];
        row.WeekWins = g.Wins;
        row.WeekLosses = g.Losses;
        row.WeekTies = g.Ties;
        row.WeekPoints = static_cast<float>(g.HalfPoints) / 2.0f;
        row.PlayedWeek = g.Played;
        if (g.Played) row.TiebreakDiff[static_cast<std::size_t>(week)] = g.TiebreakDiff;
        played.Week += g.Played ? 1 : 0;
    }
    return played;
}

}  // namespace gm
