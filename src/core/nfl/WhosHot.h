#pragma once

#include "core/nfl/DivisionStandings.h"

namespace gm {

// "Who's Hot, Who's Not": the conference standings over a range of weeks the
// user picks, by default the current week alone. Its spins leave CurrentWeek
// alone, and nothing keeps the start at or before the end (a start after the
// end counts nothing).
class WhosHot : public DivisionStandings {
public:
    explicit WhosHot(AppState& state);

    void SetConference(Conference conference);
    void SetSpread(bool spread);
    bool SpinStart(int step);
    bool SpinEnd(int step);

    bool Spread() const { return spread_; }
    int StartWeek() const { return start_.Week(); }
    int EndWeek() const { return end_.Week(); }
    const std::string& StartText() const { return start_.Label(); }
    const std::string& EndText() const { return end_.Label(); }

    std::string ReportTitle() const override { return "Who's Hot, Who's Not"; }

protected:
    std::vector<std::string> HeadingLines(Writer writer) const override;
    StandingsOutputStyle Style() const override;

private:
    void Rebuild();

    SpunWeek start_;
    SpunWeek end_;
    bool spread_ = false;
};

// The Help button's message.
inline constexpr std::string_view kWhosHotHelpTitle = "Who's Hot, Who's Not";
inline constexpr std::string_view kWhosHotHelpText =
    "By moving the start week button down\r\nyou will be able to view how teams\r\nhave done in recent weeks.";

}  // namespace gm
