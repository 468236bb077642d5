#include <algorithm>
#include <charconv>
#include <vector>
#include <ostream>

#include "Cli.h"
#include "OutTarget.h"
#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/members/PicksCsv.h"

namespace gm::cli {
namespace {

constexpr std::size_t kProblemsShown = 50;

const char* const kFormatHelp =
    "The file is CSV (comma-separated, fields may be quoted, lines end in LF or\n"
    "CR LF) with the header line\n"
    "\n"
    "  member,game,team,confidence,monday\n"
    "\n"
    "and one row per member and game of the week:\n"
    "  member      the member's name (any letter case) or, in digits only, the\n"
    "              player number; a name several members share needs the number;\n"
    "              #K is the K-th member of the pool file\n"
    "  game        the game's place in the week, 1 to 15 (15 is the Monday-night\n"
    "              game), or AWAY@HOME with both teams named as in the team column;\n"
    "              in today's league 1 to 16 (the tiebreak game is the week's last\n"
    "              by kick-off), and export-picks writes AWAY@HOME (BAL@KC)\n"
    "  team        the team picked: number 1 to 30, abbreviation, location, name,\n"
    "              or location and name; in today's league 1 to 32 and also the\n"
    "              team's id of the public games CSV (LA, LAC, NYJ, WAS, ...);\n"
    "              it must play in that game; empty: no pick\n"
    "  confidence  confidence points, empty or 0 for none, at most 99; only in a\n"
    "              pool ranked by confidence points, and only with a team picked.\n"
    "              Points outside the week's range (1 to the number of games n, or\n"
    "              16 - n to 15 under \"15 Down To XX\") or on two games of one\n"
    "              member's week are taken, as the selections window keeps them,\n"
    "              and reported as warnings\n"
    "  monday      the Monday-night tiebreak entry for the week, 0 to 99; on any of\n"
    "              the member's rows (rows that give it must agree); empty leaves it;\n"
    "              only when the pool uses the Monday-night tiebreaker\n";

// The folder holds a season of today's league.
bool HoldsTodaySeason(const Context& ctx) {
    std::error_code ec;
    return fs::is_regular_file(FindFile(ctx.DataFolder, kTodaySeasonFileName), ec);
}

// The week of --week: 1 to the last week of the folder's league (21, or 22 in
// today's league). Anything else is reported and gives nothing.
std::optional<int> WeekOption(const Args& args, Context& ctx, const std::string& command) {
    const int weeks = HoldsTodaySeason(ctx) ? LeagueToday().Weeks : kWeeks;
    const std::string range = "1 to " + std::to_string(weeks);
    const auto text = args.Option("--week");
    if (!text) {
        ctx.Err << "gridmoot-cli " << command << ": give the week with --week N (" << range << ")\n";
        return std::nullopt;
    }
    int week = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), week);
    if (ec != std::errc() || end != text->data() + text->size() || week < 1 || week > weeks) {
        ctx.Err << "gridmoot-cli " << command << ": --week must be a number from " << range << ", not '" << *text
                << "'\n";
        return std::nullopt;
    }
    return week;
}

}  // namespace

// What the selections window works from: the pool options, the team names,
// the current season and the pool.
bool LoadPoolState(AppState& state, Context& ctx, const std::string& command) {
    // Loading would create a missing season or pool file empty; a command that
    // only reads or fails must not leave new files behind.
    std::error_code ec;
    const bool today = fs::is_regular_file(state.File(kTodaySeasonFileName), ec);
    for (const std::string_view name : {today ? kTodaySeasonFileName : kCurrentSeasonRead, kPoolFileName}) {
        if (const fs::path file = state.File(name); !fs::exists(file, ec)) {
            ctx.Err << "gridmoot-cli " << command << ": " << FileErrorText("read", file, "No such file or directory")
                    << "\n";
            return false;
        }
    }
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    for (const Status& s : {LoadSeason(state, kCurrentSeasonRead), LoadPool(state)}) {
        if (!s.ok()) {
            ctx.Err << "gridmoot-cli " << command << ": " << s.message << "\n";
            return false;
        }
        if (s.isWarning()) ctx.Err << "gridmoot-cli " << command << ": warning: " << s.message << "\n";
    }
    return true;
}

namespace {

int ImportPicks(const Args& args, Context& ctx) {
    const std::string command = "import-picks";
    if (args.Positional().size() != 1) {
        ctx.Err << "gridmoot-cli import-picks: give exactly one FILE to import\n";
        return 2;
    }
    const auto week = WeekOption(args, ctx, command);
    if (!week) return 2;
    const fs::path input = args.Positional()[0];
    std::string text;
    bool missing = false;
    if (Status s = ReadFileBytes(input, text, &missing); !s || missing) {
        ctx.Err << "gridmoot-cli import-picks: "
                << (missing ? FileErrorText("read", input, "No such file or directory") : s.message) << "\n";
        return 1;
    }
    AppState state(ctx.DataFolder);
    if (!LoadPoolState(state, ctx, command)) return 1;
    PicksImport result = ImportPicksCsv(state, *week, text);
    const bool strict = args.Flag("--strict");
    // Problems and warnings together, in line order; with --strict a warning refuses the file too.
    struct Said {
        const PicksProblem* What;
        bool Warning;
    };
    std::vector<Said> said;
    for (const PicksProblem& p : result.Problems) said.push_back({&p, false});
    for (const PicksProblem& p : result.Warnings) said.push_back({&p, !strict});
    std::stable_sort(said.begin(), said.end(), [](const Said& a, const Said& b) { return a.What->Line < b.What->Line; });
    for (std::size_t i = 0; i < said.size() && i < kProblemsShown; ++i) {
        const PicksProblem& p = *said[i].What;
        ctx.Err << input.filename().string();
        if (p.Line > 0) ctx.Err << ":" << p.Line;
        ctx.Err << ": " << (said[i].Warning ? "warning: " : "") << p.Reason << "\n";
    }
    if (said.size() > kProblemsShown) ctx.Err << "... and " << said.size() - kProblemsShown << " more\n";
    const std::size_t refused = result.Problems.size() + (strict ? result.Warnings.size() : 0);
    if (refused > 0) {
        ctx.Err << "gridmoot-cli import-picks: " << refused << " problem(s)"
                << (strict && !result.Warnings.empty() ? " (warnings count with --strict)" : "")
                << "; nothing was written to the pool file\n";
        return 1;
    }
    const auto lock = LockForWriting(ctx, command);
    if (!lock) return 1;
    state.Members = std::move(result.Members);
    if (Status s = SavePool(state); !s) {
        ctx.Err << "gridmoot-cli import-picks: " << s.message << "\n";
        return 1;
    }
    ctx.Out << "Imported " << result.Rows << " row(s) of week " << *week << " into "
            << state.File(kPoolFileName).string();
    if (!result.Warnings.empty()) ctx.Out << " with " << result.Warnings.size() << " warning(s)";
    ctx.Out << "\n";
    return 0;
}

int ExportPicks(const Args& args, Context& ctx) {
    const std::string command = "export-picks";
    if (!args.Positional().empty()) {
        ctx.Err << "gridmoot-cli export-picks: unexpected argument '" << args.Positional()[0] << "'\n";
        return 2;
    }
    const auto week = WeekOption(args, ctx, command);
    if (!week) return 2;
    AppState state(ctx.DataFolder);
    if (!LoadPoolState(state, ctx, command)) return 1;
    std::string text;
    if (Status s = ExportPicksCsv(state, *week, text); !s) {
        ctx.Err << "gridmoot-cli export-picks: " << s.message << "\n";
        return 1;
    }
    if (const auto out = args.Option("--out"); out && !IsStandardOutput(*out)) {
        if (Status s = WriteFileAtomic(fs::absolute(*out), text); !s) {
            ctx.Err << "gridmoot-cli export-picks: " << s.message << "\n";
            return 1;
        }
        return 0;
    }
    ctx.Out << text;
    return 0;
}

}  // namespace

void RegisterPicksCommands(Registry& r) {
    r.push_back({"import-picks", "read members' selections of one week from CSV into the pool file",
                 std::string("Usage: gridmoot-cli [--data DIR] import-picks FILE --week N\n"
                             "\n"
                             "Reads the members' selections of week N (1 to 21; 1 to 22 in today's\n"
                             "league) from FILE and saves them in \"Pool97.dat\", checked as the\n"
                             "selections window checks them. Rows for\n"
                             "members and games the file does not mention leave those selections as they\n"
                             "are. Every row that cannot be taken is reported with its line number (the\n"
                             "first 50, then how many more), and then nothing is written. Duplicate or\n"
                             "out-of-range confidence points are warnings: they are taken as the\n"
                             "selections window keeps them when its question is answered No. A row may\n"
                             "restate what the pool already holds (as export-picks writes it), even a pick\n"
                             "of a team no longer in its game; that is kept, with a warning. Nothing is\n"
                             "written while Gridmoot has the folder open: close it first.\n"
                             "\n") +
                     kFormatHelp +
                     "\n"
                     "  --week N   the week the rows belong to (1 to 21; 22 in today's league)\n"
                     "  --strict   refuse the file, writing nothing, when it draws any warning\n",
                 {"--week"},
                 {"--strict"},
                 ImportPicks});
    r.push_back({"export-picks", "write members' selections of one week as CSV",
                 std::string("Usage: gridmoot-cli [--data DIR] export-picks --week N [--out FILE]\n"
                             "\n"
                             "Writes every member's selections of week N, one row per member and game of\n"
                             "the week, in the format import-picks reads; importing it again leaves the\n"
                             "pool file as it was, whatever it holds: a pick of a team that no longer\n"
                             "plays in its game is written as the team's number, confidence points as\n"
                             "they are stored.\n"
                             "\n") +
                     kFormatHelp +
                     "\n"
                     "  --week N     the week to write (1 to 21; 22 in today's league)\n"
                     "  --out FILE   write to FILE; without it, or with -, to standard output\n",
                 {"--week", "--out"},
                 {},
                 ExportPicks});
}

}  // namespace gm::cli
