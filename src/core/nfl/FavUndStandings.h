#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// " NFL  Favorite/Underdog  Standings": each team's record against the spread
// in the games it played as the favourite, or as the underdog, overall, at
// home or on the road. Ordered by wins alone. The week spin moves CurrentWeek.
class FavUndStandings : public DivisionStandings {
public:
    // Opens on CurrentWeek, as favourites, NFC, overall, season.
    explicit FavUndStandings(AppState& state);

    void SetRole(Role role);  // Favorite or Underdog
    void SetConference(Conference conference);
    void SetScope(Venue scope);
    void SetLast3(bool last3);
    bool SpinWeek(int step);

    Role ShownRole() const { return role_; }
    Venue Scope() const { return scope_; }
    bool Last3() const { return last3_; }
    int Week() const { return week_.Week(); }
    const std::string& WeekText() const { return week_.Label(); }

    std::string ReportTitle() const override { return " NFL  Favorite/Underdog  Standings"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild();

    SpunWeek week_;
    Role role_ = Role::Favorite;
    Venue scope_ = Venue::Overall;
    bool last3_ = false;
};

}  // namespace gm
