#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/FolderLock.h"

namespace gm::cli {

// The arguments of one command after the command name: options ("--name
// value" or "--flag") and positional arguments, in order.
class Args {
public:
    Args(std::vector<std::string> words, std::vector<std::string> flagNames);

    std::optional<std::string> Option(const std::string& name) const;
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return positional_; }
    // Every option and flag given, by name.
    std::vector<std::string> Names() const;
    // The first option or flag the command does not know, or an option missing its value.
    std::optional<std::string> Error(const std::vector<std::string>& known) const;

private:
    std::map<std::string, std::string> options_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
    std::optional<std::string> error_;
};

struct Context {
    std::filesystem::path DataFolder;
    std::ostream& Out;
    std::ostream& Err;
    // Where the archived seasons shipped with the program are, first first.
    std::vector<std::filesystem::path> ShippedSeasons = {};
    // The data folder was named (--data), not found by the usual search.
    bool DataGiven = false;
};

struct Command {
    std::string Name;
    std::string Summary;
    std::string Usage;                     // full help text of the command
    std::vector<std::string> Options;      // "--season", ... (value options)
    std::vector<std::string> Flags;        // "--show-all", ... (no value)
    std::function<int(const Args&, Context&)> Run;
    // A more particular help text for these arguments (a report's own
    // options); nothing: the usage above.
    std::function<std::optional<std::string>(const Args&)> HelpFor = nullptr;
    // The command makes its data folder when it is missing (make-sample).
    bool MakesFolder = false;
};

using Registry = std::vector<Command>;

// The --season option: 1995, 1996 or 1997 (the default); anything else is
// reported for `command` and gives nothing.
std::optional<int> SeasonOption(const Args& args, Context& ctx, const std::string& command);

// Before an archived season (1995 or 1996) is read: a data folder that lacks
// the archived seasons gets them from the program's shipped copies, as the
// desktop program's first start does. A copy that fails is a warning for
// `command`; reading then reports the missing file as before.
void CopyArchivedSeasonsFor(int season, Context& ctx, const std::string& command);

// Just before a command writes the folder's data files: the folder's lock,
// held until the command ends. Nothing when the desktop program (or another
// import) has the folder open: that is said for `command`, and the command
// writes nothing. A lock file that cannot be opened is no obstacle: the
// write itself then says what is wrong.
std::optional<FolderLock> LockForWriting(Context& ctx, const std::string& command);

// Reads what the selections window works from (the pool options, the team
// names, the current season and the pool), refusing a folder without a
// season or pool file rather than creating them empty. Problems are said for
// `command`.
bool LoadPoolState(AppState& state, Context& ctx, const std::string& command);

void RegisterDataCommands(Registry& registry);
// Further command groups register themselves here as they are added.
void RegisterReportCommands(Registry& registry);
void RegisterSidePoolCommands(Registry& registry);  // SidePoolCommands.cpp: sportsbox draw
void RegisterSheetCommands(Registry& registry);     // SheetCommands.cpp: picksheet
void RegisterPicksCommands(Registry& registry);     // PicksCommands.cpp: import-picks, export-picks
void RegisterPoolSetupCommands(Registry& registry); // PoolSetupCommands.cpp: members, options
void RegisterSiteCommands(Registry& registry);      // SiteCommands.cpp: serve, pin

// Runs the command line (without the program name). Returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& programFolder = {});

}  // namespace gm::cli
