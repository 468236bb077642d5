#include "Teams.h"

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

TeamTables TeamTables::Defaults() {
    TeamTables t;
    const auto& d = DefaultTeams();
    for (int n = 0; n <= kTeams; ++n) {
        t.TeamCity[n] = d[n].City;
        t.TeamName[n] = d[n].Name;
        t.TeamCityAbbr[n] = d[n].CityAbbr;
        t.TeamNameAbbr[n] = d[n].NameAbbr;
    }
    return t;
}

namespace {
const std::string& Pick(const std::array<std::string, kTeams + 1>& table, int team) {
    static const std::string blank;
    return team >= 0 && team <= kTeams ? table[team] : blank;
}
}  // namespace

const std::string& TeamTables::City(int team) const { return Pick(TeamCity, team); }
const std::string& TeamTables::Name(int team) const { return Pick(TeamName, team); }
const std::string& TeamTables::CityAbbr(int team) const { return Pick(TeamCityAbbr, team); }
const std::string& TeamTables::NameAbbr(int team) const { return Pick(TeamNameAbbr, team); }

}  // namespace gm
