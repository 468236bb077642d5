#include <ostream>

#include "Cli.h"
#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolCsv.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonCsv.h"
#include "core/data/DataFolder.h"
#include "core/data/SeasonFile.h"
#include "core/sample/SamplePool.h"

namespace gm::cli {
namespace {

int ImportSeason(const Args& args, Context& ctx) {
    if (args.Positional().size() != 1) {
        ctx.Err << "gridmoot-cli import-season: give exactly one FILE to import\n";
        return 2;
    }
    const auto season = SeasonOption(args, ctx, "import-season");
    if (!season) return 2;
    const fs::path input = args.Positional()[0];
    std::string text;
    bool missing = false;
    if (Status s = ReadFileBytes(input, text, &missing); !s || missing) {
        ctx.Err << "gridmoot-cli import-season: "
                << (missing ? FileErrorText("read", input, "No such file or directory") : s.message) << "\n";
        return 1;
    }
    const SeasonImport result = ImportSeasonCsv(text, *season);
    if (!result.Problems.empty()) {
        constexpr std::size_t kShown = 50;
        for (std::size_t i = 0; i < result.Problems.size() && i < kShown; ++i)
            ctx.Err << input.filename().string() << ":" << result.Problems[i].Line << ": " << result.Problems[i].Reason
                    << "\n";
        if (result.Problems.size() > kShown) ctx.Err << "... and " << result.Problems.size() - kShown << " more\n";
        ctx.Err << "gridmoot-cli import-season: " << result.Problems.size()
                << " row(s) could not be placed; no season file was written\n";
        return 1;
    }
    if (result.GamesPlaced == 0) {
        ctx.Err << "gridmoot-cli import-season: no games of the " << *season
                << " season in " << input.string() << "; no season file was written\n";
        return 1;
    }
    const auto lock = LockForWriting(ctx, "import-season");
    if (!lock) return 1;
    const fs::path target = FindFile(ctx.DataFolder, SeasonFileNameFor(*season));
    if (Status s = WriteFileAtomic(target, EncodeSeason(result.Games)); !s) {
        ctx.Err << "gridmoot-cli import-season: " << s.message << "\n";
        return 1;
    }
    ctx.Out << "Imported " << result.GamesPlaced << " games of the " << *season << " season into "
            << target.string() << "\n";
    return 0;
}

int ExportSeason(const Args& args, Context& ctx) {
    const auto season = SeasonOption(args, ctx, "export-season");
    if (!season) return 2;
    CopyArchivedSeasonsFor(*season, ctx, "export-season");
    const fs::path source = FindFile(ctx.DataFolder, SeasonFileNameFor(*season));
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(source, bytes, &missing); !s || missing) {
        ctx.Err << "gridmoot-cli export-season: "
                << (missing ? FileErrorText("read", source, "No such file or directory") : s.message) << "\n";
        return 1;
    }
    ctx.Out << ExportSeasonCsv(DecodeSeason(bytes));
    return 0;
}

int ExportPool(const Args&, Context& ctx) {
    AppState state(ctx.DataFolder);
    const fs::path file = state.File(kPoolFileName);
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        ctx.Err << "gridmoot-cli export-pool: " << FileErrorText("read", file, "No such file or directory") << "\n";
        return 1;
    }
    const Status s = LoadPool(state);
    if (!s) {
        ctx.Err << "gridmoot-cli export-pool: " << s.message << "\n";
        return 1;
    }
    if (s.isWarning()) ctx.Err << "gridmoot-cli export-pool: " << s.message << "\n";
    ctx.Out << ExportPoolCsv(state.Members);
    return 0;
}

int MakeSample(const Args& args, Context& ctx) {
    if (!args.Positional().empty()) {
        ctx.Err << "gridmoot-cli make-sample: takes no FILE; name the folder with --data\n";
        return 2;
    }
    // Without --data the sample goes beside the user's own pool, never into it.
    const fs::path folder = ctx.DataGiven ? ctx.DataFolder : SampleFolderBeside(UserDataFolder());
    std::vector<fs::path> sample;
    for (const fs::path& seasons : ctx.ShippedSeasons) sample.push_back(seasons.parent_path() / "sample");
    std::error_code ec;
    fs::create_directories(folder, ec);
    ctx.DataFolder = folder;
    const auto lock = LockForWriting(ctx, "make-sample");
    if (!lock) return 1;
    if (Status s = MakeSamplePool(folder, ctx.ShippedSeasons, sample); !s) {
        ctx.Err << "gridmoot-cli make-sample: " << s.message << "\n";
        return 1;
    }
    ctx.Out << "Made the sample pool in " << folder.string() << "\n";
    return 0;
}

}  // namespace

void RegisterDataCommands(Registry& r) {
    r.push_back({"import-season", "read a season from CSV into the season file",
                 "Usage: gridmoot-cli [--data DIR] import-season FILE [--season 1995|1996|1997]\n"
                 "\n"
                 "Reads the games of one season from FILE and writes the season file of that\n"
                 "year into the data folder (\"1997.nfl\", \"1995.NFL\" or \"1996.NFL\").\n"
                 "FILE is either the public scores-and-lines CSV (rows of the chosen season;\n"
                 "weeks 1 to 17, then Wildcard, Division, Conference and Superbowl as weeks 18\n"
                 "to 21; the latest game of each week becomes the Monday-night game) or a CSV\n"
                 "written by export-season. Any row that cannot be placed is reported with its\n"
                 "line number, and then nothing is written.\n"
                 "\n"
                 "  --season YEAR   1995, 1996 or 1997 (default 1997)\n",
                 {"--season"},
                 {},
                 ImportSeason});
    r.push_back({"export-season", "write a season file as CSV to standard output",
                 "Usage: gridmoot-cli [--data DIR] export-season [--season 1995|1996|1997]\n"
                 "\n"
                 "Writes one CSV row per game slot in use, every field of the game record,\n"
                 "with a header. import-season reads it back to the same file, byte for byte.\n"
                 "\n"
                 "  --season YEAR   1995, 1996 or 1997 (default 1997)\n",
                 {"--season"},
                 {},
                 ExportSeason});
    r.push_back({"export-pool", "write the pool members and their entries as CSV",
                 "Usage: gridmoot-cli [--data DIR] export-pool\n"
                 "\n"
                 "Writes the members of \"Pool97.dat\" in record order (name, player number),\n"
                 "each followed by every non-zero pick, confidence and tiebreak entry, as CSV\n"
                 "with the header record,name,player_number,entry,week,slot,value. Weeks are\n"
                 "1-based, game slots 0-based (slot 14 is the Monday-night game).\n",
                 {},
                 {},
                 ExportPool});
    Command sample{"make-sample", "make the sample pool (the 1997 season through week 8, twelve members)",
                   "Usage: gridmoot-cli [--data DIR] make-sample\n"
                   "\n"
                   "Writes the sample pool into DIR (made when missing; it must be empty or an\n"
                   "earlier sample, which is made afresh): the real 1997 season played through\n"
                   "week 8, twelve members with picks, confidence points and Monday-night entries\n"
                   "for weeks 1 to 8, pool options that grade against the spread by confidence\n"
                   "points, the Sports Box and the Digital Pool filled in, and the pool on week 9.\n"
                   "The same pool every time. Without --data it goes to the folder that\n"
                   "'gridmoot --sample' opens (~/.local/share/gridmoot-sample).\n",
                   {},
                   {},
                   MakeSample};
    sample.MakesFolder = true;
    r.push_back(std::move(sample));
}

}  // namespace gm::cli
