#include "Teams.h"

#include "League.h"

namespace gm {

const std::array<DefaultTeam, kTeams + 1>& DefaultTeams() {
    static const std::array<DefaultTeam, kTeams + 1> table = {{
        {" ", " ", "   ", "   ", 0, 0},
        {"Arizona", "Cardinals", "Ari", "Car", 2, 1},
        {"Atlanta", "Falcons", "Atl", "Fal", 2, 3},
        {"Baltimore", "Ravens", "Bal", "Rav", 1, 5},
        {"Buffalo", "Bills", "Buf", "Bil", 1, 4},
        {"Carolina", "Panthers", "Car", "Pan", 2, 3},
        {"Chicago", "Bears", "Chi", "Bea", 2, 2},
        {"Cincinnati", "Bengals", "Cin", "Ben", 1, 5},
        {"Dallas", "Cowboys", "Dal", "Cow", 2, 1},
        {"Denver", "Broncos", "Den", "Bro", 1, 6},
        {"Detroit", "Lions", "Det", "Lio", 2, 2},
        {"Green Bay", "Packers", "Gb", "Pac", 2, 2},
        {"Tennessee", "Oilers", "Ten", "Oil", 1, 5},
        {"Indianapolis", "Colts", "Ind", "Col", 1, 4},
        {"Jacksonville", "Jaguars", "Jac", "Jag", 1, 5},
        {"Kansas City", "Chiefs", "Kc", "Chi", 1, 6},
        {"Miami", "Dolphins", "Mia", "Dol", 1, 4},
        {"Minnesota", "Vikings", "Min", "Vik", 2, 2},
        {"New England", "Patriots", "Ne", "Pat", 1, 4},
        {"New Orleans", "Saints", "No", "Sai", 2, 3},
        {"NY Giants", "Giants", "NyG", "NyG", 2, 1},
        {"NY Jets", "Jets", "NyJ", "NyJ", 1, 4},
        {"Oakland", "Raiders", "Oak", "Rai", 1, 6},
        {"Philadelphia", "Eagles", "Phi", "Eag", 2, 1},
        {"Pittsburgh", "Steelers", "Pit", "Ste", 1, 5},
        {"San Diego", "Chargers", "Sd", "Cha", 1, 6},
        {"San Francisco", "49er's", "Sf", "49s", 2, 3},
        {"Seattle", "Seahawks", "Sea", "Sea", 1, 6},
        {"St.Louis", "Rams", "StL", "Ram", 2, 3},
        {"Tampa Bay", "Buccaneers", "Tb", "Buc", 2, 2},
        {"Washington", "Redskins", "Was", "Red", 2, 1},
    }};
    return table;
}

int TeamConference(int team) {
    return team >= 1 && team <= kTeams ? DefaultTeams()[team].Conference : 0;
}

int TeamDivision(int team) {
    return team >= 1 && team <= kTeams ? DefaultTeams()[team].Division : 0;
}

const std::array<std::string, kDivisions>& DivisionHeadings() {
    static const std::array<std::string, kDivisions> headings = {
        "NFC Eastern     W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "NFC Central     W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "NFC Western     W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "AFC Eastern     W  L  T   PF   PA     Division   Conference  vs. NFC ",
        "AFC Central     W  L  T   PF   PA     Division   Conference  vs. NFC ",
        "AFC Western     W  L  T   PF   PA     Division   Conference  vs. NFC ",
    };
    return headings;
}

const std::array<DefaultTeam, kMaxTeams + 1>& TodayTeams() {
    // Numbered by location, as the 1997 table is; conferences 1 AFC, 2 NFC;
    // divisions 1 to 4 NFC East, North, South, West, 5 to 8 AFC East, North, South, West.
    static const std::array<DefaultTeam, kMaxTeams + 1> table = {{
        {" ", " ", "   ", "   ", 0, 0, ""},
        {"Arizona", "Cardinals", "ARI", "Car", 2, 4, "ARI"},
        {"Atlanta", "Falcons", "ATL", "Fal", 2, 3, "ATL"},
        {"Baltimore", "Ravens", "BAL", "Rav", 1, 6, "BAL"},
        {"Buffalo", "Bills", "BUF", "Bil", 1, 5, "BUF"},
        {"Carolina", "Panthers", "CAR", "Pan", 2, 3, "CAR"},
        {"Chicago", "Bears", "CHI", "Bea", 2, 2, "CHI"},
        {"Cincinnati", "Bengals", "CIN", "Ben", 1, 6, "CIN"},
        {"Cleveland", "Browns", "CLE", "Brw", 1, 6, "CLE"},
        {"Dallas", "Cowboys", "DAL", "Cow", 2, 1, "DAL"},
        {"Denver", "Broncos", "DEN", "Bro", 1, 8, "DEN"},
        {"Detroit", "Lions", "DET", "Lio", 2, 2, "DET"},
        {"Green Bay", "Packers", "GB", "Pac", 2, 2, "GB"},
        {"Houston", "Texans", "HOU", "Tex", 1, 7, "HOU"},
        {"Indianapolis", "Colts", "IND", "Col", 1, 7, "IND"},
        {"Jacksonville", "Jaguars", "JAX", "Jag", 1, 7, "JAX"},
        {"Kansas City", "Chiefs", "KC", "Chi", 1, 8, "KC"},
        {"Las Vegas", "Raiders", "LV", "Rai", 1, 8, "LV"},
        {"LA Chargers", "Chargers", "LAC", "Cha", 1, 8, "LAC"},
        {"LA Rams", "Rams", "LA", "Ram", 2, 4, "LA"},
        {"Miami", "Dolphins", "MIA", "Dol", 1, 5, "MIA"},
        {"Minnesota", "Vikings", "MIN", "Vik", 2, 2, "MIN"},
        {"New England", "Patriots", "NE", "Pat", 1, 5, "NE"},
        {"New Orleans", "Saints", "NO", "Sai", 2, 3, "NO"},
        {"NY Giants", "Giants", "NYG", "Gia", 2, 1, "NYG"},
        {"NY Jets", "Jets", "NYJ", "Jet", 1, 5, "NYJ"},
        {"Philadelphia", "Eagles", "PHI", "Eag", 2, 1, "PHI"},
        {"Pittsburgh", "Steelers", "PIT", "Ste", 1, 6, "PIT"},
        {"San Francisco", "49ers", "SF", "49s", 2, 4, "SF"},
        {"Seattle", "Seahawks", "SEA", "Sea", 2, 4, "SEA"},
        {"Tampa Bay", "Buccaneers", "TB", "Buc", 2, 3, "TB"},
        {"Tennessee", "Titans", "TEN", "Tit", 1, 7, "TEN"},
        {"Washington", "Commanders", "WAS", "Com", 2, 1, "WAS"},
    }};
    return table;
}

const std::array<std::string, kMaxDivisions>& TodayDivisionHeadings() {
    static const std::array<std::string, kMaxDivisions> headings = {
        "NFC East        W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "NFC North       W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "NFC South       W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "NFC West        W  L  T   PF   PA     Division   Conference  vs. AFC ",
        "AFC East        W  L  T   PF   PA     Division   Conference  vs. NFC ",
        "AFC North       W  L  T   PF   PA     Division   Conference  vs. NFC ",
        "AFC South       W  L  T   PF   PA     Division   Conference  vs. NFC ",
        "AFC West        W  L  T   PF   PA     Division   Conference  vs. NFC ",
    };
    return headings;
}

TeamTables TeamTables::Defaults() { return Defaults(League1997()); }

TeamTables TeamTables::Defaults(const League& league) {
    TeamTables t;
    const auto& d = league.TeamTable;
    for (int n = 0; n <= league.Teams; ++n) {
        t.TeamCity[n] = d[n].City;
        t.TeamName[n] = d[n].Name;
        t.TeamCityAbbr[n] = d[n].CityAbbr;
        t.TeamNameAbbr[n] = d[n].NameAbbr;
    }
    return t;
}

namespace {
const std::string& Pick(const std::array<std::string, kMaxTeams + 1>& table, int team) {
    static const std::string blank;
    return team >= 0 && team <= kMaxTeams ? table[team] : blank;
}
}  // namespace

const std::string& TeamTables::City(int team) const { return Pick(TeamCity, team); }
const std::string& TeamTables::Name(int team) const { return Pick(TeamName, team); }
const std::string& TeamTables::CityAbbr(int team) const { return Pick(TeamCityAbbr, team); }
const std::string& TeamTables::NameAbbr(int team) const { return Pick(TeamNameAbbr, team); }

}  // namespace gm
