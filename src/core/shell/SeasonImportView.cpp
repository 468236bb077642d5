#include "SeasonImportView.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace gm {

namespace {

std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string Plural(int n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

}  // namespace

int NewestSeasonInCsv(std::string_view text) {
    // A byte-order mark may lead the header.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    const std::string_view header = NextLine(text);
    if (header.substr(0, 7) != "season,") return 0;
    int newest = 0;
    while (!text.empty()) {
        const std::string_view line = NextLine(text);
        int year = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), year);
        if (ec == std::errc{} && end != line.data() && (end == line.data() + line.size() || *end == ','))
            newest = std::max(newest, year);
    }
    return newest;
}

int OfferedImportSeason(const AppState& state, std::string_view text) {
    if (state.League().Kind == LeagueKind::Today) {
        int year = 0;
        std::from_chars(state.SeasonYear.data(), state.SeasonYear.data() + state.SeasonYear.size(), year);
        if (year > 0) return year;
    }
    if (const int newest = NewestSeasonInCsv(text); newest > 0) return newest;
    return LeagueToday().Year;
}

std::vector<std::string> ImportReadLines(const SeasonImport& read, std::string_view fileName) {
    std::set<int> weeks;
    for (int w = 0; w < kMaxWeeks; ++w)
        for (const GameRecord& g : read.Games[static_cast<std::size_t>(w)])
            if (g.HasGame()) weeks.insert(w);
    std::vector<std::string> lines;
    lines.push_back("Read " + Plural(read.GamesPlaced, "game", "games") + " in " +
                    Plural(static_cast<int>(weeks.size()), "week", "weeks") + " of the " +
                    std::to_string(read.Season) + " season from " + std::string(fileName) + ".");
    if (read.Problems.empty()) return lines;
    lines.push_back(Plural(static_cast<int>(read.Problems.size()), "problem", "problems") +
                    " found; nothing is imported until the file is put right:");
    for (const ImportProblem& p : read.Problems) {
        std::string line = p.Line > 0 ? "Line " + std::to_string(p.Line) + ": " : std::string();
        lines.push_back(line + p.Reason);
    }
    return lines;
}

ImportView PlanImportView(const AppState& state, std::string_view text, std::string_view fileName, int season,
                          bool replaceLines, SeasonImportPlan& plan) {
    ImportView view;
    const SeasonImport read = ImportSeasonCsv(text, season);
    view.Read = ImportReadLines(read, fileName);
    if (!read.Problems.empty()) {
        plan = SeasonImportPlan{};
        view.Changes.push_back("Nothing is imported: the file has problems (above).");
        return view;
    }
    if (read.GamesPlaced == 0) {
        plan = SeasonImportPlan{};
        view.Changes.push_back("The file holds no games of the " + std::to_string(season) +
                               " season: nothing to import.");
        return view;
    }
    plan = PlanSeasonImport(state, read, replaceLines);
    if (!plan.Allowed()) {
        view.Changes.push_back(plan.Refusal);
        return view;
    }
    view.Changes = plan.Lines;
    view.CanSave = plan.ChangesAnything();
    return view;
}

std::string ImportSavedText(const SeasonImportPlan& plan) {
    if (plan.What == SeasonImportPlan::Kind::NewSeason)
        return "The " + std::to_string(plan.Year) +
               " season is in this pool folder now. Add the members in Edits, Pool Members.";
    return "The " + std::to_string(plan.Year) + " season is saved with the changes listed.";
}

}  // namespace gm
