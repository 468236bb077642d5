#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"

namespace gm {

// One member's record in the games the analyst looks at. Counts are plain
// ints: a member's selections over a whole season never wrap.
struct AnalystRow {
    int MemberIndex = 0;
    int Wins = 0;
    int Losses = 0;
    int Ties = 0;
    float Points = 0.0f;  // confidence points earned
    float Pct = 0.0f;     // winning percentage, 0 when nothing counted
};

// "The Pool Analyst": how every member does, over weeks 1 to the week shown,
// in games of a group of teams ("In Games Involving") or when taking a team
// of the group ("When Betting On"); the group is one of nine team groups or a
// single team.
class PoolAnalyst : public Report {
public:
    enum class Mode { InGamesInvolving = 0, WhenBettingOn = 1 };
    static constexpr int kGroupCount = 9;       // the 1997 league's groups
    static constexpr int kMaxGroupCount = 11;   // today's: four divisions a conference

    // The captions of the nine groups ("All Teams" ... "AFC West") and of the
    // two modes.
    static std::string_view GroupCaption(int group);
    static std::string_view ModeCaption(Mode mode);
    // The team numbers of a group, from the division table.
    static std::vector<int> GroupTeams(int group);
    // The same for either league: the whole league, then each conference
    // (NFC first) followed by its divisions in standings order. 1997: the
    // nine above; today: "All Teams", "NFC Teams", "NFC East", "NFC North",
    // "NFC South", "NFC West", "AFC Teams", "AFC East" ... "AFC West".
    static int GroupCount(const League& league);
    static std::string_view GroupCaption(int group, const League& league);
    static std::vector<int> GroupTeams(int group, const League& league);

    // The column heading above the list.
    static constexpr std::string_view kHeading = ". Vadorurizizs        W    L   T    Pct.   Pts.";

    // Opens on CurrentWeek, "In Games Involving", "All Teams". With point
    // spreads on, the spread results of every game are refreshed first.
    explicit PoolAnalyst(AppState& state);

    // Each recomputes.
    void ChooseGroup(int group);  // 0 to the league's last group; anything else is ignored
    void ChooseTeam(int team);    // a team of the league; anything else is ignored
    void SetMode(Mode mode);
    // The week spin: refused (false, nothing changes) below 1 and above the
    // league's last week.
    // CurrentWeek follows.
    bool Spin(int step);

    int Week() const { return week_; }
    const std::string& WeekLabel() const { return weekLabel_; }
    Mode CurrentMode() const { return mode_; }
    int Group() const { return group_; }  // -1 while a single team is chosen
    int Team() const { return team_; }    // 0 while a group is chosen
    const std::vector<AnalystRow>& Rows() const { return rows_; }

    std::vector<std::string> Lines() const;
    // "Category: In Games Involving All Teams", centred in 66 characters.
    std::string CategoryLine() const;

    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void Compute();
    std::string Line(const AnalystRow& row) const;

    AppState& state_;
    int week_ = 1;
    std::string weekLabel_;
    Mode mode_ = Mode::InGamesInvolving;
    int group_ = 0;
    int team_ = 0;
    std::vector<AnalystRow> rows_;
};

}  // namespace gm
