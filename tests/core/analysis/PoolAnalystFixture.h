#pragma once

// A three-member pool on a four-week season for the Pool Analyst and the Pool
// Experts, written to a data folder as the program's own files.
//
// Week 1: Phi 20 - Dal 17 (Dal +3: a push against the spread);
//         Monday Den 0 - Kc 0 (not played).
// Week 2: Dal 24 - Den 21 (Den +7: Denver covers); NyG 10 - Ari 10 (a tie).
// Week 3: Phi - NyG not played.
// Week 4: Dal 30 - Phi 10; Den - Ari not played; Kc 14 - NyG 21; Chi 7 - Min 3.
// (Home team first.)
//
// Ann and Ben pick; Cy never does.

#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "support/TempDir.h"

namespace gm::test {

namespace team {
inline constexpr int Ari = 1, Chi = 6, Dal = 8, Den = 9, Kc = 15, Min = 17, NyG = 20, Phi = 23;
}

inline SeasonGrid AnalysisSeason() {
    using namespace team;
    SeasonGrid games{};
    games[0][0] = FixtureGame(Phi, Dal, 20, 17, 0, 3);
    games[0][14] = FixtureGame(Den, Kc, 0, 0);
    games[1][0] = FixtureGame(Dal, Den, 24, 21, 0, 7);
    games[1][1] = FixtureGame(NyG, Ari, 10, 10);
    games[2][0] = FixtureGame(Phi, NyG, 0, 0);
    games[3][0] = FixtureGame(Dal, Phi, 30, 10);
    games[3][1] = FixtureGame(Den, Ari, 0, 0);
    games[3][2] = FixtureGame(Kc, NyG, 14, 21);
    games[3][3] = FixtureGame(Chi, Min, 7, 3);
    return games;
}

inline std::vector<MemberRecord> AnalysisMembers() {
    using namespace team;
    MemberRecord ann, ben, cy;
    ann.Name = FitName("Ann");
    ben.Name = FitName("Ben");
    cy.Name = FitName("Cy");
    Pick(ann, 0, 0, Dal, 3), Pick(ann, 0, 14, Den, 5), Pick(ann, 1, 0, Dal, 4), Pick(ann, 1, 1, NyG, 2);
    Pick(ann, 3, 0, Dal, 1), Pick(ann, 3, 1, Ari, 2), Pick(ann, 3, 2, NyG, 3);
    Pick(ben, 0, 0, Phi, 1), Pick(ben, 1, 0, Den, 2), Pick(ben, 1, 1, Ari, 6);
    Pick(ben, 3, 0, Phi, 1), Pick(ben, 3, 2, NyG, 1);
    return {ann, ben, cy};
}

// The season, pool and settings (CurrentWeek and options as given) in a data
// folder with "TxtFiles" and "Webpages", loaded the way start-up does.
struct AnalysisFixture {
    TempDir Dir;
    AppState State{Dir.path()};

    explicit AnalysisFixture(int currentWeek = 3, const std::string& options = "",
                             std::vector<MemberRecord> members = AnalysisMembers()) {
        std::filesystem::create_directory(Dir / "TxtFiles");
        std::filesystem::create_directory(Dir / "Webpages");
        WriteFile(Dir / "1997.NFL", EncodeSeason(AnalysisSeason()));
        WriteFile(Dir / "Pool97.dat", EncodePool(members));
        WriteFile(Dir / "Vask97.ini",
                  "[Gridmoot]\r\nCurrentWeek=" + std::to_string(currentWeek) + "\r\n[Options]\r\n" + options);
        (void)LoadLikeStartup(State, Dir.path());
    }
};

}  // namespace gm::test
