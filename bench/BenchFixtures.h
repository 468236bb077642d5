// What the benchmarks measure against: a data folder holding a full season
// (the 1996 season shipped in share/seasons/1996.NFL, every week scored,
// copied in as the current season) and, where wanted, a pool in which every
// member picks every game slot of all 21 weeks with confidence points and a
// Monday-night entry every week.

#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/MemberRecord.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"

namespace gm::bench {

namespace fs = std::filesystem;

// The largest pool the file allows (the member count is 16 bits) and a pool
// of an ordinary office.
inline constexpr int kLargestPool = kMaxMembers;
inline constexpr int kOfficePool = 1000;

inline fs::path ShippedSeason() {
#ifdef GRIDMOOT_SOURCE_DIR
    // The build names the source tree: the programs run from any folder.
    return fs::path(GRIDMOOT_SOURCE_DIR) / "share" / "seasons" / "1996.NFL";
#else
    // This header lies in bench/ of the source tree.
    return fs::path(__FILE__).lexically_normal().parent_path().parent_path() / "share" / "seasons" / "1996.NFL";
#endif
}

// A set-up step that failed leaves nothing worth measuring.
inline void Require(const Status& s) {
    if (!s) throw std::runtime_error("benchmark set-up: " + s.message);
}

// Copies the full season into `folder` as the current season.
inline void PutSeason(const fs::path& folder) {
    fs::create_directories(folder);
    fs::copy_file(ShippedSeason(), folder / std::string(kCurrentSeasonRead), fs::copy_options::overwrite_existing);
}

// How the members' picks are spread: every member's own (`Differing`, so
// that ties are rare) or copied from a few dozen entries, as members of a
// real pool follow the favourites and each other (`Repeating`: whole groups
// tie on every total, about half of them on the Monday-night entry too).
enum class PoolKind { Differing, Repeating };

inline constexpr int kRepeatingEntries = 48;

// `count` members, each with a team on every game slot of all 21 weeks (a
// slot without a game still gets one), confidence points 1 to 15 and a
// Monday-night entry every week. The same seed gives the same pool.
inline std::vector<MemberRecord> MakeMembers(const SeasonGrid& games, int count, unsigned seed = 1996,
                                             PoolKind kind = PoolKind::Differing) {
    std::mt19937 rng(seed);
    const auto fillPicks = [&](MemberRecord& m) {
        for (int w = 0; w < kWeeks; ++w) {
            for (int g = 0; g < kSlots; ++g) {
                const GameRecord& game = games[w][g];
                const int home = game.HasGame() ? game.HomeTeam : 1 + static_cast<int>(rng() % 30);
                const int away = game.HasGame() ? game.AwayTeam : 1 + static_cast<int>(rng() % 30);
                m.Picks[w][g] = static_cast<std::uint8_t>(rng() & 1 ? home : away);
                m.Confidence[w][g] = static_cast<std::uint8_t>(1 + rng() % 15);
            }
            m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 80);
        }
    };
    std::vector<MemberRecord> entries;
    if (kind == PoolKind::Repeating) {
        entries.resize(kRepeatingEntries);
        for (MemberRecord& e : entries) fillPicks(e);
    }
    std::vector<MemberRecord> members(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        MemberRecord& m = members[static_cast<std::size_t>(i)];
        if (kind == PoolKind::Repeating) {
            const MemberRecord& e = entries[rng() % entries.size()];
            m.Picks = e.Picks;
            m.Confidence = e.Confidence;
            m.Tiebreak = e.Tiebreak;
            for (int w = 0; w < kWeeks; ++w)
                if (rng() & 1) m.Tiebreak[w] = static_cast<std::uint8_t>(rng() % 80);
        } else {
            fillPicks(m);
        }
        m.Name = FitName("Member " + std::to_string(i));
        m.PlayerNumber = static_cast<std::int16_t>(i + 1);
    }
    return members;
}

// Writes the season and a pool of `members` members into `folder`; returns
// the pool file's size.
inline std::uintmax_t WritePoolFolder(const fs::path& folder, int members, PoolKind kind = PoolKind::Differing) {
    PutSeason(folder);
    AppState state(folder);
    Require(LoadSeason(state, kCurrentSeasonRead));
    const fs::path pool = folder / std::string(kPoolFileName);
    Require(WriteFileAtomic(pool, EncodePool(MakeMembers(state.Games, members, 1996, kind))));
    return fs::file_size(pool);
}

// The pool options the benchmarks grade with: against the spread, ranked by
// confidence points, both tiebreak sorts (Monday difference and total wins).
inline void UseBenchOptions(AppState& state) {
    state.PointSpreads = "Yes";
    state.PoolSort = "Confidence";
    state.TBMethod = "Wins";
    state.SecondaryTB = "Monday";
    state.MondayPts = "TotalPoints";
    state.CurrentWeek = kWeeks;
}

// One combination of the pool options that change how the standings grade
// and order: spreads, the main sort, the first tiebreaker, the Monday-night
// tiebreaker as the second.
struct OptionSet {
    bool Spreads = true;
    std::string Sort = "Confidence";  // "Confidence", "Wins" or "WinPct"
    std::string TBMethod = "Wins";    // "MonGame", "Wins", "WinPct" or "NotUsed"
    bool Monday = true;

    void Apply(AppState& state) const {
        state.PointSpreads = Spreads ? "Yes" : "No";
        state.PoolSort = Sort;
        state.TBMethod = TBMethod;
        state.SecondaryTB = Monday ? "Monday" : "None";
        state.MondayPts = "TotalPoints";
    }
    std::string Label() const {
        return std::string(Spreads ? "ats" : "su") + "/" + Sort + "/tb:" + TBMethod + "/" + (Monday ? "monday" : "nomonday");
    }
};

// Every combination: 2 x 3 x 4 x 2 = 48.
inline std::vector<OptionSet> AllOptionSets() {
    std::vector<OptionSet> sets;
    for (const bool spreads : {true, false})
        for (const char* sort : {"Confidence", "Wins", "WinPct"})
            for (const char* tb : {"MonGame", "Wins", "WinPct", "NotUsed"})
                for (const bool monday : {true, false}) sets.push_back({spreads, sort, tb, monday});
    return sets;
}

// The same options as the settings file the program reads at start-up.
inline void WriteBenchSettings(const fs::path& folder) {
    Require(WriteFileAtomic(folder / std::string(kSettingsFileName),
                            "[Options]\r\nPointSpreads=Yes\r\nPoolSort=Confidence\r\nTBMethod=Wins\r\n"
                            "SecondaryTB=Monday\r\nMondayPts=TotalPoints\r\n[Gridmoot]\r\nCurrentWeek=21\r\n"));
}

// A temporary data folder removed again at the end.
class TempFolder {
public:
    explicit TempFolder(const std::string& tag)
        : path_(fs::temp_directory_path() / ("gridmoot-" + tag + "-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// The full season loaded, every week scored; the current week the last.
struct FullSeason {
    TempFolder folder;
    AppState state;

    explicit FullSeason(const std::string& tag = "season") : folder(tag), state(folder.Path()) {
        PutSeason(folder.Path());
        Require(LoadSeason(state, kCurrentSeasonRead));
        state.CurrentWeek = kWeeks;
    }
};

// The full season and a pool of `members` members, written to its file and
// loaded back as the program loads it, with the benchmark options.
struct FullPool {
    TempFolder folder;
    AppState state;
    std::uintmax_t fileSize = 0;

    explicit FullPool(int members, const std::string& tag = "pool", PoolKind kind = PoolKind::Differing)
        : folder(tag), state(folder.Path()) {
        fileSize = WritePoolFolder(folder.Path(), members, kind);
        Require(LoadSeason(state, kCurrentSeasonRead));
        Require(LoadPool(state));
        UseBenchOptions(state);
    }
};

}  // namespace gm::bench
