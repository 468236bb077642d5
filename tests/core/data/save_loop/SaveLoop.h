#pragma once

// The two versions the save-loop helper writes in turn, shared by the helper
// and the test that kills it.
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/PoolFile.h"
#include "core/data/Settings.h"

namespace gm::test {

inline std::vector<MemberRecord> SaveLoopMembers(int version) {
    std::vector<MemberRecord> members;
    for (int i = 0; i < 2 + version; ++i) {
        MemberRecord m;
        m.Name = FitName(std::string(1, static_cast<char>('A' + i)) + " Member");
        m.PlayerNumber = static_cast<std::int16_t>(i + 1);
        for (int w = 0; w < kWeeks; ++w)
            for (int g = 0; g < kSlots; ++g) m.Picks[w][g] = static_cast<std::uint8_t>(1 + (w + g + version) % 30);
        members.push_back(m);
    }
    return members;
}

inline std::string_view SaveLoopSort(int version) { return version == 0 ? "Wins" : "WinPct"; }

// Saves version 0 or 1 of the pool (rebuilt through "Temp.dat") and of one
// setting in `folder`; false when a save failed.
inline bool SaveLoopVersion(const fs::path& folder, int version) {
    AppState state(folder);
    const auto members = SaveLoopMembers(version);
    return RebuildPool(state, members).ok() && WriteSetting(state.Settings, keys::PoolSort, SaveLoopSort(version)).ok();
}

}  // namespace gm::test
