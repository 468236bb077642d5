#pragma once

#include <span>
#include <string>
#include <string_view>

// One entry function per reader of outside data. Each hands the bytes to the
// loader the program itself uses, then does what the program does next with
// what was loaded (the displays that read it, a save, a read-back), and checks
// the promises the loader makes. The fuzz targets and the regression test of
// kept inputs call the same functions.
namespace gm::fuzz {

struct Outcome {
    // The reader took the input. Binary data files are always taken (bad
    // bytes load as blanks and defaults); an import is refused with reasons.
    bool Accepted = true;
    // The first broken promise found; empty when every check held.
    std::string Fault;
};

// `deep`: also what the program does after loading (displays, saves, the
// export read back). Without it only the loader and its own promises run,
// many times faster, for long runs.
Outcome SeasonFile(std::string_view bytes, bool deep = true);     // "1997.nfl" and the archived seasons
Outcome TodaySeasonFile(std::string_view bytes, bool deep = true);  // "Season.gms", today's league
Outcome PoolFile(std::string_view bytes, bool deep = true);       // "Pool97.dat"
Outcome SettingsFile(std::string_view bytes, bool deep = true);   // "Vask97.ini"
Outcome SportBoxFile(std::string_view bytes, bool deep = true);   // "SportBox.Dat"
Outcome BoxPlayerFile(std::string_view bytes, bool deep = true);  // "SBPlayer.dat"
Outcome DigitalFile(std::string_view bytes, bool deep = true);    // "Digital.dat"
Outcome SeasonCsv(std::string_view bytes, bool deep = true);      // gridmoot-cli import-season
Outcome PoolCsv(std::string_view bytes, bool deep = true);        // gridmoot-cli export-pool, read back
Outcome PicksCsv(std::string_view bytes, bool deep = true);       // gridmoot-cli import-picks
Outcome SiteApi(std::string_view bytes, bool deep = true);        // the picks site's POST /api/picks

struct Target {
    std::string_view Name;  // also the folder of its kept inputs and corpus
    Outcome (*Run)(std::string_view bytes, bool deep);
};
std::span<const Target> Targets();

// For the fuzz targets: deep when GRIDMOOT_FUZZ_DEEP is set (and not 0).
bool DeepByDefault();

// For the fuzz targets: prints the fault and aborts, so the fuzzer keeps the input.
void Check(std::string_view target, const Outcome& outcome);

}  // namespace gm::fuzz
