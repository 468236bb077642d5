#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// "NFL League Standings": all six divisions, overall, at home or on the road,
// straight up or against the spread, for the season to the week shown or its
// last three weeks. The week spin moves CurrentWeek with it.
class LeagueStandings : public WeekStandings {
public:
    // Opens on CurrentWeek, overall, season totals, straight up.
    explicit LeagueStandings(AppState& state);

    void SetScope(Venue scope) { Change(scope_, scope); }
    void SetSpread(bool spread) { Change(spread_, spread); }

    Venue Scope() const { return scope_; }
    bool Spread() const { return spread_; }

    std::string ReportTitle() const override { return "NFL League Standings"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild() override;

    Venue scope_ = Venue::Overall;
    bool spread_ = false;
};

}  // namespace gm
