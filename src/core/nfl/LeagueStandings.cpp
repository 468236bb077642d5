#include "LeagueStandings.h"

namespace gm {

LeagueStandings::LeagueStandings(AppState& state) : WeekStandings(state, false) {
    Rebuild();
}

void LeagueStandings::Rebuild() {
    const RecordCount how{scope_, spread_ ? Judge::Spread : Judge::StraightUp};
    Recount([&](TeamTable& t) { CountRecords(t, state_.Games, Range(), how); }, !spread_);
}

std::vector<std::string> LeagueStandings::HeadingLines(Writer writer) const {
    const std::string period = last3_ ? "Last 3 Weeks" : writer == Writer::TextFile ? "Overall" : "Season Totals";
    return {"NFL Standings: Week " + std::to_string(week_.Week()),
            std::string(VenueWords(scope_)) + "   " + period + "   " + std::string(ModeWords(spread_))};
}

StandingsOutputStyle LeagueStandings::Style() const {
    StandingsOutputStyle s;
    s.Page = WebPageId::League;
    s.TextFileName = "League" + week_.Label() + ".txt";
    s.TextTitle = "NFL League Text File";
    s.ClipboardTitle = "NFL League Standings";
    s.ClipboardText = "The NFL League Standings are on the clipboard";
    s.TitleFont = PageFont{"Arial", 16, true, false, true, 700};
    s.BodyFont = PageFont{"Courier New", 15, false, false, false, 400};
    s.BodyX = 720;
    return s;
}

}  // namespace gm
