#include <functional>
#include <optional>
#include <ostream>

#include "Cli.h"
#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/output/HomePage.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PlayerMatrix.h"
#include "core/pool/PoolStandings.h"
#include "print/QtPageSurface.h"

namespace gm::cli {
namespace {

// Start-up's loading, without a window: settings, team names, season, pool.
// A week the user asks for is reached by spinning from CurrentWeek, so that
// file names carry the week label exactly as the window would show it.
std::optional<AppState> LoadState(const Args& args, Context& ctx, const std::string& command) {
    AppState state(ctx.DataFolder);
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    const auto season = SeasonOption(args, ctx, command);
    if (!season) return std::nullopt;
    Status loaded;
    if (*season == 1997) {
        loaded = LoadSeason(state, kCurrentSeasonRead);
        state.CurrentSeasonOpen = true;
    } else {
        loaded = SelectSeason(state, *season == 1995 ? SeasonChoice::Season1995 : SeasonChoice::Season1996).Load;
    }
    if (!loaded) {
        ctx.Err << "gridmoot-cli " << command << ": " << loaded.message << "\n";
        return std::nullopt;
    }
    if (Status pool = LoadPool(state); !pool) {
        ctx.Err << "gridmoot-cli " << command << ": " << pool.message << "\n";
        return std::nullopt;
    }
    return state;
}

// A week option: 1 to 21, or the fallback when absent; nullopt on bad text.
std::optional<int> WeekOption(const Args& args, const std::string& name, int fallback, Context& ctx) {
    const auto text = args.Option(name);
    if (!text) return fallback;
    try {
        std::size_t used = 0;
        const int week = std::stoi(*text, &used);
        if (used == text->size() && week >= 1 && week <= kWeeks) return week;
    } catch (const std::exception&) {
    }
    ctx.Err << "gridmoot-cli report: " << name << " must be a week from 1 to 21, not '" << *text << "'\n";
    return std::nullopt;
}

// Moves a week by single steps, as the spin control would.
void SpinTo(int from, int to, const std::function<bool(int)>& spin) {
    for (int w = from; w < to; ++w) spin(+1);
    for (int w = from; w > to; --w) spin(-1);
}

// What one display can write.
struct DisplayOutputs {
    std::function<TextFileOutput()> Text;
    std::function<ClipboardOutput()> Clipboard;  // empty: the display has none
    std::function<WebPageOutput()> Web;
    std::function<Status(PageSurface&, int copies)> Print;
    std::string JobName;
};

int Emit(const Args& args, Context& ctx, const AppState& state, const DisplayOutputs& d) {
    const std::string to = args.Option("--to").value_or("text");
    const auto out = args.Option("--out");
    const auto writeBytes = [&](const fs::path& path, const std::string& bytes) {
        if (Status s = WriteFileAtomic(path, bytes); !s) {
            ctx.Err << "gridmoot-cli report: " << s.message << "\n";
            return 1;
        }
        ctx.Out << "Wrote " << path.string() << "\n";
        return 0;
    };
    const auto tell = [&](const OutputMessage& m) {
        if (m.failed()) {
            ctx.Err << "gridmoot-cli report: " << m.Text << "\n";
            return 1;
        }
        ctx.Out << m.Text << "\n";
        return 0;
    };

    if (to == "text") {
        const TextFileOutput text = d.Text();
        if (out) return writeBytes(*out, TextFileBytes(text.Lines));
        if (args.Flag("--file")) return tell(WriteTextFile(state, text));
        ctx.Out << TextFileBytes(text.Lines);
        return 0;
    }
    if (to == "clipboard-text") {
        if (!d.Clipboard) {
            ctx.Err << "gridmoot-cli report: this report has no clipboard text\n";
            return 2;
        }
        const std::string text = d.Clipboard().Text;
        if (out) return writeBytes(*out, text);
        ctx.Out << text;
        return 0;
    }
    if (to == "web") {
        const WebPageOutput page = d.Web();
        if (out) return writeBytes(*out, WebPageBytes(state, page));
        return tell(WriteWebPage(state, page));
    }
    if (to == "pdf") {
        int copies = 1;
        if (args.Flag("--one-per-player")) {
            copies = state.MemberCount;
        } else if (auto c = args.Option("--copies")) {
            try {
                copies = std::stoi(*c);
            } catch (const std::exception&) {
                copies = -1;
            }
            if (copies < 1 || copies > 200) {
                ctx.Err << "gridmoot-cli report: --copies must be from 1 to 200, not '" << *c << "'\n";
                return 2;
            }
        }
        fs::path file;
        if (out) {
            file = *out;
        } else {
            const std::string name = d.Text().FileName;
            file = FindFile(TextFolder(state), name.substr(0, name.rfind('.')) + ".pdf");
        }
        const auto surface = MakePdfSurface(file, d.JobName);
        if (Status s = d.Print(*surface, copies); !s) {
            ctx.Err << "gridmoot-cli report: " << s.message << "\n";
            return 1;
        }
        ctx.Out << "Wrote " << file.string() << "\n";
        return 0;
    }
    ctx.Err << "gridmoot-cli report: --to must be text, clipboard-text, web or pdf, not '" << to << "'\n";
    return 2;
}

int Standings(const Args& args, Context& ctx, AppState& state) {
    PoolStandings model(state);
    const auto end = WeekOption(args, "--end", model.EndWeek(), ctx);
    const auto start = WeekOption(args, "--start", 1, ctx);
    if (!end || !start) return 2;
    SpinTo(model.EndWeek(), *end, [&](int step) { return model.SpinEnd(step); });
    SpinTo(model.StartWeek(), *start, [&](int step) { return model.SpinStart(step); });
    if (auto sort = args.Option("--sort")) {
        const std::string choice = *sort == "wins"     ? "Wins"
                                   : *sort == "pct"    ? "Win Pct"
                                   : *sort == "points" ? "Con. Pts"
                                   : *sort == "names"  ? "Names"
                                                       : "";
        if (choice.empty()) {
            ctx.Err << "gridmoot-cli report standings: --sort must be wins, pct, points or names\n";
            return 2;
        }
        model.ChooseSort(choice);
    }
    const std::string view = args.Option("--view").value_or("week");
    if (view != "week" && view != "season") {
        ctx.Err << "gridmoot-cli report standings: --view must be week or season\n";
        return 2;
    }
    model.SetView(view == "season" ? PoolStandings::View::Season : PoolStandings::View::OneWeek);
    model.SetShowAll(args.Flag("--show-all"));
    return Emit(args, ctx, state,
                {[&] { return model.TextFile(); }, [&] { return model.Clipboard(); }, [&] { return model.WebPage(); },
                 [&](PageSurface& s, int copies) { return model.Print(s, copies); }, "Pool Standings"});
}

int Matrix(const Args& args, Context& ctx, AppState& state) {
    PlayerMatrix model(state);
    const auto week = WeekOption(args, "--week", model.Week(), ctx);
    if (!week) return 2;
    SpinTo(model.Week(), *week, [&](int step) { return model.Spin(step); });
    model.SetShowAll(!args.Flag("--active-only"));
    model.SetConfidenceRows(args.Flag("--confidence"));
    return Emit(args, ctx, state,
                {[&] { return model.TextFile(); }, [&] { return model.Clipboard(); }, [&] { return model.WebPage(); },
                 [&](PageSurface& s, int copies) { return model.Print(s, copies); }, "Player Selections"});
}

int AllPicks(const Args& args, Context& ctx, AppState& state) {
    AllPicksReport model(state);
    const auto week = WeekOption(args, "--week", model.Week(), ctx);
    if (!week) return 2;
    SpinTo(model.Week(), *week, [&](int step) { return model.Spin(step); });
    if (auto teams = args.Option("--teams")) {
        if (*teams != "city" && *teams != "name") {
            ctx.Err << "gridmoot-cli report allpicks: --teams must be city or name\n";
            return 2;
        }
        model.UseTeamNames = *teams == "name";
    }
    if (auto players = args.Option("--players")) {
        if (*players != "active" && *players != "entire") {
            ctx.Err << "gridmoot-cli report allpicks: --players must be active or entire\n";
            return 2;
        }
        model.EntirePool = *players == "entire";
    }
    if (auto order = args.Option("--order")) {
        if (*order != "standing" && *order != "names") {
            ctx.Err << "gridmoot-cli report allpicks: --order must be standing or names\n";
            return 2;
        }
        model.ByStanding = *order == "standing";
    }
    if (args.Option("--to").value_or("text") == "clipboard-text") {
        ctx.Err << "gridmoot-cli report allpicks: the all-picks report goes to a text file, a web page or a printout\n";
        return 2;
    }
    return Emit(args, ctx, state,
                {[&] { return model.TextFile(); }, nullptr, [&] { return model.WebPage(); },
                 [&](PageSurface& s, int copies) { return model.Print(s, copies); }, "All-Picks Report"});
}

int Report(const Args& args, Context& ctx) {
    if (args.Positional().size() != 1) {
        ctx.Err << "gridmoot-cli report: name one report: standings, matrix or allpicks\n";
        return 2;
    }
    const std::string which = args.Positional()[0];
    if (which != "standings" && which != "matrix" && which != "allpicks") {
        ctx.Err << "gridmoot-cli report: unknown report '" << which << "' (standings, matrix or allpicks)\n";
        return 2;
    }
    auto state = LoadState(args, ctx, "report");
    if (!state) return 1;
    if (which == "standings") return Standings(args, ctx, *state);
    if (which == "matrix") return Matrix(args, ctx, *state);
    return AllPicks(args, ctx, *state);
}

int HomePage(const Args&, Context& ctx) {
    AppState state(ctx.DataFolder);
    ReadSettings(state, 1LL << 24);
    std::string confirmation;
    if (Status s = WriteHomePage(state, &confirmation); !s) {
        ctx.Err << "gridmoot-cli homepage: " << s.message << "\n";
        return 1;
    }
    ctx.Out << confirmation << "\n";
    return 0;
}

}  // namespace

void RegisterReportCommands(Registry& r) {
    r.push_back({"report", "write the pool standings, player matrix or all-picks report",
                 "Usage: gridmoot-cli [--data DIR] report standings|matrix|allpicks [OPTIONS]\n"
                 "\n"
                 "Grades the pool like the window of that report and writes what its Print\n"
                 "button would. Weeks not given start where the window opens (CurrentWeek).\n"
                 "\n"
                 "Output:\n"
                 "  --to text             the text file's bytes to standard output (default);\n"
                 "                        with --file into the report's file in TxtFiles\n"
                 "  --to clipboard-text   the clipboard text to standard output\n"
                 "  --to web              the report's page in Webpages\n"
                 "  --to pdf              the printout as PDF, named like the text file, in TxtFiles\n"
                 "  --out PATH            write to PATH instead\n"
                 "  --copies N            copies of the printout (default 1)\n"
                 "  --one-per-player      one printed copy per pool member\n"
                 "  --season YEAR         1995, 1996 or 1997 (default 1997)\n"
                 "\n"
                 "standings:  --start N --end N   the range of weeks (end week = the week shown)\n"
                 "            --view week|season  one week (default) or season totals\n"
                 "            --sort wins|pct|points|names   (default: the PoolSort option)\n"
                 "            --show-all          list members who did not play too\n"
                 "matrix:     --week N  --confidence (confidence rows)  --active-only\n"
                 "allpicks:   --week N  --teams city|name  --players active|entire\n"
                 "            --order standing|names   (defaults: the report's saved choices)\n",
                 {"--start", "--end", "--week", "--view", "--sort", "--to", "--out", "--copies", "--season", "--teams",
                  "--players", "--order"},
                 {"--show-all", "--confidence", "--active-only", "--file", "--one-per-player"},
                 Report});
    r.push_back({"homepage", "rewrite the pool home page index.htm",
                 "Usage: gridmoot-cli [--data DIR] homepage\n"
                 "\n"
                 "Rewrites \"index.htm\" in Webpages with links to the pages present there,\n"
                 "and prints the links it wrote.\n",
                 {},
                 {},
                 HomePage});
}

}  // namespace gm::cli
