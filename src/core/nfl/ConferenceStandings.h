#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// " NFL  Conference Standings": the three divisions of one conference with
// division, conference and inter-conference records, straight up or against
// the spread. Its writers print both conferences. The week spin moves
// CurrentWeek with it.
class ConferenceStandings : public WeekStandings {
public:
    // Opens on CurrentWeek, NFC, season totals, straight up.
    explicit ConferenceStandings(AppState& state);

    void SetConference(Conference conference);
    void SetSpread(bool spread) { Change(spread_, spread); }

    bool Spread() const { return spread_; }

    std::string ReportTitle() const override { return " NFL  Conference Standings"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild() override;

    bool spread_ = false;
};

}  // namespace gm
