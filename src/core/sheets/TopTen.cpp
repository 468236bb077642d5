#include "TopTen.h"

#include <algorithm>
#include <span>

#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

constexpr int kTopCount = 10;
constexpr std::size_t kNameWidth = 17;

std::string ListName(const MemberRecord& m) {
    return PadRight(Utf8Left(m.TrimmedName(), kNameWidth), kNameWidth);
}

}  // namespace

TopTenLists BuildTopTen(const AppState& state, int sheetWeek) {
    TopTenLists lists;
    sheetWeek = std::clamp(sheetWeek, 1, state.League().Weeks);
    lists.LastWeek = sheetWeek > 1 ? sheetWeek - 1 : 1;
    const int memberCount = std::clamp(state.MemberCount, 0, static_cast<int>(state.Members.size()));
    lists.Count = std::min(kTopCount, memberCount);
    const PoolSortKind sort = ParsePoolSort(state.PoolSort);
    lists.Points = sort == PoolSortKind::Confidence;
    const bool monday = UsesSecondaryMonday(state.SecondaryTB);

    // Spread results are worked out afresh on a copy: the sheet changes nothing.
    SeasonGrid games = state.Games;
    const GradingRules rules = GradingRules::From(state);
    if (rules.AgainstSpread) GradeAgainstSpread(games);
    const std::span<const MemberRecord> members(state.Members.data(), static_cast<std::size_t>(memberCount));
    const OrderOptions order = OrderOptions::From(state, sort);
    const int lastIndex = lists.LastWeek - 1;

    std::vector<StandingsRow> week = NewRows(memberCount);
    TallyWeek(week, games, members, rules, lastIndex);
    ComputePercentages(week);
    WeekOrder(week, order, lastIndex);

    std::vector<StandingsRow> season = NewRows(memberCount);
    TallyRange(season, games, members, rules, 0, sheetWeek - 1);
    TallyWeek(season, games, members, rules, lastIndex);
    ComputePercentages(season);
    SeasonOrder(season, order, lastIndex, TiebreakForm::B);

    for (int i = 0; i < lists.Count; ++i) {
        const StandingsRow& w = week[static_cast<std::size_t>(i)];
        const MemberRecord& wm = members[static_cast<std::size_t>(w.MemberIndex)];
        lists.LastWeekTop.push_back({ListName(wm), w.WeekWins, w.WeekLosses, w.WeekTies,
                                     monday ? N(wm.Tiebreak[static_cast<std::size_t>(lastIndex)]) : "NA",
                                     Format1(lists.Points ? w.WeekPoints : w.WeekPct)});
        const StandingsRow& s = season[static_cast<std::size_t>(i)];
        const MemberRecord& sm = members[static_cast<std::size_t>(s.MemberIndex)];
        lists.Season.push_back({ListName(sm), s.RangeWins, s.RangeLosses, s.RangeTies, "",
                                Format1(lists.Points ? s.RangePoints : s.RangePct)});
    }
    return lists;
}

std::string TopTenLists::LastWeekTitle() const { return "Last Weeks Top " + N(Count); }

std::string TopTenLists::LastWeekHeading() const {
    return PadRight("Name", kNameWidth) + " W  L  T  TB " + (Points ? "Pts." : "Pct.");
}

std::string TopTenLists::SeasonHeading() const {
    return PadRight("Name", kNameWidth) + "  W    L   T    " + (Points ? "Pts." : "Pct.");
}

std::string TopTenLists::LastWeekLine(std::size_t rank) const {
    const TopTenRow& r = LastWeekTop.at(rank);
    return r.Name + Pad(2, N(r.Wins)) + Pad(3, N(r.Losses)) + Pad(3, N(r.Ties)) + Pad(4, r.Tiebreak) + Pad(5, r.Value);
}

std::string TopTenLists::SeasonLine(std::size_t rank) const {
    const TopTenRow& r = Season.at(rank);
    return r.Name + Pad(3, N(r.Wins)) + Pad(5, N(r.Losses)) + Pad(4, N(r.Ties)) + Pad(8, r.Value);
}

std::vector<std::string> TopTenLists::TextLines() const {
    const std::string value = Points ? "Pts." : "Pct.";
    std::vector<std::string> lines{"   " + LastWeekTitle() + std::string(34, ' ') + "Season Standings",
                                   "Name" + std::string(15, ' ') + "W  L  T  TB   " + value + "    Name" +
                                       std::string(15, ' ') + "W    L   T    " + value};
    for (std::size_t i = 0; i < LastWeekTop.size(); ++i)
        lines.push_back(LastWeekLine(i) + "    " + SeasonLine(i));
    return lines;
}

}  // namespace gm
