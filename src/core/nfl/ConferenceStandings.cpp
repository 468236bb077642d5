#include "ConferenceStandings.h"

namespace gm {

ConferenceStandings::ConferenceStandings(AppState& state) : DivisionStandings(state, true), week_(state.CurrentWeek) {
    Rebuild();
}

void ConferenceStandings::SetConference(Conference conference) {
    ShowConference(conference);
    Rebuild();
}

void ConferenceStandings::SetLast3(bool last3) {
    last3_ = last3;
    Rebuild();
}

void ConferenceStandings::SetSpread(bool spread) {
    spread_ = spread;
    Rebuild();
}

bool ConferenceStandings::SpinWeek(int step) {
    if (!week_.Step(step)) return false;
    state_.CurrentWeek = week_.Week();
    Rebuild();
    return true;
}

void ConferenceStandings::Rebuild() {
    const RecordCount how{Venue::Overall, spread_ ? Judge::Spread : Judge::StraightUp, Role::Any, true};
    Recount([&](TeamTable& t) { CountRecords(t, state_.Games, SetWeekRange(week_.Week(), last3_), how); }, !spread_);
}

std::vector<std::string> ConferenceStandings::HeadingLines(Writer writer) const {
    const std::string period = !last3_ ? "Overall" : writer == Writer::Printer ? "Last 3 Weeks" : "Last 3 Games";
    return {"NFL Standings: Week " + std::to_string(week_.Week()), period + "   " + std::string(ModeWords(spread_))};
}

StandingsOutputStyle ConferenceStandings::Style() const {
    StandingsOutputStyle s;
    s.Page = WebPageId::Conference;
    s.TextFileName = "Conf" + week_.Label() + ".txt";
    s.TextTitle = "NFL Conference Text File";
    s.ClipboardTitle = "NFL Conference Standings";
    s.ClipboardText = "The NFL Conference Standings are on the clipboard";
    s.TitleFont = PageFont{"Arial", 20, true, false, true, 700};
    s.BodyFont = PageFont{"Courier New", 12, false, false, false, 500};
    return s;
}

}  // namespace gm
