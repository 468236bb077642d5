#include "ReportRegistry.h"
#include "core/data/Settings.h"
#include "core/data/TextCodec.h"
#include "core/sheets/EzEntrySheet.h"
#include "core/sheets/PickSheet.h"
#include "core/shell/MenuRules.h"

namespace gm::cli {
namespace {

SheetStyle StyleOf(const std::string& word) {
    if (word == "compact") return SheetStyle::Compact;
    if (word == "tearoff") return SheetStyle::Tearoff;
    if (word == "topten") return SheetStyle::TopTen;
    if (word == "noexcuse") return SheetStyle::NoExcuse;
    return SheetStyle::Standard;
}

// The choices of the style's dialog, from the options; what is not given
// comes from the [Picksheets] settings, as the dialog opens with them. The
// settings themselves are left as they are.
std::unique_ptr<Report> PickSheetReport(AppState& state, const ReportArgs& args) {
    const SheetStyle style =
        StyleOf(args.Choice("--style", {"standard", "compact", "tearoff", "topten", "noexcuse"}, "standard"));
    if (!state.CurrentSeasonOpen && GradesSelections(SheetDisplay(style)))
        args.Refuse(
            "--style topten prints the pool's standings, graded against the current season; --season " +
            state.SeasonYear + " prints the other styles only");
    SheetChoices c = SheetChoices::From(state);
    c.Week = args.Week("--week", c.Week);
    if (const auto comment = args.Text("--comment")) {
        if (Utf8Length(*comment) > keys::Comment.Longest)
            args.Refuse("--comment is longer than " + std::to_string(keys::Comment.Longest) + " characters");
        c.Comment = *comment;
    }
    c.FavUnd = args.Choice("--group", {"favund", "homeaway"}, c.FavUnd ? "favund" : "homeaway") == "favund";
    c.CityNames = args.Choice("--team", {"city", "name"}, c.CityNames ? "city" : "name") == "city";
    c.NamesOnSheet = args.Flag("--names");
    const bool onePerPlayer = args.Flag("--one-per-player");
    if (c.NamesOnSheet && !onePerPlayer) args.Refuse("--names goes with --one-per-player");
    if (onePerPlayer && state.MemberCount <= 0) args.Refuse("--one-per-player: the pool has no members");
    state.CurrentWeek = c.Week;
    return std::make_unique<PickSheet>(state, style, std::move(c));
}

std::unique_ptr<Report> EzEntryReport(AppState& state, const ReportArgs& args) {
    auto sheet = std::make_unique<EzEntrySheet>(state);
    sheet->ShowWeeks(args.Week("--week", sheet->FirstWeek()));
    return sheet;
}

}  // namespace

// The pick sheets and entry sheets.
void RegisterSheetReports(ReportRegistry& r) {
    r.Add({Display::StandardSheet,
           "the week's pick sheets in one of five styles (compact and noexcuse: printout only)",
           {{"--style", "standard|compact|tearoff|topten|noexcuse", "the sheet's style (default standard)"},
            {"--week", "N", "the week (default: the current week)"},
            {"--comment", "TEXT", "the comment under the games (default: the stored one)"},
            {"--group", "favund|homeaway", "favourite first with the spread, or away first (default: stored)"},
            {"--team", "city|name", "city names or team names (default: stored)"},
            {"--names", "", "with --one-per-player: each sheet carries its member's name"}},
           PickSheetReport});
    r.Add({Display::EzEntrySheet,
           "the EZ Entry NFL sheet: two weeks of spread and score blanks on one page (printout only)",
           {{"--week", "N", "the first of the two weeks (default: the current week; the last week gives the two last)"}},
           EzEntryReport});
}

}  // namespace gm::cli
