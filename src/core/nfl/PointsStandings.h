#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/nfl/DivisionStandings.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/Report.h"

namespace gm {

// One team's points between two weeks (played games only, real scores).
struct PointsRecord {
    int Team = 0;
    int PointsFor = 0, PointsAgainst = 0;
    int HomePF = 0, RoadPF = 0, HomePA = 0, RoadPA = 0;
    float AvgPF = 0, AvgPA = 0;
    float AvgHomePF = 0, AvgRoadPF = 0, AvgHomePA = 0, AvgRoadPA = 0;
    float ShownPoints = 0;  // the ranking key, shown in the "Pts" column
    int GamesPlayed = 0, HomeGames = 0, RoadGames = 0;
    int ShownGames = 0;  // the games of the chosen scope, shown in the "Gms" column
};

// The offensive and defensive statistics: the league's teams ranked by points
// scored or allowed, totals or per game, over all, home or road games, between
// a start week and an end week (the end week is CurrentWeek). The first half
// of the places (1 to 15 in 1997, 1 to 16 today) fill the first list and the
// rest the second, or the two lists split the ranking by conference, each team
// keeping its overall place.
class PointsStandings : public Report {
public:
    // Opens on weeks 1 to CurrentWeek, overall, averages, points scored.
    explicit PointsStandings(AppState& state);

    void SetScope(Venue scope);
    void SetTotals(bool totals);        // "Use Total Points"
    void SetAllowed(bool allowed);      // "Use Points Allowed"
    void SetByConference(bool byConf);  // "Sort By Conference"
    // Refused (false) beyond week 1 and the season's last. The end week moves CurrentWeek.
    bool SpinStart(int step);
    bool SpinEnd(int step);

    Venue Scope() const { return scope_; }
    bool Totals() const { return totals_; }
    bool Allowed() const { return allowed_; }
    bool ByConference() const { return byConference_; }
    int StartWeek() const { return start_.Week(); }
    int EndWeek() const { return end_.Week(); }
    const std::string& StartText() const { return start_.Label(); }
    const std::string& EndText() const { return end_.Label(); }

    // The league's teams in ranking order.
    const std::vector<PointsRecord>& Ranking() const { return ranking_; }
    // The two lists (0: lstTop15, 1: lstBot15) and each line's item data (team number - 1).
    std::vector<std::string> ListLines(int list) const;
    std::vector<int> ListItemData(int list) const;
    static std::string_view Caption() { return "Rank Team           Pts    Gms "; }
    // The three heading lines, each centred in 66 characters.
    std::vector<std::string> HeadingLines() const;

    std::string ReportTitle() const override { return "Points For/ Points Against"; }
    ReportWriters Writers() const override { return {true, true, true, true}; }
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void Rebuild();
    // Every line of the text forms: heading, an empty line, then each list under the caption.
    std::vector<std::string> OutputLines() const;
    // Ranking places (0-based) shown in each list.
    std::array<std::vector<std::size_t>, 2> Lists() const;
    std::string LineAt(std::size_t place) const;

    AppState& state_;
    SpunWeek start_;
    SpunWeek end_;
    Venue scope_ = Venue::Overall;
    bool totals_ = false;
    bool allowed_ = false;
    bool byConference_ = false;
    std::vector<PointsRecord> ranking_;
};

// Adds up every team's points of weeks start to end (1-based, both included);
// index t of the result holds team t of the league (index 0 and any past the
// league's last team unused). Averages are worked out.
std::array<PointsRecord, kMaxTeams + 1> CountPoints(const SeasonGrid& games, int startWeek, int endWeek,
                                                    const League& league = League1997());

}  // namespace gm
