#include "Help.h"

namespace gm {

std::string_view HelpPage(int topic) {
    switch (topic) {
        case help::Spreads: return "spreads.html";
        case help::Standings: return "standings.html";
        case help::Options: return "options.html";
        case help::AllPicks: return "allpicks.html";
        case help::Matchups: return "matchups.html";
        case help::PoolRoom: return "poolroom.html";
        default: return "index.html";
    }
}

}  // namespace gm
