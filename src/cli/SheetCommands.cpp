#include <algorithm>

#include "Cli.h"

namespace gm::cli {
namespace {

constexpr const char* kUsage =
    "Usage: gridmoot-cli [--data DIR] picksheet [--style STYLE] [--week N] [--comment TEXT]\n"
    "                    [--copies N | --one-per-player [--names]] [--to pdf|text|clipboard-text]\n"
    "\n"
    "Writes the week's pick sheets, as the Pick Sheets dialogs print them; the same\n"
    "as 'gridmoot-cli report picksheet'.\n"
    "\n"
    "  --style STYLE           standard, compact, tearoff, topten or noexcuse (default\n"
    "                          standard); compact and noexcuse are printouts only\n"
    "  --week N                the week, 1 to 21, or 1 to 22 in today's league\n"
    "                          (default: the current week)\n"
    "  --comment TEXT          the comment under the games (default: the stored one)\n"
    "  --group favund|homeaway favourite first with the spread, or away team first\n"
    "  --team city|name        city names or team names\n"
    "  --copies N              sheets to print, 1 to 200 (default 1)\n"
    "  --one-per-player        one sheet for every pool member\n"
    "  --names                 with --one-per-player: each sheet carries its member's name\n"
    "  --to pdf|text|clipboard-text\n"
    "                          the printout as a PDF file, the text file, or the\n"
    "                          clipboard text on standard output (default text)\n"
    "  --out PATH              write to PATH (default: Pksht + week in TxtFiles for a\n"
    "                          PDF, standard output for text)\n"
    "  --file                  with --to text: write Pksht + week + .txt into TxtFiles\n"
    "  --season YEAR           1995, 1996 or 1997 (default 1997)\n";

const std::vector<std::string> kOptions{"--style", "--week", "--comment", "--group", "--team",
                                        "--copies", "--to",  "--out",     "--season"};
const std::vector<std::string> kFlags{"--one-per-player", "--names", "--file"};

// The pick sheets are a report of the registry; this command is its short name.
int PickSheetCommand(const Args& args, Context& ctx) {
    if (!args.Positional().empty()) {
        ctx.Err << "gridmoot-cli picksheet: unexpected '" << args.Positional()[0] << "'\n\n" << kUsage;
        return 2;
    }
    Registry commands;
    RegisterReportCommands(commands);
    const auto report = std::find_if(commands.begin(), commands.end(), [](const Command& c) { return c.Name == "report"; });
    if (report == commands.end()) return 2;
    std::vector<std::string> words{"picksheet"};
    for (const auto& name : args.Names()) {
        words.push_back(name);
        if (!args.Flag(name)) words.push_back(*args.Option(name));
    }
    return report->Run(Args(words, report->Flags), ctx);
}

}  // namespace

void RegisterSheetCommands(Registry& r) {
    r.push_back({"picksheet", "print the week's pick sheets (five styles) or write their text", kUsage, kOptions,
                 kFlags, PickSheetCommand});
}

}  // namespace gm::cli
