#include "Grading.h"

#include <algorithm>
#include <bit>
#include <type_traits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gm {

GradingRules GradingRules::From(const AppState& state) {
    return {UsesPointSpreads(state.PointSpreads), state.MondayPts == "TotalPoints"};
}

OrderOptions OrderOptions::From(const AppState& state, PoolSortKind sort) {
    return {sort, ParseTBMethod(state.TBMethod), UsesSecondaryMonday(state.SecondaryTB)};
}

void GradeAgainstSpread(SeasonGrid& games) {
    for (auto& week : games) {
        for (int g = 0; g < kSlots; ++g) {
            GameRecord& game = week[g];
            if (game.HomeScore == 0 && game.AwayScore == 0) {
                game.SpreadWinTeam = game.SpreadLoseTeam = kNotYetPlayed;
                continue;
            }
            const float h = static_cast<float>(game.HomeScore) + game.HomeSpread;
            const float a = static_cast<float>(game.AwayScore) + game.AwaySpread;
            if (h > a) {
                game.SpreadWinTeam = game.HomeTeam;
                game.SpreadLoseTeam = game.AwayTeam;
            } else if (h < a) {
                game.SpreadWinTeam = game.AwayTeam;
                game.SpreadLoseTeam = game.HomeTeam;
            } else {
                game.SpreadWinTeam = game.SpreadLoseTeam = 0;
            }
        }
    }
}

namespace {

struct Outcome {
    bool Played;
    int Win;
    int Lose;
};

Outcome GameOutcome(const GameRecord& game, bool againstSpread) {
    if (againstSpread) return {game.SpreadWinTeam != kNotYetPlayed, game.SpreadWinTeam, game.SpreadLoseTeam};
    return {game.Played(), game.WinTeam, game.LoseTeam};
}

// The results of one week in a form the tally loop can compare 16 slots at a
// time: slot 15 is never graded, so its mask clears any stray selection there.
struct WeekKey {
    alignas(16) std::array<std::uint8_t, kStoredSlots> Win{};
    alignas(16) std::array<std::uint8_t, kStoredSlots> Lose{};
    alignas(16) std::array<std::uint8_t, kStoredSlots> Played{};  // 1 when graded
    alignas(16) std::array<std::uint8_t, kStoredSlots> Mask{};    // 0xFF for slots 0 to 14
};

WeekKey MakeWeekKey(const WeekGames& week, bool againstSpread) {
    WeekKey k;
    for (int g = 0; g < kSlots; ++g) {
        const Outcome o = GameOutcome(week[g], againstSpread);
        k.Played[g] = o.Played ? 1 : 0;
        k.Win[g] = static_cast<std::uint8_t>(o.Win);
        k.Lose[g] = static_cast<std::uint8_t>(o.Lose);
        k.Mask[g] = 0xFF;
    }
    return k;
}

struct Tally {
    int Wins = 0;
    int Losses = 0;
    int Ties = 0;
    int HalfPoints = 0;  // confidence points in halves, exact
    bool Played = false;
};

// Adds one week of one member. Written without branches on the selections so
// that the compiler can compare all 16 slots at once.
inline void AddWeek(Tally& t, const std::array<std::uint8_t, kStoredSlots>& picks,
                    const std::array<std::uint8_t, kStoredSlots>& confidence, const WeekKey& k) {
    int wins = 0;
    int losses = 0;
    int ties = 0;
    int half = 0;
    int any = 0;
    for (int g = 0; g < kStoredSlots; ++g) {
        const int p = picks[g] & k.Mask[g];
        const int picked = p != 0;
        const int graded = picked & k.Played[g];
        const int win = graded & (p == k.Win[g]);
        const int loss = graded & (win ^ 1) & (p == k.Lose[g]);
        const int tie = graded & ((win | loss) ^ 1);
        wins += win;
        losses += loss;
        ties += tie;
        half += confidence[g] * (2 * win + tie);
        any |= picked;
    }
    t.Wins += wins;
    t.Losses += losses;
    t.Ties += ties;
    t.HalfPoints += half;
    t.Played = t.Played || any != 0;
}

bool ValidWeek(int week) { return week >= 0 && week < kWeeks; }

}  // namespace

Grade GradeSelection(const GameRecord& game, int pick, bool againstSpread) {
    if (pick == 0) return Grade::None;
    const Outcome o = GameOutcome(game, againstSpread);
    if (!o.Played) return Grade::Pending;
    if (pick == o.Win) return Grade::Win;
    if (pick == o.Lose) return Grade::Loss;
    // Anything else is a tie: a tied game or a push, and also a team that is
    // not in this game (the schedule was changed after the selections were
    // typed), which earns half its confidence points like any tie.
    return Grade::Tie;
}

int MondayResult(const GameRecord& monday, bool totalPoints) {
    if (totalPoints) return monday.HomeScore + monday.AwayScore;
    return monday.WinScore - monday.LoseScore;
}

bool MadeSelection(const MemberRecord& member, int week) {
    if (!ValidWeek(week)) return false;
    const auto& picks = member.Picks[static_cast<std::size_t>(week)];
    return std::any_of(picks.begin(), picks.begin() + kSlots, [](std::uint8_t p) { return p != 0; });
}

int CountPlayed(std::span<const MemberRecord> members, int week) {
    return static_cast<int>(
        std::count_if(members.begin(), members.end(), [week](const MemberRecord& m) { return MadeSelection(m, week); }));
}

std::vector<StandingsRow> NewRows(int memberCount) {
    std::vector<StandingsRow> rows(static_cast<std::size_t>(std::max(memberCount, 0)));
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].MemberIndex = static_cast<std::int32_t>(i);
    return rows;
}

int TallyRange(std::span<StandingsRow> rows, const SeasonGrid& games, std::span<const MemberRecord> members,
               const GradingRules& rules, int firstWeek, int lastWeek) {
    firstWeek = std::max(firstWeek, 0);
    lastWeek = std::min(lastWeek, kWeeks - 1);
    std::array<WeekKey, kWeeks> keys;
    for (int w = firstWeek; w <= lastWeek; ++w) keys[w] = MakeWeekKey(games[w], rules.AgainstSpread);
    int played = 0;
    for (StandingsRow& row : rows) {
        const MemberRecord& m = members[static_cast<std::size_t>(row.MemberIndex)];
        Tally t;
        for (int w = firstWeek; w <= lastWeek; ++w) AddWeek(t, m.Picks[w], m.Confidence[w], keys[w]);
        row.RangeWins = static_cast<std::int16_t>(t.Wins);
        row.RangeLosses = static_cast<std::int16_t>(t.Losses);
        row.RangeTies = static_cast<std::int16_t>(t.Ties);
        row.RangePoints = static_cast<float>(t.HalfPoints) / 2.0f;
        row.PlayedRange = t.Played;
        played += t.Played ? 1 : 0;
    }
    return played;
}

int TallyWeek(std::span<StandingsRow> rows, const SeasonGrid& games, std::span<const MemberRecord> members,
              const GradingRules& rules, int week) {
    if (!ValidWeek(week)) return 0;
    const WeekKey key = MakeWeekKey(games[week], rules.AgainstSpread);
    const int m = MondayResult(games[week][kMondaySlot], rules.MondayTotalPoints);
    int played = 0;
    for (StandingsRow& row : rows) {
        const MemberRecord& member = members[static_cast<std::size_t>(row.MemberIndex)];
        Tally t;
        AddWeek(t, member.Picks[week], member.Confidence[week], key);
        row.WeekWins = static_cast<std::uint8_t>(t.Wins);
        row.WeekLosses = static_cast<std::uint8_t>(t.Losses);
        row.WeekTies = static_cast<std::uint8_t>(t.Ties);
        row.WeekPoints = static_cast<float>(t.HalfPoints) / 2.0f;
        row.PlayedWeek = t.Played;
        if (t.Played) {
            row.TiebreakDiff[week] = static_cast<std::uint16_t>(std::abs(member.Tiebreak[week] - m));
            ++played;
        }
    }
    return played;
}

float WinningPct(int wins, int losses, int ties) {
    const int n = wins + losses + ties;
    if (n <= 0) return 0.0f;
    const float won = static_cast<float>(wins) + static_cast<float>(ties) / 2.0f;
    return won / static_cast<float>(n) * 100.0f;
}

void ComputePercentages(std::span<StandingsRow> rows) {
    for (StandingsRow& r : rows) {
        r.WeekPct = WinningPct(r.WeekWins, r.WeekLosses, r.WeekTies);
        r.RangePct = WinningPct(r.RangeWins, r.RangeLosses, r.RangeTies);
    }
}

namespace {

// Calls `f` with the projection and direction of a key.
template <typename F>
void WithKey(SortKey key, int week, F&& f) {
    const int w = std::clamp(week, 0, kTiebreakWeeks - 1);
    switch (key) {
        case SortKey::RangeWins: return f([](const StandingsRow& r) { return r.RangeWins; }, true);
        case SortKey::RangePct: return f([](const StandingsRow& r) { return r.RangePct; }, true);
        case SortKey::RangePoints: return f([](const StandingsRow& r) { return r.RangePoints; }, true);
        case SortKey::WeekWins: return f([](const StandingsRow& r) { return r.WeekWins; }, true);
        case SortKey::WeekPct: return f([](const StandingsRow& r) { return r.WeekPct; }, true);
        case SortKey::WeekPoints: return f([](const StandingsRow& r) { return r.WeekPoints; }, true);
        case SortKey::TiebreakDiff: return f([w](const StandingsRow& r) { return r.TiebreakDiff[w]; }, false);
        case SortKey::SeasonRank: return f([](const StandingsRow& r) { return r.SeasonRank; }, false);
        case SortKey::MemberIndex: return f([](const StandingsRow& r) { return r.MemberIndex; }, false);
    }
}

}  // namespace

void RankRows(std::span<StandingsRow> rows, SortKey key, int week) {
    WithKey(key, week, [&](auto project, bool) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i > 0 && project(rows[i]) == project(rows[i - 1]))
                rows[i].SeasonRank = rows[i - 1].SeasonRank;
            else
                rows[i].SeasonRank = static_cast<std::int32_t>(i + 1);
        }
    });
}

namespace {

// A key's value as an unsigned number whose ascending order is the key's
// order in its sort: descending keys are inverted, floats mapped so that
// their bits compare as the numbers do.
std::uint32_t OrderBits(float v, bool descending) {
    if (v == 0.0f) v = 0.0f;  // -0 sorts with 0
    std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
    bits = (bits & 0x80000000u) ? ~bits : bits | 0x80000000u;
    return descending ? ~bits : bits;
}
template <typename T>
    requires std::is_integral_v<T>
std::uint32_t OrderBits(T v, bool descending) {
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(v) + 0x80000000LL);
    return descending ? ~bits : bits;
}

constexpr std::size_t kMaxSortKeys = 4;

// One row's keys, most significant first, and its place before the sort:
// comparing the place last makes any sort stable.
struct SortEntry {
    std::array<std::uint32_t, kMaxSortKeys> Keys{};
    std::uint32_t Place = 0;
};

// Puts the rows in the order of the entries' places, in place (one cycle at a time).
void Permute(std::span<StandingsRow> rows, std::span<SortEntry> order) {
    constexpr std::uint32_t kDone = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i].Place == kDone || order[i].Place == i) continue;
        StandingsRow held = std::move(rows[i]);
        std::size_t at = i;
        for (;;) {
            const std::size_t from = order[at].Place;
            order[at].Place = kDone;
            if (from == i) {
                rows[at] = std::move(held);
                break;
            }
            rows[at] = std::move(rows[from]);
            at = from;
        }
    }
}

// Several stable sorts applied one after the other (`applied` in that order)
// give the order of one stable sort on the last key first, its ties broken by
// the earlier keys, then by the rows' order before: so one pass on compact
// keys does the work of all of them, and the rows move once.
void SortInSequence(std::span<StandingsRow> rows, std::span<const SortKey> applied, int week) {
    if (applied.empty() || rows.size() < 2) return;
    if (applied.size() > kMaxSortKeys) {
        SortInSequence(rows, applied.first(applied.size() - kMaxSortKeys), week);
        applied = applied.last(kMaxSortKeys);
    }
    std::vector<SortEntry> order(rows.size());
    std::size_t k = 0;
    for (auto it = applied.rbegin(); it != applied.rend(); ++it, ++k) {
        WithKey(*it, week, [&](auto project, bool descending) {
            for (std::size_t i = 0; i < rows.size(); ++i) order[i].Keys[k] = OrderBits(project(rows[i]), descending);
        });
    }
    bool sorted = true;
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i].Place = static_cast<std::uint32_t>(i);
        if (i > 0 && order[i].Keys < order[i - 1].Keys) sorted = false;
    }
    if (sorted) return;  // already in order: a stable sort would change nothing
    std::sort(order.begin(), order.end(), [](const SortEntry& a, const SortEntry& b) {
        for (std::size_t i = 0; i < kMaxSortKeys; ++i)
            if (a.Keys[i] != b.Keys[i]) return a.Keys[i] < b.Keys[i];
        return a.Place < b.Place;
    });
    Permute(rows, order);
}

}  // namespace

void SortRows(std::span<StandingsRow> rows, SortKey key, int week) {
    const SortKey keys[] = {key};
    SortInSequence(rows, keys, week);
}

void SeasonOrder(std::span<StandingsRow> rows, const OrderOptions& o, int week, TiebreakForm form) {
    std::vector<SortKey> keys;
    if (form == TiebreakForm::A) {
        if (o.SecondaryMonday) keys.push_back(SortKey::TiebreakDiff);
        if (o.TBMethod == TBMethodKind::Wins)
            keys.push_back(SortKey::RangeWins);
        else if (o.TBMethod == TBMethodKind::WinPct)
            keys.push_back(SortKey::RangePct);
    } else {
        if (o.TBMethod == TBMethodKind::MonGame)
            keys.push_back(SortKey::TiebreakDiff);
        else if (o.TBMethod == TBMethodKind::Wins)
            keys.push_back(SortKey::RangeWins);
        else if (o.TBMethod == TBMethodKind::WinPct)
            keys.push_back(SortKey::RangePct);
    }
    const SortKey main = o.Sort == PoolSortKind::Wins     ? SortKey::RangeWins
                         : o.Sort == PoolSortKind::WinPct ? SortKey::RangePct
                                                          : SortKey::RangePoints;
    keys.push_back(main);
    SortInSequence(rows, keys, week);
    RankRows(rows, main);
}

std::vector<SortKey> WeekOrderKeys(const OrderOptions& o) {
    std::vector<SortKey> keys;
    if (o.SecondaryMonday) keys.push_back(SortKey::TiebreakDiff);
    if (o.TBMethod == TBMethodKind::Wins)
        keys.push_back(SortKey::WeekWins);
    else if (o.TBMethod == TBMethodKind::WinPct)
        keys.push_back(SortKey::WeekPct);
    keys.push_back(o.Sort == PoolSortKind::Wins     ? SortKey::WeekWins
                   : o.Sort == PoolSortKind::WinPct ? SortKey::WeekPct
                                                    : SortKey::WeekPoints);
    return keys;
}

void WeekOrder(std::span<StandingsRow> rows, const OrderOptions& o, int week) {
    SortInSequence(rows, WeekOrderKeys(o), week);
}

namespace {

std::string FormatFixed(double value, int decimals) {
    const double scale = decimals == 1 ? 10.0 : 100.0;
    const long long units = std::llround(value * scale);  // halves away from zero
    const long long whole = std::llabs(units) / static_cast<long long>(scale);
    const long long frac = std::llabs(units) % static_cast<long long>(scale);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%lld.%0*lld", units < 0 ? "-" : "", whole, decimals, frac);
    return buf;
}

}  // namespace

std::string Format1(double value) { return FormatFixed(value, 1); }
std::string Format2(double value) { return FormatFixed(value, 2); }

}  // namespace gm
