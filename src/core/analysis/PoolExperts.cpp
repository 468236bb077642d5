#include "PoolExperts.h"

#include <algorithm>

#include "core/data/PoolOptions.h"
#include "core/output/PrintJob.h"
#include "core/pool/Grading.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

struct Count {
    int Wins = 0, Losses = 0, Ties = 0;

    void Add(Grade grade) {
        if (grade == Grade::Win) ++Wins;
        else if (grade == Grade::Loss) ++Losses;
        else if (grade == Grade::Tie) ++Ties;
    }
};

std::string WLT(int wins, int losses, int ties) { return N(wins) + " - " + N(losses) + " - " + N(ties); }


}  // namespace

PoolExperts::PoolExperts(AppState& state) : state_(state), slots_(state.League().Slots) {
    week_ = std::clamp(state_.CurrentWeek, 1, state_.League().Weeks);
    weekLabel_ = gm::WeekLabel(week_, false);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    Compute();
}

PoolExperts::SpinResult PoolExperts::Spin(int step) {
    if (step < 0 && week_ <= kFirstWeek) return SpinResult::MinimumData;
    const int week = week_ + step;
    if (week < 1 || week > state_.League().Weeks) return SpinResult::AtLimit;
    week_ = week;
    weekLabel_ = gm::WeekLabel(week, true);
    state_.CurrentWeek = week;
    Compute();
    return SpinResult::Moved;
}

void PoolExperts::Compute() {
    const bool spreads = UsesPointSpreads(state_.PointSpreads);
    const int members = std::clamp(state_.MemberCount, 0, static_cast<int>(state_.Members.size()));
    const auto& week = state_.Games[static_cast<std::size_t>(week_ - 1)];
    const League& league = state_.League();
    const auto ValidTeam = [&](int team) { return league.ValidTeam(team); };

    // Every member's record in the games of each team over weeks 1 to w - 1;
    // a game counts for both of its teams, so the record for a game is the
    // sum of its two teams' records (a game between them counted twice).
    std::vector<std::array<Count, kMaxTeams + 1>> byTeam(static_cast<std::size_t>(members));
    for (int m = 0; m < members; ++m) {
        const MemberRecord& member = state_.Members[static_cast<std::size_t>(m)];
        auto& teams = byTeam[static_cast<std::size_t>(m)];
        for (int w = 0; w < week_ - 1; ++w) {
            for (int s = 0; s < slots_; ++s) {
                const GameRecord& game = state_.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
                const Grade grade = GradeSelection(
                    game, member.Picks[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)], spreads);
                if (grade == Grade::None || grade == Grade::Pending) continue;
                if (ValidTeam(game.HomeTeam)) teams[game.HomeTeam].Add(grade);
                if (ValidTeam(game.AwayTeam)) teams[game.AwayTeam].Add(grade);
            }
        }
    }

    expertWins_ = expertLosses_ = expertTies_ = 0;
    const TeamTables& names = state_.Teams;
    for (int s = 0; s < slots_; ++s) {
        const GameRecord& game = week[static_cast<std::size_t>(s)];
        ExpertGame& row = games_[static_cast<std::size_t>(s)];
        row = ExpertGame{};
        if (!game.HasGame()) continue;
        row.HasGame = true;

        // Wins first, then percentage, then member order: the first member
        // who is not beaten on both.
        for (int m = 0; m < members; ++m) {
            const auto& teams = byTeam[static_cast<std::size_t>(m)];
            const Count home = ValidTeam(game.HomeTeam) ? teams[game.HomeTeam] : Count{};
            const Count away = ValidTeam(game.AwayTeam) ? teams[game.AwayTeam] : Count{};
            ExpertRow r{m, home.Wins + away.Wins, home.Losses + away.Losses, home.Ties + away.Ties, 0.0f};
            r.Pct = WinningPct(r.Wins, r.Losses, r.Ties);
            if (row.Expert < 0 || r.Wins > row.Record.Wins ||
                (r.Wins == row.Record.Wins && r.Pct > row.Record.Pct)) {
                row.Expert = m;
                row.Record = r;
            }
        }

        row.Game = names.CityAbbr(game.AwayTeam) + " at " + names.CityAbbr(game.HomeTeam);
        if (row.Expert >= 0) {
            row.Player = NameField(state_.Members[static_cast<std::size_t>(row.Expert)]);
            row.RecordText = Pad(2, N(row.Record.Wins)) + "-" + N(row.Record.Losses);
        }
        const int pick = row.Expert >= 0 ? state_.Members[static_cast<std::size_t>(row.Expert)]
                                               .Picks[static_cast<std::size_t>(week_ - 1)][static_cast<std::size_t>(s)]
                                         : 0;
        const Grade grade = GradeSelection(game, pick, spreads);
        row.Pick = grade == Grade::None ? "***" : names.CityAbbr(pick);
        row.Won = grade == Grade::Win ? "Yes" : grade == Grade::Loss ? "No" : grade == Grade::Tie ? "Tie" : "***";
        expertWins_ += grade == Grade::Win ? 1 : 0;
        expertLosses_ += grade == Grade::Loss ? 1 : 0;
        expertTies_ += grade == Grade::Tie ? 1 : 0;

        const bool homeFirst = game.HomeScore > game.AwayScore;
        row.Winner = names.CityAbbr(homeFirst ? game.HomeTeam : game.AwayTeam);
        row.WonScore = N(homeFirst ? game.HomeScore : game.AwayScore);
        row.Loser = names.CityAbbr(homeFirst ? game.AwayTeam : game.HomeTeam);
        row.LossScore = N(homeFirst ? game.AwayScore : game.HomeScore);
    }

    // The whole pool's week: every selection on a played game.
    Count pool;
    for (int m = 0; m < members; ++m) {
        const auto& picks = state_.Members[static_cast<std::size_t>(m)].Picks[static_cast<std::size_t>(week_ - 1)];
        for (int s = 0; s < slots_; ++s)
            pool.Add(GradeSelection(week[static_cast<std::size_t>(s)], picks[static_cast<std::size_t>(s)], spreads));
    }
    poolWins_ = pool.Wins;
    poolLosses_ = pool.Losses;
    poolTies_ = pool.Ties;
}

std::string PoolExperts::ExpertWLT() const { return WLT(expertWins_, expertLosses_, expertTies_); }
std::string PoolExperts::PoolWLT() const { return WLT(poolWins_, poolLosses_, poolTies_); }
std::string PoolExperts::ExpertPct() const { return Format2(WinningPct(expertWins_, expertLosses_, expertTies_)); }
std::string PoolExperts::PoolPct() const { return Format2(WinningPct(poolWins_, poolLosses_, poolTies_)); }
std::string PoolExperts::StatsLabel() const { return "Week " + N(week_) + " Stats"; }
std::string PoolExperts::RecordWeekNote() const { return "Expert Records are From Week 1 to Week " + N(week_ - 1); }

std::string PoolExperts::ColumnHeading() {
    return "   Game     Expert          Record  Pick   Won?   Game Result";
}

std::string PoolExperts::GameLine(const ExpertGame& g) const {
    return Pad(10, g.Game) + "  " + PadRight(g.Player, 18) + g.RecordText + "  " + PadRight(g.Pick, 7) +
           PadRight(g.Won, 6) + PadRight(g.Winner, 4) + PadRight(g.WonScore, 4) + PadRight(g.Loser, 4) +
           g.LossScore;
}

std::vector<std::string> PoolExperts::ReportLines() const {
    std::vector<std::string> lines{std::string(26, ' ') + "THE POOL EXPERTS", "", ColumnHeading(),
                                   std::string(62, '-')};
    for (const ExpertGame& g : Games()) lines.push_back(GameLine(g));
    const std::string gap25(25, ' ');
    lines.insert(lines.end(), {"", "", "  Pool Experts" + gap25 + "Pool (Overall)",
                               "  ------------" + gap25 + "--------------",
                               "  Won-Loss-Tie" + std::string(26, ' ') + "Won-Loss-Tie",
                               Pad(12, ExpertWLT()) + Pad(40, PoolWLT()), "",
                               "    Win Pct." + std::string(31, ' ') + "Win Pct.",
                               Pad(10, ExpertPct()) + Pad(39, PoolPct())});
    return lines;
}

std::string PoolExperts::ReportTitle() const { return std::string(kTitle); }

ReportWriters PoolExperts::Writers() const { return {true, true, true, true}; }

TextFileOutput PoolExperts::TextFile() const {
    TextFileOutput out;
    out.FileName = "Experts.txt";
    out.Lines = ReportLines();
    out.ConfirmTitle = std::string(kTitle);
    return out;
}

ClipboardOutput PoolExperts::Clipboard() const {
    // The lines joined by CR LF: no line end after the last one.
    std::string text;
    for (const std::string& line : ReportLines()) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return {text, OutputMessage::Confirm(std::string(kTitle), "The Pool Expert stats are on the clipboard")};
}

WebPageOutput PoolExperts::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::PoolExperts;
    page.Lines = PlainLines(ReportLines());
    return page;
}

void PoolExperts::PrintCopy(PageSurface& s, int) const {
    const std::vector<std::string> lines = ReportLines();
    s.CurrentX = 0;
    s.CurrentY = 360;
    s.Font = PageFont{"Arial", 20, false, false, true, 700};
    PrintCentered(s, kTitle);
    s.CurrentX = 0;
    s.Font = PageFont{"Courier New", 12, false, false, false, 500};
    s.PrintLine();
    s.Font.Underline = true;
    s.PrintLine(lines[2]);  // the column heading, then the games (no rule)
    const auto gamesEnd = 4 + static_cast<std::size_t>(slots_);
    for (std::size_t i = 4; i < gamesEnd; ++i) s.PrintLine(lines[i]);
    s.Font.Underline = false;
    for (std::size_t i = gamesEnd; i < lines.size(); ++i) s.PrintLine(lines[i]);
}

}  // namespace gm
