#include "Grading.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <type_traits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gm {

GradingRules GradingRules::From(const AppState& state) {
    return {UsesPointSpreads(state.PointSpreads), state.MondayPts == "TotalPoints", &state.League()};
}

OrderOptions OrderOptions::From(const AppState& state, PoolSortKind sort) {
    return {sort, ParseTBMethod(state.TBMethod), UsesSecondaryMonday(state.SecondaryTB)};
}

namespace {

void GradeSlotAgainstSpread(GameRecord& game) {
    if (game.HomeScore == 0 && game.AwayScore == 0) {
        game.SpreadWinTeam = game.SpreadLoseTeam = kNotYetPlayed;
        return;
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

}  // namespace

void GradeAgainstSpread(SeasonGrid& games, const League& league) {
    for (auto& week : games) {
        for (int g = 0; g < league.Slots; ++g) GradeSlotAgainstSpread(week[static_cast<std::size_t>(g)]);
    }
}

void GradeAgainstSpread(SeasonGrid& games) {
    for (auto& week : games) {
        for (int g = kSlots; g < kSlotsInTable; ++g) {
            if (week[static_cast<std::size_t>(g)].HasGame()) GradeSlotAgainstSpread(week[static_cast<std::size_t>(g)]);
        }
        for (int g = 0; g < kSlots; ++g) GradeSlotAgainstSpread(week[static_cast<std::size_t>(g)]);
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

// The results of one week graded once, in a form the tally loop compares 16
// slots at a time: a member's week is then a few masks over its picks.
// Slots past the league's last (slot 15 in 1997) are never graded, so their
// masks clear any stray selection there.
struct WeekKey {
    alignas(16) std::array<std::uint8_t, kStoredSlots> Win{};
    alignas(16) std::array<std::uint8_t, kStoredSlots> Lose{};
    alignas(16) std::array<std::uint8_t, kStoredSlots> Graded{};  // 0xFF where the game was played
    alignas(16) std::array<std::uint8_t, kStoredSlots> Mask{};    // 0xFF for slots 0 to 14
};

WeekKey MakeWeekKey(const WeekGames& week, const GradingRules& rules) {
    WeekKey k;
    for (int g = 0; g < rules.Slots(); ++g) {
        const Outcome o = GameOutcome(week[g], rules.AgainstSpread);
        k.Graded[g] = o.Played ? 0xFF : 0;
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

#if defined(__SSE2__)

// Weeks added up lane by lane: a byte per slot counts its wins, losses and
// ties (at most 22 weeks, so no lane overflows), confidence points in halves
// in two 64-bit sums; everything is added across the lanes once at the end.
class WeekAdder {
public:
    void Add(const std::array<std::uint8_t, kStoredSlots>& picks,
             const std::array<std::uint8_t, kStoredSlots>& confidence, const WeekKey& k) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(picks.data()));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(confidence.data()));
        const __m128i zero = _mm_setzero_si128();
        const __m128i picked = _mm_andnot_si128(_mm_cmpeq_epi8(p, zero), Load(k.Mask));
        const __m128i graded = _mm_and_si128(picked, Load(k.Graded));
        const __m128i win = _mm_and_si128(_mm_cmpeq_epi8(p, Load(k.Win)), graded);
        const __m128i loss = _mm_andnot_si128(win, _mm_and_si128(_mm_cmpeq_epi8(p, Load(k.Lose)), graded));
        const __m128i tie = _mm_andnot_si128(_mm_or_si128(win, loss), graded);
        wins_ = _mm_sub_epi8(wins_, win);  // a set lane is -1
        losses_ = _mm_sub_epi8(losses_, loss);
        ties_ = _mm_sub_epi8(ties_, tie);
        const __m128i winPoints = _mm_sad_epu8(_mm_and_si128(c, win), zero);
        const __m128i tiePoints = _mm_sad_epu8(_mm_and_si128(c, tie), zero);
        half_ = _mm_add_epi64(half_, _mm_add_epi64(_mm_add_epi64(winPoints, winPoints), tiePoints));
        any_ = _mm_or_si128(any_, picked);
    }

    Tally Result() const {
        Tally t;
        t.Wins = Sum(_mm_sad_epu8(wins_, _mm_setzero_si128()));
        t.Losses = Sum(_mm_sad_epu8(losses_, _mm_setzero_si128()));
        t.Ties = Sum(_mm_sad_epu8(ties_, _mm_setzero_si128()));
        t.HalfPoints = Sum(half_);
        t.Played = _mm_movemask_epi8(any_) != 0;
        return t;
    }

private:
    static __m128i Load(const std::array<std::uint8_t, kStoredSlots>& a) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(a.data()));
    }
    static int Sum(__m128i two) {
        return _mm_cvtsi128_si32(two) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(two, two));
    }

    __m128i wins_ = _mm_setzero_si128();
    __m128i losses_ = _mm_setzero_si128();
    __m128i ties_ = _mm_setzero_si128();
    __m128i half_ = _mm_setzero_si128();
    __m128i any_ = _mm_setzero_si128();
};

#else

// Written without branches on the selections so that the compiler can
// compare all 16 slots at once.
class WeekAdder {
public:
    void Add(const std::array<std::uint8_t, kStoredSlots>& picks,
             const std::array<std::uint8_t, kStoredSlots>& confidence, const WeekKey& k) {
        int wins = 0;
        int losses = 0;
        int ties = 0;
        int half = 0;
        int any = 0;
        for (int g = 0; g < kStoredSlots; ++g) {
            const int p = picks[g] & k.Mask[g];
            const int picked = p != 0;
            const int graded = picked & (k.Graded[g] & 1);
            const int win = graded & (p == k.Win[g]);
            const int loss = graded & (win ^ 1) & (p == k.Lose[g]);
            const int tie = graded & ((win | loss) ^ 1);
            wins += win;
            losses += loss;
            ties += tie;
            half += confidence[g] * (2 * win + tie);
            any |= picked;
        }
        t_.Wins += wins;
        t_.Losses += losses;
        t_.Ties += ties;
        t_.HalfPoints += half;
        t_.Played = t_.Played || any != 0;
    }
    Tally Result() const { return t_; }

private:
    Tally t_;
};

#endif

bool ValidWeek(int week, const League& league) { return week >= 0 && week < league.Weeks; }

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

int MondayResult(const SeasonGrid& games, int week, const GradingRules& rules) {
    const int slot = rules.TiebreakSlot(games, week);
    if (slot < 0) return 0;
    return MondayResult(games[static_cast<std::size_t>(week)][static_cast<std::size_t>(slot)], rules.MondayTotalPoints);
}

bool MadeSelection(const MemberRecord& member, int week, const League& league) {
    if (!ValidWeek(week, league)) return false;
    const auto& picks = member.Picks[static_cast<std::size_t>(week)];
    return std::any_of(picks.begin(), picks.begin() + league.Slots, [](std::uint8_t p) { return p != 0; });
}

bool MadeSelection(const MemberRecord& member, int week) { return MadeSelection(member, week, League1997()); }

int CountPlayed(std::span<const MemberRecord> members, int week, const League& league) {
    return static_cast<int>(std::count_if(members.begin(), members.end(), [&](const MemberRecord& m) {
        return MadeSelection(m, week, league);
    }));
}

int CountPlayed(std::span<const MemberRecord> members, int week) { return CountPlayed(members, week, League1997()); }

std::vector<StandingsRow> NewRows(int memberCount) {
    std::vector<StandingsRow> rows(static_cast<std::size_t>(std::max(memberCount, 0)));
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].MemberIndex = static_cast<std::int32_t>(i);
    return rows;
}

namespace {

void SetRange(StandingsRow& row, const Tally& t) {
    row.RangeWins = static_cast<std::int16_t>(t.Wins);
    row.RangeLosses = static_cast<std::int16_t>(t.Losses);
    row.RangeTies = static_cast<std::int16_t>(t.Ties);
    row.RangePoints = static_cast<float>(t.HalfPoints) / 2.0f;
    row.PlayedRange = t.Played;
}

void SetWeek(StandingsRow& row, const Tally& t, const MemberRecord& member, int week, int mondayResult) {
    row.WeekWins = static_cast<std::uint8_t>(t.Wins);
    row.WeekLosses = static_cast<std::uint8_t>(t.Losses);
    row.WeekTies = static_cast<std::uint8_t>(t.Ties);
    row.WeekPoints = static_cast<float>(t.HalfPoints) / 2.0f;
    row.PlayedWeek = t.Played;
    if (t.Played) row.TiebreakDiff[week] = static_cast<std::uint16_t>(std::abs(member.Tiebreak[week] - mondayResult));
}

}  // namespace

int TallyRange(std::span<StandingsRow> rows, const SeasonGrid& games, std::span<const MemberRecord> members,
               const GradingRules& rules, int firstWeek, int lastWeek) {
    firstWeek = std::max(firstWeek, 0);
    lastWeek = std::min(lastWeek, rules.Weeks() - 1);
    std::array<WeekKey, kMaxWeeks> keys;
    for (int w = firstWeek; w <= lastWeek; ++w) keys[w] = MakeWeekKey(games[w], rules);
    int played = 0;
    for (StandingsRow& row : rows) {
        const MemberRecord& m = members[static_cast<std::size_t>(row.MemberIndex)];
        WeekAdder range;
        for (int w = firstWeek; w <= lastWeek; ++w) range.Add(m.Picks[w], m.Confidence[w], keys[w]);
        const Tally t = range.Result();
        SetRange(row, t);
        played += t.Played ? 1 : 0;
    }
    return played;
}

int TallyWeek(std::span<StandingsRow> rows, const SeasonGrid& games, std::span<const MemberRecord> members,
              const GradingRules& rules, int week) {
    if (!ValidWeek(week, *rules.League)) return 0;
    const WeekKey key = MakeWeekKey(games[week], rules);
    const int m = MondayResult(games, week, rules);
    int played = 0;
    for (StandingsRow& row : rows) {
        const MemberRecord& member = members[static_cast<std::size_t>(row.MemberIndex)];
        WeekAdder adder;
        adder.Add(member.Picks[week], member.Confidence[week], key);
        const Tally t = adder.Result();
        SetWeek(row, t, member, week, m);
        played += t.Played ? 1 : 0;
    }
    return played;
}

PlayedCounts TallyRangeAndWeek(std::span<StandingsRow> rows, const SeasonGrid& games,
                               std::span<const MemberRecord> members, const GradingRules& rules, int firstWeek,
                               int lastWeek, int week) {
    if (!ValidWeek(week, *rules.League)) return {TallyRange(rows, games, members, rules, firstWeek, lastWeek), 0};
    firstWeek = std::max(firstWeek, 0);
    lastWeek = std::min(lastWeek, rules.Weeks() - 1);
    std::array<WeekKey, kMaxWeeks> keys;
    for (int w = firstWeek; w <= lastWeek; ++w) keys[w] = MakeWeekKey(games[w], rules);
    const WeekKey weekKey = MakeWeekKey(games[week], rules);
    const int monday = MondayResult(games, week, rules);
    PlayedCounts played;
    for (StandingsRow& row : rows) {
        const MemberRecord& m = members[static_cast<std::size_t>(row.MemberIndex)];
        WeekAdder range;
        for (int w = firstWeek; w <= lastWeek; ++w) range.Add(m.Picks[w], m.Confidence[w], keys[w]);
        WeekAdder one;
        one.Add(m.Picks[week], m.Confidence[week], weekKey);
        const Tally r = range.Result();
        const Tally t = one.Result();
        SetRange(row, r);
        SetWeek(row, t, m, week, monday);
        played.Range += r.Played ? 1 : 0;
        played.Week += t.Played ? 1 : 0;
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

// Puts the rows in the order given: rows[i] becomes the row that was at
// from[i]; in place, one cycle at a time (`from` is used up).
void Permute(std::span<StandingsRow> rows, std::vector<std::uint32_t>& from) {
    constexpr std::uint32_t kDone = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (from[i] == kDone || from[i] == i) continue;
        StandingsRow held = std::move(rows[i]);
        std::size_t at = i;
        for (;;) {
            const std::size_t source = from[at];
            from[at] = kDone;
            if (source == i) {
                rows[at] = std::move(held);
                break;
            }
            rows[at] = std::move(rows[source]);
            at = source;
        }
    }
}

// Several stable sorts applied one after the other are one least-significant-
// digit-first radix sort: each key's bytes, lowest first, distributed stably
// in one pass each. Equal keys cost nothing (members of a real pool tie
// often), a byte every row shares is skipped, and the rows move once.
void SortInSequence(std::span<StandingsRow> rows, std::span<const SortKey> applied, int week) {
    const std::size_t n = rows.size();
    if (applied.empty() || n < 2) return;
    std::vector<std::uint32_t> order(n);  // row indexes in the order so far
    std::vector<std::uint32_t> spare(n);
    std::vector<std::uint32_t> bits(n);  // the key of each row, by row index
    std::iota(order.begin(), order.end(), 0u);
    bool moved = false;
    for (const SortKey key : applied) {
        WithKey(key, week, [&](auto project, bool descending) {
            for (std::size_t i = 0; i < n; ++i) bits[i] = OrderBits(project(rows[i]), descending);
        });
        std::array<std::array<std::uint32_t, 256>, 4> counts{};
        for (const std::uint32_t v : bits) {
            ++counts[0][v & 0xFF];
            ++counts[1][(v >> 8) & 0xFF];
            ++counts[2][(v >> 16) & 0xFF];
            ++counts[3][v >> 24];
        }
        for (int d = 0; d < 4; ++d) {
            const int shift = 8 * d;
            auto& at = counts[static_cast<std::size_t>(d)];
            if (at[(bits[0] >> shift) & 0xFF] == n) continue;  // one value: the pass would change nothing
            std::uint32_t start = 0;
            for (std::uint32_t& c : at) start += std::exchange(c, start);
            for (const std::uint32_t r : order) spare[at[(bits[r] >> shift) & 0xFF]++] = r;
            order.swap(spare);
            moved = true;
        }
    }
    if (moved) Permute(rows, order);
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
