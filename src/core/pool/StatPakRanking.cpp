#include "StatPakRanking.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace gm {

std::uint32_t OrderKey(float value) {
    if (!(value > 0.0f)) return 0;  // 0, -0 and anything below order first
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void StableOrder(std::vector<std::int32_t>& order, std::span<const std::uint32_t> key, bool descending) {
    const std::size_t n = order.size();
    if (n < 2) return;
    const std::uint32_t flip = descending ? 0xFFFFFFFFu : 0u;
    std::vector<std::int32_t> scratch(n);
    // Least significant byte first: each pass is stable, so the last pass
    // (the most significant byte) decides and the earlier ones break its ties.
    for (int shift = 0; shift < 32; shift += 8) {
        std::array<std::size_t, 257> start{};
        for (const std::int32_t m : order) ++start[(((key[static_cast<std::size_t>(m)] ^ flip) >> shift) & 0xFF) + 1];
        // A byte every key shares changes nothing.
        if (std::any_of(start.begin() + 1, start.end(), [n](std::size_t c) { return c == n; })) continue;
        std::partial_sum(start.begin(), start.end(), start.begin());
        for (const std::int32_t m : order)
            scratch[start[((key[static_cast<std::size_t>(m)] ^ flip) >> shift) & 0xFF]++] = m;
        order.swap(scratch);
    }
}

void CompetitionRanks(std::span<const std::uint32_t> key, std::span<std::int32_t> ranks) {
    std::vector<std::int32_t> order = MemberOrder(static_cast<int>(key.size()));
    StableOrder(order, key, true);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto m = static_cast<std::size_t>(order[i]);
        if (i > 0 && key[m] == key[static_cast<std::size_t>(order[i - 1])])
            ranks[m] = ranks[static_cast<std::size_t>(order[i - 1])];
        else
            ranks[m] = static_cast<std::int32_t>(i + 1);
    }
}

std::vector<std::int32_t> MemberOrder(int count) {
    std::vector<std::int32_t> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

}  // namespace gm
