#include "Cli.h"

#include <algorithm>
#include <ostream>

#include "core/data/DataFolder.h"
#include "core/shell/Startup.h"

namespace gm::cli {

Args::Args(std::vector<std::string> words, std::vector<std::string> flagNames) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.rfind("--", 0) != 0 || w == "--") {
            positional_.push_back(w);
            continue;
        }
        if (std::find(flagNames.begin(), flagNames.end(), w) != flagNames.end() || w == "--help") {
            flags_.push_back(w);
            continue;
        }
        const auto eq = w.find('=');
        if (eq != std::string::npos) {
            options_[w.substr(0, eq)] = w.substr(eq + 1);
        } else if (i + 1 < words.size()) {
            options_[w] = words[++i];
        } else if (!error_) {
            error_ = "option " + w + " needs a value";
        }
    }
}

std::optional<std::string> Args::Option(const std::string& name) const {
    const auto it = options_.find(name);
    if (it == options_.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> Args::Names() const {
    std::vector<std::string> names = flags_;
    for (const auto& [name, value] : options_) names.push_back(name);
    return names;
}

bool Args::Flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::optional<std::string> Args::Error(const std::vector<std::string>& known) const {
    if (error_) return error_;
    for (const auto& [name, value] : options_)
        if (std::find(known.begin(), known.end(), name) == known.end()) return "unknown option " + name;
    return std::nullopt;
}

std::optional<int> SeasonOption(const Args& args, Context& ctx, const std::string& command) {
    const std::string text = args.Option("--season").value_or("1997");
    if (text == "1995" || text == "1996" || text == "1997") return std::stoi(text);
    ctx.Err << "gridmoot-cli " << command << ": --season must be 1995, 1996 or 1997, not '" << text << "'\n";
    return std::nullopt;
}

void CopyArchivedSeasonsFor(int season, Context& ctx, const std::string& command) {
    if (season == 1997) return;
    for (const Status& s : CopyArchivedSeasons(ctx.DataFolder, ctx.ShippedSeasons))
        ctx.Err << "gridmoot-cli " << command << ": warning: " << s.message << "\n";
}

std::optional<FolderLock> LockForWriting(Context& ctx, const std::string& command) {
    FolderLock lock;
    if (lock.Take(ctx.DataFolder) != FolderLock::Outcome::Busy) return lock;
    ctx.Err << "gridmoot-cli " << command << ": the data folder " << ctx.DataFolder.string()
            << " is open in Gridmoot; close it there first, or its next save would overwrite what " << command
            << " writes. Nothing was written.\n";
    return std::nullopt;
}

namespace {

constexpr const char* kGeneralUsage =
    "Usage: gridmoot-cli [--data DIR] COMMAND [OPTIONS]\n"
    "\n"
    "The headless companion of Gridmoot: imports and exports the season and pool\n"
    "data and writes reports without opening a window.\n"
    "\n"
    "  --data DIR   the data folder (default: the program's folder when it holds\n"
    "               Vask97.ini or Pool97.dat, else ~/.local/share/gridmoot)\n"
    "  --version    print the program's name and version, and exit\n"
    "\n"
    "Commands:\n";

void PrintGeneralUsage(const Registry& registry, std::ostream& os) {
    os << kGeneralUsage;
    for (const Command& c : registry) {
        os << "  " << c.Name << std::string(c.Name.size() < 16 ? 16 - c.Name.size() : 1, ' ') << c.Summary << "\n";
    }
    os << "\nRun 'gridmoot-cli COMMAND --help' for the options of a command.\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& programFolder) {
    Registry registry;
    RegisterDataCommands(registry);
    RegisterReportCommands(registry);
    RegisterSidePoolCommands(registry);
    RegisterSheetCommands(registry);
    RegisterPicksCommands(registry);
    RegisterPoolSetupCommands(registry);
    RegisterSiteCommands(registry);

    std::filesystem::path dataArg;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" && rest.empty()) {
            if (i + 1 >= args.size()) {
                err << "gridmoot-cli: --data needs a folder\n";
                return 2;
            }
            dataArg = args[++i];
        } else if (args[i].rfind("--data=", 0) == 0 && rest.empty()) {
            dataArg = args[i].substr(7);
        } else {
            rest.push_back(args[i]);
        }
    }
    if (!rest.empty() && rest[0] == "--version") {
        out << "gridmoot-cli (Gridmoot) " << GRIDMOOT_VERSION << "\n";
        return 0;
    }
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
        PrintGeneralUsage(registry, rest.empty() ? err : out);
        return rest.empty() ? 2 : 0;
    }
    const auto cmd = std::find_if(registry.begin(), registry.end(), [&](const Command& c) { return c.Name == rest[0]; });
    if (cmd == registry.end()) {
        err << "gridmoot-cli: unknown command '" << rest[0] << "'\n";
        PrintGeneralUsage(registry, err);
        return 2;
    }
    Args cmdArgs(std::vector<std::string>(rest.begin() + 1, rest.end()), cmd->Flags);
    if (cmdArgs.Flag("--help")) {
        const auto particular = cmd->HelpFor ? cmd->HelpFor(cmdArgs) : std::nullopt;
        out << particular.value_or(cmd->Usage);
        return 0;
    }
    std::vector<std::string> known = cmd->Options;
    known.push_back("--data");
    if (auto e = cmdArgs.Error(known)) {
        err << "gridmoot-cli " << cmd->Name << ": " << *e << "\n\n" << cmd->Usage;
        return 2;
    }
    Context ctx{ResolveDataFolder(dataArg, programFolder), out, err,
                ShippedFoldersFor("seasons", programFolder, GRIDMOOT_SOURCE_DIR, GRIDMOOT_BINARY_DIR)};
    const auto dataOption = cmdArgs.Option("--data");
    if (dataOption) ctx.DataFolder = std::filesystem::absolute(*dataOption);
    ctx.DataGiven = !dataArg.empty() || dataOption.has_value();
    std::error_code ec;
    // The per-user folder is made on first use, as the desktop program does;
    // a folder named on the command line must exist (a typo should not create one).
    if (!ctx.DataGiven && !cmd->MakesFolder && !std::filesystem::exists(ctx.DataFolder, ec))
        std::filesystem::create_directories(ctx.DataFolder, ec);
    if (!cmd->MakesFolder && !std::filesystem::is_directory(ctx.DataFolder, ec)) {
        err << "gridmoot-cli: the data folder " << ctx.DataFolder.string() << " does not exist\n";
        return 1;
    }
    return cmd->Run(cmdArgs, ctx);
}

}  // namespace gm::cli
