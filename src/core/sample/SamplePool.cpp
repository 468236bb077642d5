#include "SamplePool.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <system_error>

#include "core/data/FolderLock.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/pool/Grading.h"
#include "core/shell/Startup.h"
#include "core/sidepools/DigitalPlayers.h"
#include "core/sidepools/SportsBox.h"

namespace gm {
namespace {

// Twelve members of an imaginary office; each leans toward favourites by a
// different amount, so that the standings spread out.
struct SampleMember {
    std::string_view Name;
    int FavouritePercent;  // how often the member takes the favourite
};
constexpr std::array<SampleMember, 12> kMembers{{
    {"Pat Donnelly", 70},
    {"Rosa Martinez", 62},
    {"Dwayne Hicks", 55},
    {"Linda Okafor", 75},
    {"Gary Feldman", 48},
    {"Maureen Walsh", 66},
    {"Tony Bianchi", 58},
    {"Sandra Kim", 72},
    {"Earl Jennings", 40},
    {"Beth Lindqvist", 64},
    {"Carlos Reyes", 52},
    {"Judy Thornton", 68},
}};

// A small generator whose sequence is fixed by its seed on every platform and
// standard library (the standard distributions are not).
class SampleRandom {
public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// The favourite of a game with a line: the side that gives points.
int Favourite(const GameRecord& g) {
    if (g.HomeSpread > g.AwaySpread) return g.AwayTeam;
    if (g.AwaySpread > g.HomeSpread) return g.HomeTeam;
    return g.HomeTeam;  // a pick'em game: the home side
}
int Underdog(const GameRecord& g) { return Favourite(g) == g.HomeTeam ? g.AwayTeam : g.HomeTeam; }

std::vector<MemberRecord> SampleMembers(const SeasonGrid& games, SampleRandom& rng) {
    std::vector<MemberRecord> out;
    int number = 0;
    for (const SampleMember& m : kMembers) {
        MemberRecord r;
        r.Name = FitName(m.Name);
        r.PlayerNumber = static_cast<std::int16_t>(++number);
        for (int w = 0; w < kSampleLastPlayedWeek; ++w) {
            std::vector<int> slots;
            for (int s = 0; s < kSlots; ++s)
                if (games[w][s].HasGame()) slots.push_back(s);
            // Confidence points 1 to the number of games, each once, shuffled.
            std::vector<int> points(slots.size());
            for (std::size_t i = 0; i < points.size(); ++i) points[i] = static_cast<int>(i) + 1;
            for (std::size_t i = points.size(); i > 1; --i)
                std::swap(points[i - 1], points[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
            for (std::size_t i = 0; i < slots.size(); ++i) {
                const GameRecord& g = games[w][slots[i]];
                const bool favourite = rng.Below(100) < m.FavouritePercent;
                r.Picks[w][slots[i]] = static_cast<std::uint8_t>(favourite ? Favourite(g) : Underdog(g));
                r.Confidence[w][slots[i]] = static_cast<std::uint8_t>(points[i]);
            }
            // The Monday-night entry: a guess of the game's total points.
            if (games[w][kMondaySlot].HasGame()) r.Tiebreak[w] = static_cast<std::uint8_t>(24 + rng.Below(37));
        }
        out.push_back(std::move(r));
    }
    return out;
}

bool EmptyButForLock(const fs::path& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().filename() != FolderLock::kFileName) return false;
    return !ec;
}

Status ClearSample(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().filename() != FolderLock::kFileName) entries.push_back(entry.path());
    if (ec) return Status::Error(FileErrorText("read the folder", folder, ec.message()));
    for (const fs::path& p : entries) {
        fs::remove_all(p, ec);
        if (ec) return Status::Error(FileErrorText("remove", p, ec.message()));
    }
    return Status::Ok();
}

Status Fail(const std::vector<Status>& problems) {
    for (const Status& s : problems)
        if (!s.ok()) return s;
    return Status::Ok();
}

Status WriteSampleSettings(const AppState& state) {
    const std::array<std::pair<const SettingKey*, std::string_view>, 5> values{{
        {&keys::PointSpreads, "Yes"},
        {&keys::PoolSort, "Confidence"},
        {&keys::MaxCPoints, "GamesPlayed"},
        {&keys::Title, kSampleTitle},
        {&keys::Comment, "Sample pool: Pick Sheets are due by Friday, Noon"},
    }};
    for (const auto& [key, value] : values)
        if (Status s = WriteSetting(state.Settings, *key, value); !s) return s;
    return WriteCurrentWeek(state);
}

Status FillSideGames(AppState& state, SampleRandom& rng) {
    // The Sports Box: every member listed, each week to 9 filled one box per
    // member and the rest at random, digits drawn, on the Monday-night game.
    {
        SportsBox box(state, rng.Next());
        box.ImportMembers();
        while (box.SpinWeek(-1)) {
        }
        for (int week = 1; week <= kSampleCurrentWeek; ++week) {
            (void)box.Fill(SportsBox::Scheme::OnePerBoxRandom);
            (void)box.Fill(SportsBox::Scheme::Digits);
            while (box.GameNumber() < kSlots && box.SpinGame(1)) {
            }
            if (week < kSampleCurrentWeek) box.SpinWeek(1);
        }
        if (Status s = box.Save(); !s) return s;
    }
    // The Digital Pool: each member draws a different team.
    {
        DigitalPlayers digital(state);
        std::vector<int> teams(kTeams);
        for (int t = 0; t < kTeams; ++t) teams[static_cast<std::size_t>(t)] = t + 1;
        for (std::size_t i = teams.size(); i > 1; --i)
            std::swap(teams[i - 1], teams[static_cast<std::size_t>(rng.Below(static_cast<int>(i)))]);
        for (std::size_t i = 0; i < kMembers.size(); ++i)
            (void)digital.Update(-1, kMembers[i].Name, teams[i]);
        if (Status s = digital.Save(); !s) return s;
    }
    state.CurrentWeek = kSampleCurrentWeek;
    return Status::Ok();
}

}  // namespace

fs::path SampleFolderBeside(const fs::path& userDataFolder) {
    fs::path base = userDataFolder;
    if (!base.has_filename()) base = base.parent_path();
    return base.parent_path() / (base.filename().string() + "-sample");
}

bool IsSampleFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(FindFile(folder, kSampleMarkerName), ec);
}

SeasonGrid SampleSeason(const SeasonGrid& fullSeason) {
    SeasonGrid games = fullSeason;
    for (int w = kSampleLastPlayedWeek; w < kWeeks; ++w) {
        for (GameRecord& g : games[w]) {
            g.HomeScore = g.AwayScore = 0;
            ApplyResult(g);
            // Lines are known a week ahead: the week the pool is on keeps its own.
            if (w >= kSampleCurrentWeek) g.HomeSpread = g.AwaySpread = 0.0f;
        }
    }
    GradeAgainstSpread(games);
    return games;
}

Status MakeSamplePool(const fs::path& folder, const std::vector<fs::path>& shippedSeasons,
                      const std::vector<fs::path>& shippedSample) {
    std::error_code ec;
    if (fs::exists(folder, ec)) {
        if (!fs::is_directory(folder, ec))
            return Status::Error(FileErrorText("make the sample in", folder, "Not a directory"));
        if (IsSampleFolder(folder)) {
            if (Status s = ClearSample(folder); !s) return s;
        } else if (!EmptyButForLock(folder)) {
            return Status::Error("The folder " + folder.string() +
                                 " is not empty and holds no sample; the sample is only made in a new or empty "
                                 "folder, so that no pool is overwritten.");
        }
    }

    std::string seasonBytes;
    for (const fs::path& shipped : shippedSample) {
        const fs::path file = FindFile(shipped, kSampleSeasonName);
        if (!fs::is_regular_file(file, ec)) continue;
        if (Status s = ReadFileBytes(file, seasonBytes); !s) return s;
        break;
    }
    if (seasonBytes.size() != static_cast<std::size_t>(kSeasonFileSize))
        return Status::Error("The sample's season (" + std::string(kSampleSeasonName) +
                             ") is missing from the program's files or damaged; reinstall Gridmoot.");

    if (Status s = Fail(PrepareDataFolder(folder, shippedSeasons)); !s) return s;
    const SeasonGrid games = SampleSeason(DecodeSeason(seasonBytes));
    if (Status s = WriteFileAtomic(FindFile(folder, kCurrentSeasonWritten), EncodeSeason(games)); !s) return s;

    SampleRandom rng(kSampleSeed);
    AppState state(folder);
    state.Games = games;
    if (Status s = RebuildPool(state, SampleMembers(games, rng)); !s) return s;
    state.LastPlayerNumber = static_cast<int>(kMembers.size());
    if (Status s = WriteLastPlayerNumber(state); !s) return s;
    state.CurrentWeek = kSampleCurrentWeek;
    if (Status s = FillSideGames(state, rng); !s) return s;
    if (Status s = WriteSampleSettings(state); !s) return s;
    return WriteFileAtomic(folder / std::string(kSampleMarkerName),
                           "This folder is Gridmoot's sample pool. Start \"gridmoot --sample --reset\" to make it "
                           "afresh.\n");
}

}  // namespace gm
