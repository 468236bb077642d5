#include <ostream>

#include "Cli.h"
#include "core/data/AppState.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/sidepools/SportsBox.h"

namespace gm::cli {
namespace {

constexpr const char* kUsage =
    "Usage: gridmoot-cli [--data DIR] sportsbox draw [--week N]\n"
    "\n"
    "Draws the Sports Box digits of a week at random, as the window's \"Randomize\n"
    "NFL Digits\" does: a new order of 0 to 9 along the top (home) and down the\n"
    "side (away). The boxes stay as they are. The week's digits and game, and the\n"
    "rest of the Sports Box, are saved as the window's OK saves them; the digits\n"
    "drawn and the winner (when the game has a score) are printed.\n"
    "\n"
    "  --week N   the week, 1 to 21, or 1 to 22 in today's league (default: the\n"
    "             current week)\n";

int SportsBoxCommand(const Args& args, Context& ctx) {
    if (args.Positional().size() != 1 || args.Positional()[0] != "draw") {
        ctx.Err << "gridmoot-cli sportsbox: say what to do: draw\n\n" << kUsage;
        return 2;
    }
    AppState state(ctx.DataFolder);
    const auto fail = [&](const Status& s) {
        ctx.Err << "gridmoot-cli sportsbox: " << s.message << "\n";
        return 1;
    };
    // The pool first: the player-number counter never stays below a member's number.
    if (Status s = LoadPool(state); !s) return fail(s);
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    if (Status s = LoadSeason(state, kCurrentSeasonRead); !s) return fail(s);
    state.CurrentSeasonOpen = true;

    int week = state.CurrentWeek;
    if (const auto text = args.Option("--week")) {
        std::size_t used = 0;
        int n = 0;
        try {
            n = std::stoi(*text, &used);
        } catch (...) {
            used = 0;
        }
        const int lastWeek = state.League().Weeks;
        if (used != text->size() || n < 1 || n > lastWeek) {
            ctx.Err << "gridmoot-cli sportsbox: --week must be a week from 1 to " << lastWeek << ", not '" << *text
                    << "'\n";
            return 2;
        }
        week = n;
    }
    SportsBox box(state);
    for (const auto& note : box.LoadNotes()) ctx.Err << "gridmoot-cli sportsbox: warning: " << note << "\n";
    while (box.Week() != week) box.SpinWeek(week > box.Week() ? 1 : -1);
    const OutputMessage refused = box.Fill(SportsBox::Scheme::Digits);
    if (refused.failed()) {
        std::string text = refused.Text;
        for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n")) text.replace(at, 2, " ");
        ctx.Err << "gridmoot-cli sportsbox: " << refused.Title << ": " << text << "\n";
        return 1;
    }
    const auto lock = LockForWriting(ctx, "sportsbox");
    if (!lock) return 1;
    if (Status s = box.Save(); !s) return fail(s);
    ctx.Out << "Week " << week << " digits drawn and saved\n"
            << "  top (home " << box.HomeTeamText() << "):  " << box.TopDigits() << "\n"
            << "  side (away " << box.AwayTeamText() << "): " << box.LeftDigits() << "\n";
    if (box.HasScore()) {
        const std::string owner = box.WinnerText();
        if (box.WinnerBox() < 0) ctx.Out << "  winner: none (" << box.DigitsNote() << ")\n";
        else ctx.Out << "  winner: box " << box.WinnerBox() << ", " << (owner.empty() ? "an empty box" : owner) << "\n";
    }
    return 0;
}

}  // namespace

void RegisterSidePoolCommands(Registry& r) {
    r.push_back({"sportsbox", "draw the Sports Box digits of a week", kUsage, {"--week"}, {}, SportsBoxCommand});
}

}  // namespace gm::cli
