#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/pool/Grading.h"

namespace gm {

// Every member's graded weeks without the selections: what the standings
// need of the pool, about a quarter of the pool file's size where the member
// table is a little more than the file. Members are added in pool order, a
// block at a time (as ScanPool hands them), and graded by the rules and
// results the state has when the table is made; the table is then tallied as
// the member table would be.
class GradedPool {
public:
    explicit GradedPool(const AppState& state);

    // Room for this many members, so that the table is never copied as it grows.
    void Reserve(std::size_t members);
    void Add(std::span<const MemberRecord> members);

    int Count() const { return static_cast<int>(weeks_.size()); }
    // The member's name as the member table holds it (UTF-8, blanks kept).
    std::string_view Name(int member) const {
        const auto m = static_cast<std::size_t>(member);
        return std::string_view(names_).substr(nameStart_[m], nameStart_[m + 1] - nameStart_[m]);
    }

    // The same rows and counts as TallyRangeAndWeek over the members.
    PlayedCounts Tally(std::span<StandingsRow> rows, int firstWeek, int lastWeek, int week) const;

private:
    struct Week {
        std::uint8_t Wins = 0;
        std::uint8_t Losses = 0;
        std::uint8_t Ties = 0;
        bool Played = false;
        std::uint16_t HalfPoints = 0;  // confidence points in halves, exact
        std::uint16_t TiebreakDiff = 0;
    };
    using Weeks = std::array<Week, kMaxWeeks>;  // the league's weeks used

    SeasonGrid games_;
    GradingRules rules_;
    std::vector<Weeks> weeks_;
    std::string names_;                          // every name, one after another
    std::vector<std::uint32_t> nameStart_{0};    // where each begins, and the end
    std::vector<StandingsRow> scratch_;
};

}  // namespace gm
