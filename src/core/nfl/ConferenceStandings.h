#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// " NFL  Conference Standings": the three divisions of one conference with
// division, conference and inter-conference records, straight up or against
// the spread. Its writers print both conferences. The week spin moves
// CurrentWeek with it.
class ConferenceStandings : public DivisionStandings {
public:
    // Opens on CurrentWeek, NFC, season totals, straight up.
    explicit ConferenceStandings(AppState& state);

    void SetConference(Conference conference);
    void SetLast3(bool last3);
    void SetSpread(bool spread);
    bool SpinWeek(int step);

    bool Last3() const { return last3_; }
    bool Spread() const { return spread_; }
    int Week() const { return week_.Week(); }
    const std::string& WeekText() const { return week_.Label(); }

    std::string ReportTitle() const override { return " NFL  Conference Standings"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild();

    SpunWeek week_;
    bool last3_ = false;
    bool spread_ = false;
};

}  // namespace gm
