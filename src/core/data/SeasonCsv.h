#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "GameRecord.h"
#include "League.h"

namespace gm {

struct ImportProblem {
    int Line = 0;  // 1-based line of the input
    std::string Reason;
};

struct SeasonImport {
    SeasonGrid Games{};
    std::vector<ImportProblem> Problems;  // when not empty, nothing may be written
    int GamesPlaced = 0;
    LeagueKind League = LeagueKind::Nfl1997;  // the league whose season the games are
    int Season = 0;                           // the year asked for
};

// Reads a season from CSV text. Three formats are understood, told apart by
// their header: the public scores-and-lines format of 1995-97 (rows of the
// chosen season only; weeks 1 to 17 then Wildcard, Division, Conference and
// Superbowl as weeks 18 to 21; the latest game of a week goes to the
// Monday-night slot); the public games CSV of today's league (header
// "season,game_type,week,gameday,...": rows of the chosen season, weeks 1 to
// 22, each week's games from slot 0 in kick-off order with their kick-off
// date and time, team abbreviations, spread_line as the home team's expected
// margin); and the CSV that ExportSeasonCsv writes, taken back field for field.
SeasonImport ImportSeasonCsv(std::string_view text, int season);

// One row per slot that holds anything, every field of the record, with a header.
std::string ExportSeasonCsv(const SeasonGrid& games);

// The season file of a year: "1997.nfl" for the current season, "1995.NFL" and
// "1996.NFL" for the archived ones; empty for any other year.
std::string SeasonFileNameFor(int season);

// Team numbers from the public data's full names ("Houston Oilers" is 12,
// "Cleveland Browns" is 3) and short ids (old and later ids alike); 0 if unknown.
int TeamFromFullName(std::string_view name);
bool TeamHasId(int team, std::string_view id);

}  // namespace gm
