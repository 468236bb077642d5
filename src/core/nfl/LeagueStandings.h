#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// "NFL League Standings": all six divisions, overall, at home or on the road,
// straight up or against the spread, for the season to the week shown or its
// last three weeks. The week spin moves CurrentWeek with it.
class LeagueStandings : public DivisionStandings {
public:
    // Opens on CurrentWeek, overall, season totals, straight up.
    explicit LeagueStandings(AppState& state);

    void SetScope(Venue scope);
    void SetLast3(bool last3);
    void SetSpread(bool spread);
    // Refused (false) beyond weeks 1 and 21; moves CurrentWeek and counts again.
    bool SpinWeek(int step);

    Venue Scope() const { return scope_; }
    bool Last3() const { return last3_; }
    bool Spread() const { return spread_; }
    int Week() const { return week_.Week(); }
    const std::string& WeekText() const { return week_.Label(); }
    WeekRange Range() const { return SetWeekRange(week_.Week(), last3_); }

    std::string ReportTitle() const override { return "NFL League Standings"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild();

    SpunWeek week_;
    Venue scope_ = Venue::Overall;
    bool last3_ = false;
    bool spread_ = false;
};

}  // namespace gm
