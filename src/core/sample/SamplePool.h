#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// The sample pool a newcomer can explore: the real 1997 season played through
// week 8 (the later weeks scheduled, week 9's lines in), twelve members with
// picks, confidence points and Monday-night entries for weeks 1 to 8, pool
// options that grade against the spread by confidence points, both side games
// filled in, and the pool moved to week 9. The same seed gives the same pool.

inline constexpr int kSampleLastPlayedWeek = 8;
inline constexpr int kSampleCurrentWeek = 9;
inline constexpr std::uint64_t kSampleSeed = 1997;

// Marks a data folder as the sample, so that the program can say so and a
// reset knows it may remake the folder.
inline constexpr std::string_view kSampleMarkerName = "Sample.txt";
inline constexpr std::string_view kSampleTitle = "The Gridmoot Sample Pool";

// The season file the sample is made from, shipped with the program
// (share/sample, made by tools/make-archived-seasons.sh from the public results).
inline constexpr std::string_view kSampleSeasonName = "1997.NFL";

// The sample's folder for a user: beside the per-user data folder
// (~/.local/share/gridmoot-sample beside ~/.local/share/gridmoot).
std::filesystem::path SampleFolderBeside(const std::filesystem::path& userDataFolder);

bool IsSampleFolder(const std::filesystem::path& folder);

// The season of the sample from the full 1997 season: scores after week 8 and
// lines after week 9 taken out, every game still scheduled.
SeasonGrid SampleSeason(const SeasonGrid& fullSeason);

// Writes the sample into `folder`: made when missing; it must be empty or an
// earlier sample (whose files are replaced). `shippedSeasons` are the folders
// of the archived seasons (as for a first start), `shippedSample` the folders
// that may hold the sample's season file. On failure the message says what
// could not be done and why.
Status MakeSamplePool(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& shippedSeasons,
                      const std::vector<std::filesystem::path>& shippedSample);

}  // namespace gm
