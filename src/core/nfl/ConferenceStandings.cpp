#include "ConferenceStandings.h"

namespace gm {

ConferenceStandings::ConferenceStandings(AppState& state) : WeekStandings(state, true) {
    Rebuild();
}

void ConferenceStandings::SetConference(Conference conference) {
    ShowConference(conference);
    Rebuild();
}

void ConferenceStandings::Rebuild() {
    const RecordCount how{Venue::Overall, spread_ ? Judge::Spread : Judge::StraightUp, Role::Any, true};
    Recount([&](TeamTable& t) { CountRecords(t, state_.Games, Range(), how); }, !spread_);
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
