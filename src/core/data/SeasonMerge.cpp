#include "SeasonMerge.h"

#include <cmath>
#include <cstdio>

#include "SeasonFile.h"
#include "Settings.h"

namespace gm {

namespace {

std::string Plural(int n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

int CountGames(const AppState& state) {
    const League& league = state.League();
    int n = 0;
    for (int w = 0; w < league.Weeks; ++w)
        for (int s = 0; s < league.Slots; ++s) n += state.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)].HasGame();
    return n;
}

int MembersWhoPicked(const AppState& state, int week, int slot) {
    int n = 0;
    const int count = std::min<int>(state.MemberCount, static_cast<int>(state.Members.size()));
    for (int i = 0; i < count; ++i)
        n += state.Members[static_cast<std::size_t>(i)].Picks[static_cast<std::size_t>(week)][static_cast<std::size_t>(slot)] != 0;
    return n;
}

std::string Points(float v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

class Describer {
public:
    explicit Describer(const AppState& state) : state_(state), league_(LeagueToday()) {}

    std::string Team(int team) const {
        // Names of the folder's own league; a folder still of 1997 has no names for today's teams yet.
        if (state_.League().Kind == LeagueKind::Today) return state_.Teams.TeamCity[static_cast<std::size_t>(team)];
        return std::string(league_.TeamTable[static_cast<std::size_t>(team)].City);
    }
    std::string Game(int week, const GameRecord& g) const {
        return "Week " + std::to_string(week + 1) + ": " + Team(g.AwayTeam) + " at " + Team(g.HomeTeam);
    }
    std::string Line(const GameRecord& g) const {
        if (g.AwaySpread > 0) return Team(g.HomeTeam) + " by " + Points(g.AwaySpread);
        if (g.HomeSpread > 0) return Team(g.AwayTeam) + " by " + Points(g.HomeSpread);
        return "pick'em";
    }
    static std::string Score(const GameRecord& g) {
        return std::to_string(g.AwayScore) + "-" + std::to_string(g.HomeScore);
    }

private:
    const AppState& state_;
    const League& league_;
};

std::string FolderHolds(const AppState& state, int members, int games) {
    std::string what = state.League().Kind == LeagueKind::Nfl1997
                           ? "a 1997 pool"
                           : "the " + state.SeasonYear + " pool of today's league";
    std::string parts;
    if (members > 0) parts = Plural(members, "member", "members");
    if (games > 0) parts += (parts.empty() ? "" : ", ") + Plural(games, "game", "games");
    return what + " (" + parts + ")";
}

void Merge(const AppState& state, const SeasonImport& read, bool replaceLines, SeasonImportPlan& plan) {
    const League& league = LeagueToday();
    const Describer say(state);
    plan.Games = state.Games;
    for (int w = 0; w < league.Weeks; ++w) {
        WeekGames& week = plan.Games[static_cast<std::size_t>(w)];
        for (int k = 0; k < league.Slots; ++k) {
            const GameRecord& in = read.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(k)];
            if (!in.HasGame()) continue;
            int slot = -1;
            for (int s = 0; s < league.Slots && slot < 0; ++s) {
                const GameRecord& g = week[static_cast<std::size_t>(s)];
                if (g.HomeTeam == in.HomeTeam && g.AwayTeam == in.AwayTeam) slot = s;
            }
            if (slot < 0) {
                // A new game takes the week's next free slot; the others keep theirs, and the picks made on them.
                // A free slot nobody has a pick on comes first.
                for (int pass = 0; pass < 2 && slot < 0; ++pass)
                    for (int s = 0; s < league.Slots && slot < 0; ++s)
                        if (!week[static_cast<std::size_t>(s)].HasGame() && (pass == 1 || MembersWhoPicked(state, w, s) == 0))
                            slot = s;
                if (slot < 0) {
                    plan.What = SeasonImportPlan::Kind::Refused;
                    plan.Refusal = say.Game(w, in) + " is not in the pool's season and week " + std::to_string(w + 1) +
                                   " has no free slot for it (a week holds " + std::to_string(league.Slots) +
                                   " games); nothing was imported.";
                    return;
                }
                week[static_cast<std::size_t>(slot)] = in;
                ++plan.GamesAdded;
                plan.Lines.push_back(say.Game(w, in) + ": game added (" + KickoffLabel(in) + ")");
                continue;
            }
            GameRecord& g = week[static_cast<std::size_t>(slot)];
            const std::string game = say.Game(w, g);
            if (in.Played() && (in.HomeScore != g.HomeScore || in.AwayScore != g.AwayScore)) {
                const bool had = g.Played();
                const std::string before = Describer::Score(g);
                g.HomeScore = in.HomeScore;
                g.AwayScore = in.AwayScore;
                ApplyResult(g);
                if (had) {
                    ++plan.ScoresChanged;
                    plan.Lines.push_back(game + ": score " + before + " corrected to " + Describer::Score(g));
                } else {
                    ++plan.ScoresAdded;
                    plan.Lines.push_back(game + ": score " + Describer::Score(g) + " added");
                }
            }
            if (in.KickoffDate != g.KickoffDate || in.KickoffTime != g.KickoffTime) {
                g.KickoffDate = in.KickoffDate;
                g.KickoffTime = in.KickoffTime;
                ++plan.KickoffsMoved;
                plan.Lines.push_back(game + ": kick-off moved to " + KickoffLabel(g));
            }
            if (in.HomeSpread != g.HomeSpread || in.AwaySpread != g.AwaySpread) {
                const int picked = MembersWhoPicked(state, w, slot);
                if (picked == 0 || replaceLines) {
                    const std::string before = say.Line(g);
                    g.HomeSpread = in.HomeSpread;
                    g.AwaySpread = in.AwaySpread;
                    ++plan.LinesChanged;
                    plan.Lines.push_back(game + ": line " + before + " changed to " + say.Line(g) +
                                         (picked > 0 ? " (" + Plural(picked, "member has", "members have") + " picked)" : ""));
                } else {
                    ++plan.LinesKept;
                    plan.Lines.push_back(game + ": line " + say.Line(g) + " kept, not " + say.Line(in) + " (" +
                                         Plural(picked, "member has", "members have") + " picked)");
                }
            }
        }
    }
    std::vector<std::string> parts;
    auto count = [&](int n, std::string_view one, std::string_view many) {
        if (n > 0) parts.push_back(Plural(n, one, many));
    };
    count(plan.ScoresAdded, "score added", "scores added");
    count(plan.ScoresChanged, "score corrected", "scores corrected");
    count(plan.GamesAdded, "game added", "games added");
    count(plan.KickoffsMoved, "kick-off moved", "kick-offs moved");
    count(plan.LinesChanged, "line changed", "lines changed");
    count(plan.LinesKept, "line kept because members have picked", "lines kept because members have picked");
    std::string summary;
    for (const std::string& p : parts) summary += (summary.empty() ? "" : ", ") + p;
    plan.Lines.push_back(summary.empty() ? "The " + std::to_string(plan.Year) + " season is up to date; nothing changes."
                                         : summary + ".");
}

}  // namespace

bool SeasonImportPlan::ChangesAnything() const {
    return What == Kind::NewSeason ||
           (What == Kind::Update && ScoresAdded + ScoresChanged + GamesAdded + KickoffsMoved + LinesChanged > 0);
}

SeasonImportPlan PlanSeasonImport(const AppState& state, const SeasonImport& read, bool replaceLines) {
    SeasonImportPlan plan;
    plan.Year = read.Season;
    plan.GamesPlaced = read.GamesPlaced;
    auto refuse = [&](std::string why) {
        plan.What = SeasonImportPlan::Kind::Refused;
        plan.Refusal = std::move(why);
        return plan;
    };
    if (!read.Problems.empty())
        return refuse(Plural(static_cast<int>(read.Problems.size()), "row", "rows") +
                      " of the file could not be placed; nothing was imported.");
    if (read.League != LeagueKind::Today)
        return refuse("The file holds a season of the 1997 league; only a season of today's league is imported into a pool folder this way.");
    if (read.GamesPlaced == 0)
        return refuse("The file holds no games of the " + std::to_string(read.Season) + " season; nothing was imported.");

    const int members = state.MemberCount;
    const int games = CountGames(state);
    const std::string year = std::to_string(read.Season);
    if (members == 0 && games == 0) {
        // Nothing a pool needs would be lost: the folder becomes this season's.
        plan.What = SeasonImportPlan::Kind::NewSeason;
        plan.Games = read.Games;
        plan.GamesAdded = read.GamesPlaced;
        plan.Lines.push_back("A new pool season: " + Plural(read.GamesPlaced, "game", "games") + " of the " + year +
                             " season of today's league.");
        return plan;
    }
    if (state.League().Kind != LeagueKind::Today || state.SeasonYear != year)
        return refuse(state.DataFolder.string() + " holds " + FolderHolds(state, members, games) +
                      ". A pool folder holds one league's season; start a new pool folder for the " + year +
                      " season: gridmoot-cli --data NEW-FOLDER import-season FILE --season " + year +
                      ", or File, New Pool Folder in Gridmoot.");
    plan.What = SeasonImportPlan::Kind::Update;
    Merge(state, read, replaceLines, plan);
    return plan;
}

Status ApplySeasonImport(AppState& state, const SeasonImportPlan& plan) {
    if (!plan.Allowed()) return Status::Error(plan.Refusal);
    const League& league = state.League();
    const TeamTables teams = state.Teams;
    const SeasonGrid games = state.Games;
    const std::string year = state.SeasonYear;
    const std::string fileName = state.SeasonFileName;
    const bool open = state.CurrentSeasonOpen;
    if (plan.What == SeasonImportPlan::Kind::NewSeason && league.Kind != LeagueKind::Today) {
        state.SetLeague(LeagueToday());
        LoadTeamTables(state);
    }
    state.Games = plan.Games;
    state.SeasonYear = std::to_string(plan.Year);
    state.CurrentSeasonOpen = true;
    if (Status s = SaveSeason(state); !s) {
        state.SetLeague(league);
        state.Teams = teams;
        state.Games = games;
        state.SeasonYear = year;
        state.SeasonFileName = fileName;
        state.CurrentSeasonOpen = open;
        return s;
    }
    return Status::Ok();
}

}  // namespace gm
