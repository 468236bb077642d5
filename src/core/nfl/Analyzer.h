#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/nfl/DivisionStandings.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/Report.h"

namespace gm {

// ---- The category counter ----------------------------------------------------

// A handicapping category: which team a game credits (role and location),
// which games count (all, or only those outside the division or conference),
// and straight up or against the spread.
struct Category {
    Role role = Role::Any;
    Venue location = Venue::Overall;
    GameFilter restriction = GameFilter::All;  // All, NonDivision or NonConference
    bool spread = false;
};

// Adds the played games of the range to the table as the category says. Points
// are added in both result modes; a favourite/underdog category passes over
// games without a spread.
void BuildCategory(TeamTable& table, const SeasonGrid& games, WeekRange range, const Category& category);

// The analyzer's named categories: all games, or the favourites' alone,
// outside the division or conference; "NS" (no spread) counts straight up.
struct NamedCategory {
    std::string_view Name;
    Category Counted;
};
inline constexpr std::array<NamedCategory, 10> kNamedCategories{{
    {"NonDivOverall", {Role::Any, Venue::Overall, GameFilter::NonDivision, false}},
    {"NonDivHome", {Role::Any, Venue::Home, GameFilter::NonDivision, false}},
    {"NonDivAway", {Role::Any, Venue::Road, GameFilter::NonDivision, false}},
    {"NonConfHome", {Role::Any, Venue::Home, GameFilter::NonConference, false}},
    {"FavOverallNS", {Role::Favorite, Venue::Overall, GameFilter::All, false}},
    {"FavOverall", {Role::Favorite, Venue::Overall, GameFilter::All, true}},
    {"NonDivFavOverallNS", {Role::Favorite, Venue::Overall, GameFilter::NonDivision, false}},
    {"NonDivFavOverall", {Role::Favorite, Venue::Overall, GameFilter::NonDivision, true}},
    {"NonConFavOverallNS", {Role::Favorite, Venue::Overall, GameFilter::NonConference, false}},
    {"NonConFavOverall", {Role::Favorite, Venue::Overall, GameFilter::NonConference, true}},
}};

// ---- Records, groups and percentages -----------------------------------------

struct AnalyzerRecord {
    int Team = 0;
    int Wins = 0, Losses = 0, Ties = 0;
    int PointsFor = 0, PointsAgainst = 0;
    float Pct = 0;     // winning percentage
    float Change = 0;  // percentage points above (+) or below the benchmark
    bool operator==(const AnalyzerRecord&) const = default;
};

struct GroupRecord {
    int Wins = 0, Losses = 0, Ties = 0;
    int PointsFor = 0, PointsAgainst = 0;
    float Pct = 0;
    float Change = 0;
};

// (wins + ties / 2) / games x 100; 0 without games.
float WinPct(int wins, int losses, int ties);

inline constexpr int kConferences = 2;  // 0 NFC (the first divisions), 1 AFC

// The team, division and conference records of one count, for the league of
// the counted table (divisions past the league's last stay zero).
struct AnalyzerTables {
    std::array<AnalyzerRecord, kMaxTeams + 2> Teams{};  // by team number until sorted
    std::array<GroupRecord, kMaxDivisions> Divisions{};
    std::array<GroupRecord, kConferences> Conferences{};
    const League* league = &League1997();
};

// The tables of a counted team table: records with percentages and the
// division and conference sums.
AnalyzerTables SumTables(const TeamTable& counted);

enum class Benchmark { RegularSeason, ConferenceHC, LeagueHC };

// The conference (0 NFC, 1 AFC) of a team number; -1 outside the league.
int ConferenceOfTeam(int team, const League& league = League1997());

// Sets every Change of `category` against the benchmark: the regular-season
// tables (`regular`), the team's conference in the category, or the whole
// league in the category. Teams must still be in team-number order.
void ApplyBenchmark(AnalyzerTables& category, const AnalyzerTables& regular, Benchmark benchmark);

// Change boxes: an optional sign and up to three digits, from -100 to 100.
// Anything else ("+", "5-", an empty box, more digits) is refused.
std::optional<int> ParseChange(std::string_view text);
inline constexpr std::string_view kChangeErrorTitle = "Incorrect Inputs";
inline constexpr std::string_view kChangeErrorText = "Valid inputs are between -100 and 100";

// The hits: cities of the teams (by team number) whose change lies from
// `low` to `high` inclusive, then their number.
std::vector<std::string> Hits(const AnalyzerTables& category, const TeamTables& teams, int low, int high);

// The sign message of a week: every game, " ** " after each.
std::string AnalyzerSignMessage(const WeekGames& week, const TeamTables& teams);

inline constexpr std::string_view kAnalyzerHeading = "Team             W   L T  Pct.    PF   PA    RS    %Chg.";

// ---- The display --------------------------------------------------------------

// "The NFL Analyzer": a category's records over a week range, each compared
// with a benchmark, by conference and division (and team when expanded).
class Analyzer : public Report {
public:
    // Opens as the window does: weeks 1 to CurrentWeek, every category "All
    // Games", straight up, "Regular Season"; change boxes "+100".
    explicit Analyzer(AppState& state);

    void SetRole(Role role);
    void SetLocation(Venue location);
    void SetRestriction(GameFilter restriction);
    void SetSpread(bool spread);
    void SetBenchmark(Benchmark benchmark);
    // Week spins: refused (false) beyond week 1 and the season's last. The end week moves
    // CurrentWeek. Both rebuild.
    bool SpinStart(int step);
    bool SpinEnd(int step);
    // The change range; the hits follow it from the next rebuild on.
    void SetChangeRange(int low, int high);
    void SetExpanded(bool expanded);

    // The sign's week: moves without touching the tables.
    bool SpinMarquee(int step);
    std::string SignMessage() const;

    int StartWeek() const { return start_.Week(); }
    int EndWeek() const { return end_.Week(); }
    int MarqueeWeek() const { return marquee_.Week(); }
    const std::string& StartText() const { return start_.Label(); }
    const std::string& EndText() const { return end_.Label(); }
    const std::string& MarqueeText() const { return marquee_.Label(); }
    bool Expanded() const { return expanded_; }
    Benchmark ShownBenchmark() const { return benchmark_; }

    const AnalyzerTables& CategoryTables() const { return category_; }  // teams in sorted order
    const AnalyzerTables& RegularTables() const { return regular_; }
    const std::vector<std::string>& HitList() const { return hits_; }
    // The list as shown: shrunk or expanded.
    std::vector<std::string> ListLines() const;
    // What every writer writes.
    std::vector<std::string> OutputLines() const;

    std::string ReportTitle() const override { return "The NFL Analyzer"; }
    ReportWriters Writers() const override { return {true, true, true, true}; }
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void Rebuild();

    AppState& state_;
    SpunWeek start_{1};
    SpunWeek end_;
    SpunWeek marquee_;
    Category category_kind_;
    Benchmark benchmark_ = Benchmark::RegularSeason;
    int low_ = 100;
    int high_ = 100;
    bool expanded_ = false;
    AnalyzerTables category_;
    AnalyzerTables regular_;
    std::vector<std::string> hits_;
};

// Descriptions the writers print.
std::string_view RoleWords(Role role);
std::string_view LocationWords(Venue location);
std::string_view RestrictionWords(GameFilter restriction);
std::string_view BenchmarkWords(Benchmark benchmark);

}  // namespace gm
