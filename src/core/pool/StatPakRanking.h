#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gm {

// Orders and competition ranks over the whole pool, week after week, for the
// StatPaks and the Pool Room. Keys are 32-bit whole numbers so that a pool of
// 32,767 members orders in a few linear passes instead of a comparison sort.

// The key of a value that is never negative (a percentage, confidence
// points): such floats keep their order as their bit patterns.
std::uint32_t OrderKey(float nonNegative);

// Reorders `order` (member indexes) by key[member], highest first when
// `descending`, lowest first otherwise. Stable: members with equal keys keep
// the order they had, so several calls in a row order by the last key first
// and break its ties by the earlier ones.
void StableOrder(std::vector<std::int32_t>& order, std::span<const std::uint32_t> key, bool descending);

// Competition ranks by key, highest key first: 1, 1, 3. ranks[member].
void CompetitionRanks(std::span<const std::uint32_t> key, std::span<std::int32_t> ranks);

// 0, 1, 2, ... n - 1: the member order every ordering starts from.
std::vector<std::int32_t> MemberOrder(int count);

}  // namespace gm
