#include "PoolMarquee.h"

#include <algorithm>
#include <cstdlib>

#include "core/data/WeekLabel.h"

namespace gm {

namespace {

constexpr int kPauseRate = 30;
constexpr int kMessageRate = 0;

}  // namespace

std::string PoolMarqueeMessage(const MemberRecord& member, const PoolMarqueeRow& row, bool points,
                               bool mondayTiebreak) {
    const std::string name = member.TrimmedName();
    if (!row.Played) return name + "  " + " No Selections Made    ";
    std::string message = name + "  Won " + std::to_string(row.Wins) + "  Lost " + std::to_string(row.Losses) +
                          "  Tied " + std::to_string(row.Ties) + "  ";
    message += points ? "CPts " + Format1(row.Points) : "Pct " + Format1(row.Pct);
    message += "  ";
    message += mondayTiebreak ? "Tb " + std::to_string(row.TiebreakDiff) + " " : " ";
    return message;
}

PoolMarquee::PoolMarquee(AppState& state) : state_(state), week_(std::clamp(state.CurrentWeek, 1, state.League().Weeks)) {
    weekLabel_ = WeekLabel(week_, false);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    Compute();
}

void PoolMarquee::Compute() {
    const int w = week_ - 1;
    const int count = std::clamp(state_.MemberCount, 0, static_cast<int>(state_.Members.size()));
    const std::span<const MemberRecord> members(state_.Members.data(), static_cast<std::size_t>(count));
    const GradingRules rules = GradingRules::From(state_);
    std::vector<StandingsRow> rows = NewRows(count);
    played_ = TallyWeek(rows, state_.Games, members, rules, w);
    ComputePercentages(rows);
    // Every member has a difference here, also one who made no selection.
    const int mondayResult = MondayResult(state_.Games, w, rules);
    for (StandingsRow& r : rows)
        r.TiebreakDiff[static_cast<std::size_t>(w)] = static_cast<std::uint16_t>(
            std::abs(members[static_cast<std::size_t>(r.MemberIndex)].Tiebreak[static_cast<std::size_t>(w)] - mondayResult));

    // The tiebreak order first, then the pool's sort: the last sort decides
    // and, being stable, keeps the tiebreak order among its equals.
    switch (ParseTBMethod(state_.TBMethod)) {
        case TBMethodKind::MonGame:
            SortRows(rows, SortKey::TiebreakDiff, w);
            tbText_ = "Mon. Pts";
            break;
        case TBMethodKind::Wins:
            SortRows(rows, SortKey::WeekWins);
            tbText_ = "Total Wins";
            break;
        case TBMethodKind::WinPct:
            SortRows(rows, SortKey::WeekPct);
            tbText_ = "Win Pct.";
            break;
        case TBMethodKind::NotUsed: tbText_ = "Not Used"; break;
    }
    const PoolSortKind sort = ParsePoolSort(state_.PoolSort);
    switch (sort) {
        case PoolSortKind::Wins:
            SortRows(rows, SortKey::WeekWins);
            sortText_ = "Wins";
            break;
        case PoolSortKind::WinPct:
            SortRows(rows, SortKey::WeekPct);
            sortText_ = "Winning Pct";
            break;
        case PoolSortKind::Confidence:
            SortRows(rows, SortKey::WeekPoints);
            sortText_ = "Con. Pts";
            break;
    }

    const bool points = sort == PoolSortKind::Confidence;
    const bool monday = UsesSecondaryMonday(state_.SecondaryTB);
    rows_.clear();
    messages_.clear();
    for (const StandingsRow& r : rows) {
        PoolMarqueeRow row;
        row.MemberIndex = r.MemberIndex;
        row.Wins = r.WeekWins;
        row.Losses = r.WeekLosses;
        row.Ties = r.WeekTies;
        row.Points = r.WeekPoints;
        row.Pct = r.WeekPct;
        row.Played = r.PlayedWeek;
        row.TiebreakDiff = r.TiebreakDiff[static_cast<std::size_t>(w)];
        rows_.push_back(row);
        messages_.push_back(
            PoolMarqueeMessage(members[static_cast<std::size_t>(r.MemberIndex)], row, points, monday));
    }
    next_ = 0;
    counter_ = 0;
}

SignStep PoolMarquee::Finished() {
    if (++counter_ == 1) {
        if (messages_.empty()) {
            rankText_.clear();
            return {kMessageRate, std::string()};
        }
        if (next_ >= static_cast<int>(messages_.size())) next_ = 0;
        rankText_ = std::to_string(next_ + 1);
        return {kMessageRate, messages_[static_cast<std::size_t>(next_++)]};
    }
    counter_ = 0;
    return {kPauseRate, std::nullopt};
}

bool PoolMarquee::Spin(int step) {
    const int week = week_ + step;
    if (week < 1 || week > state_.League().Weeks) return false;
    week_ = week;
    weekLabel_ = WeekLabel(week, true);
    state_.CurrentWeek = week;
    Compute();
    return true;
}

}  // namespace gm
