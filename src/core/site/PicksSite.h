#pragma once

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/site/EasternTime.h"

namespace gm {

// What the members' picks site decides, without any HTTP: which week is open,
// which games are locked, whether a submitted sheet is right, and what the
// member's record becomes.

// The organiser's choices for the site.
struct SiteOptions {
    // A deadline (Eastern wall-clock time) that locks the whole sheet of the
    // open week; none when the organiser has set none. The caller gives the
    // deadline of the week that is open.
    std::optional<EasternClock> Deadline;
    // With kick-off times: open the next week by itself once every game of the
    // current week has kicked off.
    bool AutoAdvance = false;
};

// The week members may pick: the organiser's current week or, with
// auto-advance, the first later week that has games and whose last game has
// not kicked off yet.
int OpenWeek(const AppState& state, const SiteOptions& options, SiteTime now);

// Whether the pick of game `slot` (0-based) of the open week `week` is locked
// at `now`: at its kick-off, or at the week's deadline.
bool GameLocked(const AppState& state, const SiteOptions& options, int week, int slot, SiteTime now);
// Whether the whole sheet is locked: the deadline has passed, or every game has kicked off.
bool SheetLocked(const AppState& state, const SiteOptions& options, int week, SiteTime now);

// One pick as submitted. `Game` is the place in the week ("1" to "16") or
// "AWAY@HOME" with both teams named; `Team` names the team picked (an empty
// text asks for no selection).
struct SubmittedPick {
    std::string Game;
    std::string Team;
    std::optional<long long> Confidence;  // none: no points
};

struct Submission {
    std::string Member;
    std::string Pin;  // checked by the caller; never kept or logged here
    long long Week = 0;
    std::vector<SubmittedPick> Picks;
    std::optional<long long> Monday;
};

enum class SubmitOutcome {
    Saved,       // the new record holds every pick asked for
    BadRequest,  // the sheet is wrong; nothing may be saved (400)
    Locked,      // the week is not open, or some games are locked (409)
};

struct SiteError {
    int Game = 0;  // place in the week, 1-based; 0 for the sheet as a whole
    std::string Message;
};

struct PickChange {
    int Game = 0;  // place, 1-based; 0 for the tiebreak entry
    int TeamBefore = 0, TeamAfter = 0;
    int PointsBefore = 0, PointsAfter = 0;
    int TiebreakBefore = 0, TiebreakAfter = 0;
};

struct SubmitResult {
    SubmitOutcome Outcome = SubmitOutcome::BadRequest;
    std::vector<SiteError> Errors;
    // Saved (SaveRecord): the member's record to save.
    int Member = -1;  // record index
    int Week = 0;
    bool SaveRecord = false;
    MemberRecord Record;
    std::vector<PickChange> Changes;
};

// The record index of the member named `name` (letter case and blanks around
// ignored); -1 when no member or more than one has that name.
int FindMember(const AppState& state, std::string_view name);

// Checks a submitted sheet at `now`. A sheet for a week other than the open
// one is refused whole (Locked). Picks for locked games that change nothing
// are accepted; a change to a locked game refuses the sheet (Locked, each
// locked game named) and nothing is saved. Any other fault (unknown game or
// team, a team not in its game, points out of the week's range or given to
// two games, points without a pick, a bad tiebreak entry) refuses the sheet
// (BadRequest) and nothing is saved.
SubmitResult CheckSubmission(const AppState& state, const SiteOptions& options, const Submission& sheet,
                             SiteTime now);

// The body of POST /api/picks as a submission; errors say what is wrong.
struct ParsedSubmission {
    bool Ok = false;
    Submission Sheet;
    std::vector<SiteError> Errors;
};
ParsedSubmission ParseSubmissionJson(std::string_view body);

// The form's fields: "g1".."g16" (team number), "c1".."c16" (points),
// "monday", "week". Empty fields mean nothing was chosen.
Submission SubmissionFromForm(const std::map<std::string, std::string>& fields, std::string member);

// {"member":..., "week":N, "picks":[...], "monday":N, "savedAt":"..."} for the
// member's sheet of `week`.
std::string SheetJson(const AppState& state, int member, int week, std::optional<SiteTime> savedAt);
// {"errors":[{"game":N,"message":"..."}]}
std::string ErrorsJson(const std::vector<SiteError>& errors);

// One line for the audit log: when, who, from where, which picks changed.
std::string AuditLine(const AppState& state, const SubmitResult& result, std::string_view address, SiteTime when);

// Refuses sign-in tries after 5 failures for one member or one address within
// 15 minutes, until the oldest of those failures is 15 minutes old. Refused
// tries are not failures (they would hold the member off for ever), and a
// successful sign-in does not wipe earlier failures (else an attacker who
// knows one PIN could keep guessing others from the same address).
class SignInThrottle {
public:
    static constexpr int kMaxFailures = 5;
    static constexpr std::chrono::seconds kWindow{15 * 60};

    // Seconds to wait before the next try; nothing when a try is allowed now.
    std::optional<long long> RetryAfter(std::string_view member, std::string_view address, SiteTime now);
    void Failed(std::string_view member, std::string_view address, SiteTime now);

private:
    std::map<std::string, std::deque<SiteTime>> byMember_;
    std::map<std::string, std::deque<SiteTime>> byAddress_;
    static std::optional<long long> Wait(std::map<std::string, std::deque<SiteTime>>& table, const std::string& key,
                                         SiteTime now);
};

// The team as the site writes it: its id in today's league ("PHI"), its
// abbreviation in 1997.
std::string TeamText(const AppState& state, int team);

}  // namespace gm
