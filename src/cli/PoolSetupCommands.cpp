#include <algorithm>
#include <ostream>

#include "Cli.h"
#include "core/data/AppState.h"
#include "core/data/PoolFile.h"
#include "core/data/Settings.h"
#include "core/members/MemberList.h"
#include "core/shell/OptionValues.h"
#include "core/shell/OptionsForm.h"

namespace gm::cli {
namespace {

bool Told(Context& ctx, const std::string& command, const Status& s) {
    if (!s.ok()) {
        ctx.Err << "gridmoot-cli " << command << ": " << s.message << "\n";
        return false;
    }
    if (s.isWarning()) ctx.Err << "gridmoot-cli " << command << ": warning: " << s.message << "\n";
    return true;
}

// The members and the player-number counter, as the members window opens on
// them. A folder without a pool file has no members; reading never makes one.
bool LoadMembers(AppState& state, Context& ctx, const std::string& command) {
    std::error_code ec;
    if (fs::exists(state.File(kPoolFileName), ec) && !Told(ctx, command, LoadPool(state))) return false;
    // After the pool: the counter never stays below a number a member holds.
    ReadSettings(state, 1LL << 24);
    return true;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

int MembersList(Context& ctx) {
    AppState state(ctx.DataFolder);
    if (!LoadMembers(state, ctx, "members list")) return 1;
    const MemberList list(state);
    for (const MemberEntry& e : list.Entries()) {
        const int number = state.Members[static_cast<std::size_t>(e.Tag)].PlayerNumber;
        const std::string digits = std::to_string(number);
        ctx.Out << std::string(digits.size() < 5 ? 5 - digits.size() : 0, ' ') << digits << "  " << e.Name << "\n";
    }
    return 0;
}

int MembersAdd(const std::vector<std::string>& names, bool force, Context& ctx) {
    const std::string command = "members add";
    if (names.empty()) {
        ctx.Err << "gridmoot-cli members add: give the NAME of at least one member\n";
        return 2;
    }
    const auto lock = LockForWriting(ctx, command);
    if (!lock) return 1;
    AppState state(ctx.DataFolder);
    if (!LoadMembers(state, ctx, command)) return 1;
    MemberList list(state);
    std::vector<std::string> problems;
    std::vector<std::string> added;
    for (const std::string& typed : names) {
        if (Trim(typed).empty()) {
            problems.push_back("a name of blanks only cannot be added");
            continue;
        }
        // The name as the pool file keeps it: 18 characters, Windows-1252.
        bool lossless = true;
        const std::string storable = StorableName(typed, &lossless);
        if (!lossless) ctx.Err << "gridmoot-cli members add: warning: " << UnstorableNameText(typed, storable) << "\n";
        if (const std::string existing = list.SameNameAs(storable); !existing.empty() && !force) {
            const std::string question = SameNameQuestion(storable, existing);
            problems.push_back(question.substr(0, question.find('\n')) + " Give --force to add it as another member.");
            continue;
        }
        const std::string stored = Trim(FitName(storable));
        if (stored != Trim(storable))
            ctx.Err << "gridmoot-cli members add: warning: \"" << Trim(storable) << "\" is kept as \"" << stored
                    << "\" (a name holds 18 characters)\n";
        list.Add(storable);
        added.push_back(storable);
    }
    if (!problems.empty()) {
        for (const std::string& p : problems) ctx.Err << "gridmoot-cli members add: " << p << "\n";
        ctx.Err << "gridmoot-cli members add: nobody was added\n";
        return 1;
    }
    const int before = state.LastPlayerNumber;
    bool poolSaved = false;
    if (Status s = list.Save(state, &poolSaved); !s) {
        ctx.Err << "gridmoot-cli members add: " << s.message << "\n";
        if (poolSaved)
            ctx.Err << "gridmoot-cli members add: the members were saved, but the player-number counter was not; "
                       "the next numbers may repeat\n";
        return 1;
    }
    // New members are numbered in list order, as the members window saves them.
    int number = before;
    for (int i = 0; i < state.MemberCount; ++i) {
        const MemberRecord& m = state.Members[static_cast<std::size_t>(i)];
        if (m.PlayerNumber > before) number = std::max<int>(number, m.PlayerNumber);
    }
    for (int n = before + 1; n <= number; ++n)
        for (int i = 0; i < state.MemberCount; ++i)
            if (state.Members[static_cast<std::size_t>(i)].PlayerNumber == n)
                ctx.Out << "Added " << state.Members[static_cast<std::size_t>(i)].TrimmedName() << " as player " << n
                        << "\n";
    return 0;
}

int Members(const Args& args, Context& ctx) {
    const auto& words = args.Positional();
    if (words.empty() || (words[0] != "list" && words[0] != "add")) {
        ctx.Err << "gridmoot-cli members: give list or add (see 'gridmoot-cli members --help')\n";
        return 2;
    }
    if (words[0] == "list") {
        if (words.size() > 1 || args.Flag("--force")) {
            ctx.Err << "gridmoot-cli members list: takes no names or options\n";
            return 2;
        }
        return MembersList(ctx);
    }
    return MembersAdd(std::vector<std::string>(words.begin() + 1, words.end()), args.Flag("--force"), ctx);
}

void PrintOptions(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [key, value] : values) out << key << "=" << value << "\n";
}

int Options(const Args& args, Context& ctx) {
    AppState state(ctx.DataFolder);
    ReadSettings(state, 1LL << 24);
    if (args.Positional().empty()) {
        PrintOptions(ctx.Out, PoolOptionValues(state));
        return 0;
    }
    const OptionsEdit edit = EditPoolOptions(state, args.Positional());
    if (!edit.Problems.empty()) {
        for (const std::string& p : edit.Problems) ctx.Err << "gridmoot-cli options: " << p << "\n";
        ctx.Err << "gridmoot-cli options: nothing was written\n";
        return 2;
    }
    if (!edit.Changed) {
        ctx.Out << "The pool options are unchanged.\n";
        return 0;
    }
    const auto lock = LockForWriting(ctx, "options");
    if (!lock) return 1;
    if (Status s = ApplyOptions(state, edit.Controls); !s) {
        ctx.Err << "gridmoot-cli options: " << s.message << "\n";
        return 1;
    }
    PrintOptions(ctx.Out, PoolOptionValues(state));
    return 0;
}

std::string OptionsUsage() {
    std::string text =
        "Usage: gridmoot-cli [--data DIR] options [KEY=VALUE...]\n"
        "\n"
        "Without arguments, prints the pool options as KEY=VALUE lines. With them,\n"
        "sets the options as the Pool Options window does: each KEY=VALUE is a click\n"
        "in that window, in the order given, with its rules between the tiebreakers\n"
        "(TBMethod=NotUsed turns the Monday-night tiebreaker off, MondayPts=TotalPoints\n"
        "turns it on as second tiebreaker, ...), then OK writes every option and the\n"
        "new values are printed. An unknown key or value, a value a later one undoes,\n"
        "or the second tiebreaker without MondayPts is refused, and then nothing is\n"
        "written. Keys and values may be given in any letter case.\n"
        "\n";
    for (const OptionKey& k : PoolOptionKeys()) {
        std::string values;
        for (std::size_t i = 0; i < k.Values.size(); ++i) values += (i == 0 ? "" : "|") + std::string(k.Values[i]);
        if (values.empty()) values = "TEXT";
        std::string left = "  " + std::string(k.Name) + "=" + values;
        left += left.size() < 40 ? std::string(40 - left.size(), ' ') : "\n" + std::string(40, ' ');
        text += left + std::string(k.Meaning) + "\n";
    }
    text += "\nExample: gridmoot-cli --data DIR options PointSpreads=Yes PoolSort=Confidence\n";
    return text;
}

}  // namespace

void RegisterPoolSetupCommands(Registry& r) {
    r.push_back({"members", "list the pool members, or add members",
                 "Usage: gridmoot-cli [--data DIR] members list\n"
                 "       gridmoot-cli [--data DIR] members add NAME... [--force]\n"
                 "\n"
                 "list: every member in alphabetical order, one a line: the player number,\n"
                 "then the name.\n"
                 "\n"
                 "add: adds the members as the Pool Members window does: a name keeps 18\n"
                 "characters; each new member gets the next player number of the counter the\n"
                 "window and the Sports Box share, and no picks. A name a member already has,\n"
                 "in any letter case, is refused unless --force is given; a name of blanks\n"
                 "only is refused. When any name is refused, nobody is added. Nothing is\n"
                 "written while Gridmoot has the folder open.\n"
                 "\n"
                 "  --force   add names a member already has\n",
                 {},
                 {"--force"},
                 Members});
    r.push_back({"options", "show the pool options, or set them", OptionsUsage(), {}, {}, Options});
}

}  // namespace gm::cli
