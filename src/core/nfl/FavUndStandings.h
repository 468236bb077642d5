#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// " NFL  Favorite/Underdog  Standings": each team's record against the spread
// in the games it played as the favourite, or as the underdog, overall, at
// home or on the road. Ordered by wins alone. The week spin moves CurrentWeek.
class FavUndStandings : public WeekStandings {
public:
    // Opens on CurrentWeek, as favourites, NFC, overall, season.
    explicit FavUndStandings(AppState& state);

    void SetRole(Role role);  // Favorite or Underdog
    void SetConference(Conference conference);
    void SetScope(Venue scope) { Change(scope_, scope); }

    Role ShownRole() const { return role_; }
    Venue Scope() const { return scope_; }

    std::string ReportTitle() const override { return " NFL  Favorite/Underdog  Standings"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild() override;

    Role role_ = Role::Favorite;
    Venue scope_ = Venue::Overall;
};

}  // namespace gm
