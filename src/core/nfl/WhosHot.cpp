#include "WhosHot.h"

namespace gm {

WhosHot::WhosHot(AppState& state)
    : DivisionStandings(state, true),
      start_(state.CurrentWeek, state.League().Weeks),
      end_(state.CurrentWeek, state.League().Weeks) {
    Rebuild();
}

void WhosHot::SetConference(Conference conference) {
    ShowConference(conference);
    Rebuild();
}

void WhosHot::SetSpread(bool spread) {
    spread_ = spread;
    Rebuild();
}

bool WhosHot::SpinStart(int step) {
    if (!start_.Step(step)) return false;
    Rebuild();
    return true;
}

bool WhosHot::SpinEnd(int step) {
    if (!end_.Step(step)) return false;
    Rebuild();
    return true;
}

void WhosHot::Rebuild() {
    const RecordCount how{Venue::Overall, spread_ ? Judge::Spread : Judge::StraightUp, Role::Any, true};
    const WeekRange range{start_.Week() - 1, end_.Week() - 1};
    Recount([&](TeamTable& t) { CountRecords(t, state_.Games, range, how); }, !spread_);
}

std::vector<std::string> WhosHot::HeadingLines(Writer writer) const {
    const std::string mode = "NFL " + std::string(ModeWords(spread_));
    const std::string between =
        "Between Week " + std::to_string(start_.Week()) + " and Week " + std::to_string(end_.Week());
    if (writer == Writer::Printer) return {mode, between};
    return {mode + " " + between};
}

StandingsOutputStyle WhosHot::Style() const {
    StandingsOutputStyle s;
    s.Page = WebPageId::WhosHot;
    s.TextFileName = "WhosHot.txt";
    s.TextTitle = "Favorite/Underdog Text File";
    s.ClipboardTitle = "Who's Hot, Who's Not Standings";
    s.ClipboardText = "The Who's Hot, Who's Not Standings are on the clipboard";
    s.TitleFont = PageFont{"Arial", 20, true, false, true, 700};
    s.PrintTitleLines = 2;
    s.BodyFont = PageFont{"Courier New", 12, false, false, false, 400};
    return s;
}

}  // namespace gm
