#include "FavUndStandings.h"

namespace gm {

FavUndStandings::FavUndStandings(AppState& state) : WeekStandings(state, true) {
    Rebuild();
}

void FavUndStandings::SetRole(Role role) {
    role_ = role == Role::Underdog ? Role::Underdog : Role::Favorite;
    Rebuild();
}

void FavUndStandings::SetConference(Conference conference) {
    ShowConference(conference);
    Rebuild();
}

void FavUndStandings::Rebuild() {
    // Every record here is against the spread, so no points; equal wins keep
    // team-number order whatever the losses.
    const RecordCount how{scope_, Judge::Spread, role_, true};
    Recount([&](TeamTable& t) { CountRecords(t, state_.Games, Range(), how); }, false,
            false);
}

std::vector<std::string> FavUndStandings::HeadingLines(Writer) const {
    const std::string role = role_ == Role::Underdog ? "Underdog" : "Favorite";
    return {"NFL " + role + " Standings: Week " + std::to_string(week_.Week()),
            std::string(last3_ ? "Last 3 Games" : "Season Standings") + "   " + std::string(VenueWords(scope_))};
}

StandingsOutputStyle FavUndStandings::Style() const {
    StandingsOutputStyle s;
    s.Page = WebPageId::FavUnd;
    s.TextFileName = "FavUnd" + week_.Label() + ".txt";
    s.TextTitle = "Favorite/Underdog Text File";
    s.ClipboardTitle = "Favorite/Underdog Standings";
    s.ClipboardText = "Favorite/Underdog standings are on the clipboard";
    s.TitleFont = PageFont{"Arial", 20, true, false, true, 700};
    s.BodyFont = PageFont{"Courier New", 12, false, false, false, 500};
    return s;
}

}  // namespace gm
