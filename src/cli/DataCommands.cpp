#include <ostream>

#include "Cli.h"
#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolCsv.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonCsv.h"
#include "core/data/DataFolder.h"
#include "core/data/SeasonFile.h"
#include "core/data/SeasonMerge.h"
#include "core/data/Settings.h"
#include "core/sample/SamplePool.h"

namespace gm::cli {
namespace {

// The folder as a season import finds it: settings, team names, the season
// and the members, without creating a season or pool file that is not there
// (a refused import leaves the folder as it was).
Status LoadFolderForImport(AppState& state) {
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    std::error_code ec;
    const bool hasSeason = fs::is_regular_file(state.File(kTodaySeasonFileName), ec) ||
                           fs::is_regular_file(state.File(kCurrentSeasonRead), ec);
    Status loaded = Status::Ok();
    if (hasSeason) {
        loaded = LoadSeason(state, kCurrentSeasonRead);
        if (!loaded.ok()) return loaded;
        state.CurrentSeasonOpen = true;
    }
    if (fs::exists(state.File(kPoolFileName), ec)) {
        const Status pool = LoadPool(state);
        if (!pool.ok() || pool.isWarning()) return pool;
    }
    return loaded;
}

// A season of today's league into a pool folder: a new folder (made when
// missing), an empty one or one a first start prepared becomes a folder of
// that season; the folder's own season is brought up to date.
int ImportTodaySeason(const Args& args, Context& ctx, const SeasonImport& read) {
    std::error_code ec;
    if (!fs::exists(ctx.DataFolder, ec)) {
        fs::create_directories(ctx.DataFolder, ec);
        if (ec) {
            ctx.Err << "gridmoot-cli import-season: the data folder " << ctx.DataFolder.string()
                    << " cannot be made: " << ec.message() << "\n";
            return 1;
        }
    } else if (!fs::is_directory(ctx.DataFolder, ec)) {
        ctx.Err << "gridmoot-cli: the data folder " << ctx.DataFolder.string() << " is not a folder\n";
        return 1;
    }
    const auto lock = LockForWriting(ctx, "import-season");
    if (!lock) return 1;
    AppState state(ctx.DataFolder);
    if (Status s = LoadFolderForImport(state); !s.ok()) {
        ctx.Err << "gridmoot-cli import-season: " << s.message << "; nothing was imported\n";
        return 1;
    } else if (s.isWarning()) {
        ctx.Err << "gridmoot-cli import-season: warning: " << s.message << "\n";
    }
    const SeasonImportPlan plan = PlanSeasonImport(state, read, args.Flag("--lines"));
    if (!plan.Allowed()) {
        ctx.Err << "gridmoot-cli import-season: " << plan.Refusal << "\n";
        return 1;
    }
    for (const std::string& line : plan.Lines) ctx.Out << line << "\n";
    if (!plan.ChangesAnything()) return 0;
    const bool fresh = plan.What == SeasonImportPlan::Kind::NewSeason;
    if (Status s = ApplySeasonImport(state, plan); !s) {
        ctx.Err << "gridmoot-cli import-season: " << s.message << "\n";
        return 1;
    }
    if (fresh) {
        // A new season starts on its first week, whatever week the folder was on.
        state.CurrentWeek = 1;
        if (Status s = WriteCurrentWeek(state); !s)
            ctx.Err << "gridmoot-cli import-season: warning: " << s.message << "\n";
    }
    ctx.Out << (fresh ? "Imported " : "Updated from ") << read.GamesPlaced << " games of the " << plan.Year
            << " season: " << state.File(kTodaySeasonFileName).string() << "\n";
    return 0;
}

// --season of import-season: a year (four digits); nothing for other text.
std::optional<int> ImportYear(const Args& args) {
    const std::string text = args.Option("--season").value_or("1997");
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoi(text);
}

int ImportSeason(const Args& args, Context& ctx) {
    if (args.Positional().size() != 1) {
        ctx.Err << "gridmoot-cli import-season: give exactly one FILE to import\n";
        return 2;
    }
    const auto season = ImportYear(args);
    if (!season) {
        ctx.Err << "gridmoot-cli import-season: --season must be 1995, 1996 or 1997, or the year of a season of "
                   "today's league, not '"
                << args.Option("--season").value_or("") << "'\n";
        return 2;
    }
    const fs::path input = args.Positional()[0];
    std::string text;
    bool missing = false;
    if (Status s = ReadFileBytes(input, text, &missing); !s || missing) {
        ctx.Err << "gridmoot-cli import-season: "
                << (missing ? FileErrorText("read", input, "No such file or directory") : s.message) << "\n";
        return 1;
    }
    const SeasonImport result = ImportSeasonCsv(text, *season);
    const bool today = result.League == LeagueKind::Today;
    if (!today) {
        if (*season < 1995 || *season > 1997) {
            ctx.Err << "gridmoot-cli import-season: --season must be 1995, 1996 or 1997 for this file, not '"
                    << *season << "'\n";
            return 2;
        }
        // The 1995-97 formats go into a folder that is there, as every command's.
        std::error_code ec;
        if (!ctx.DataGiven && !fs::exists(ctx.DataFolder, ec)) fs::create_directories(ctx.DataFolder, ec);
        if (!fs::is_directory(ctx.DataFolder, ec)) {
            ctx.Err << "gridmoot-cli: the data folder " << ctx.DataFolder.string() << " does not exist\n";
            return 1;
        }
        if (args.Flag("--lines")) {
            ctx.Err << "gridmoot-cli import-season: --lines is for the games CSV of today's league; no season "
                       "file was written\n";
            return 2;
        }
    }
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
    if (today) return ImportTodaySeason(args, ctx, result);
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
    std::error_code ec;
    if (*season == 1997 && fs::is_regular_file(FindFile(ctx.DataFolder, kTodaySeasonFileName), ec)) {
        ctx.Err << "gridmoot-cli export-season: the folder holds a season of today's league ("
                << kTodaySeasonFileName << "); export-season writes seasons of the 1997 league only. The games "
                << "CSV the season was imported from is its CSV.\n";
        return 1;
    }
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
    Command importSeason{"import-season", "read a season from CSV into the season file",
                 "Usage: gridmoot-cli [--data DIR] import-season FILE [--season YEAR] [--lines]\n"
                 "\n"
                 "Reads the games of one season from FILE, told apart by its header line:\n"
                 "\n"
                 "The public games CSV of today's league (header \"season,game_type,week,...\"):\n"
                 "the rows of --season YEAR, weeks 1 to 18 then Wild Card, Divisional,\n"
                 "Conference and Super Bowl as weeks 19 to 22, up to 16 games a week in\n"
                 "kick-off order. A new folder (made when missing), an empty one, or one that\n"
                 "holds neither members nor games becomes a pool folder of that season\n"
                 "(\"Season.gms\"). A folder of that same season is brought up to date: new\n"
                 "scores, games not there yet and moved kick-offs are taken, everything else\n"
                 "stays; a line changes only for a game no member has picked, unless --lines is\n"
                 "given. Every change is listed, then a summary. A folder holding a pool of\n"
                 "another league or season is refused, and nothing is written.\n"
                 "\n"
                 "The 1997 league: writes the season file of that year into the data folder\n"
                 "(\"1997.nfl\", \"1995.NFL\" or \"1996.NFL\").\n"
                 "FILE is either the public scores-and-lines CSV (rows of the chosen season;\n"
                 "weeks 1 to 17, then Wildcard, Division, Conference and Superbowl as weeks 18\n"
                 "to 21; the latest game of each week becomes the Monday-night game) or a CSV\n"
                 "written by export-season.\n"
                 "\n"
                 "Any row that cannot be placed is reported with its line number, and then\n"
                 "nothing is written. Nothing is written while Gridmoot has the folder open.\n"
                 "\n"
                 "  --season YEAR   the season to read: 1995, 1996 or 1997 (the default) from\n"
                 "                  the 1995-97 files, the season's year from the games CSV\n"
                 "  --lines         games CSV: take the file's lines also for games members\n"
                 "                  have picked\n",
                 {"--season"},
                 {"--lines"},
                 ImportSeason};
    // A season of today's league makes its new pool folder; the 1995-97
    // files go into a folder that is there.
    importSeason.MakesFolder = true;
    r.push_back(std::move(importSeason));
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
