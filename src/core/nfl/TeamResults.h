#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"

namespace gm {

// Column headings of the team results, with and without the spread column.
inline constexpr std::string_view kTeamHeadingSpread = " Week       Opponent       Result   W- L- T  PS.Result ";
inline constexpr std::string_view kTeamHeadingNoSpread = " Week       Opponent       Result   W- L- T ";

// One team's season week by week: opponent, score, running record and the
// result against the spread, with home, road and spread records and points.
class TeamResults : public Report {
public:
    // A won-lost-tied count.
    struct Record {
        int Wins = 0;
        int Losses = 0;
        int Ties = 0;
    };

    // Opens on the team ResultsTeam names (team number - 1), spread column shown.
    explicit TeamResults(AppState& state);

    // The team a user names: its number (1 to the league's last team), its
    // city abbreviation or its city, in any letter case; 0 when none matches.
    static int TeamFromText(const TeamTables& teams, std::string_view text, const League& league = League1997());

    // The team chooser: the league's city names in team order (entry i is team i + 1).
    std::vector<std::string> TeamChoices() const;
    // Rebuilds for a team of the league; any other number is refused (false).
    bool ChooseTeam(int team);
    void SetShowSpread(bool show) { showSpread_ = show; }

    int Team() const { return team_; }
    bool ShowSpread() const { return showSpread_; }
    std::string Heading() const;  // the frame's caption, as "Show PS Results" says
    // What the list holds: the season's weeks with the spread column, and a
    // rule after the regular season.
    std::vector<std::string> ListLines() const;
    // The line of each week of the season grid; weeks past the league's last stay empty.
    const std::array<std::string, kMaxWeeks>& LineWithSpread() const { return withSpread_; }
    const std::array<std::string, kMaxWeeks>& LineNoSpread() const { return noSpread_; }

    std::string HomeText() const;  // lblHome
    std::string AwayText() const;  // lblAway
    std::string PSText() const;    // lblPS
    std::string PointsForText() const;
    std::string PointsAgainstText() const;
    std::string AvgPFText() const;
    std::string AvgPAText() const;
    int GamesPlayed() const { return played_; }

    // The lines of every writer: the team's names, "NFL Schedule and
    // Results", an empty line, the heading and the weeks.
    std::vector<std::string> OutputLines() const;
    // The file name both files are built from: the team's city abbreviation
    // when it makes a usable one, else "Team" + the team number.
    std::string FileStem() const;

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void ShowTeamResults();
    std::string FullName() const;  // city + " " + name
    std::string NameLine() const;  // city + 2 blanks + name
    std::vector<std::string> WeekLines() const;

    AppState& state_;
    int team_ = 1;
    bool showSpread_ = true;
    std::array<std::string, kMaxWeeks> withSpread_{};
    std::array<std::string, kMaxWeeks> noSpread_{};
    Record home_, away_, spread_;
    int pointsFor_ = 0;
    int pointsAgainst_ = 0;
    int played_ = 0;
};

}  // namespace gm
