#include "core/site/PicksSite.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "core/members/PicksCsv.h"
#include "core/members/Selections.h"
#include "core/site/Json.h"

namespace gm {

namespace {

const WeekGames& GamesOf(const AppState& state, int week) {
    return state.Games[static_cast<std::size_t>(week - 1)];
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return std::string(s.substr(b, e - b));
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool AllDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool DeadlinePassed(const SiteOptions& options, SiteTime now) {
    if (!options.Deadline) return false;
    const std::optional<SiteTime> at = EasternToUtc(*options.Deadline);
    return at && now >= *at;
}

bool KickedOff(const GameRecord& game, SiteTime now) {
    const std::optional<SiteTime> at = KickoffInstant(game);
    return at && now >= *at;
}

// Every game of the week has kicked off (a week without games, or with a game
// of unknown kick-off, has not).
bool AllKickedOff(const AppState& state, int week, SiteTime now) {
    bool any = false;
    const League& league = state.League();
    for (int g = 0; g < league.Slots; ++g) {
        const GameRecord& game = GamesOf(state, week)[static_cast<std::size_t>(g)];
        if (!game.HasGame()) continue;
        any = true;
        if (!KickedOff(game, now)) return false;
    }
    return any;
}

bool HasGames(const AppState& state, int week) {
    const League& league = state.League();
    for (int g = 0; g < league.Slots; ++g)
        if (GamesOf(state, week)[static_cast<std::size_t>(g)].HasGame()) return true;
    return false;
}

std::string Matchup(const AppState& state, const GameRecord& game) {
    return TeamText(state, game.AwayTeam) + "@" + TeamText(state, game.HomeTeam);
}

}  // namespace

std::string TeamText(const AppState& state, int team) {
    if (team == 0) return "";
    const League& league = state.League();
    if (league.Kind == LeagueKind::Today) {
        const std::string_view id = league.TeamId(team);
        if (!id.empty()) return std::string(id);
    }
    return state.Teams.CityAbbr(team);
}

int OpenWeek(const AppState& state, const SiteOptions& options, SiteTime now) {
    const League& league = state.League();
    int week = std::clamp(state.CurrentWeek, 1, league.Weeks);
    if (options.AutoAdvance && league.KickoffTimes) {
        while (week < league.Weeks && AllKickedOff(state, week, now) && HasGames(state, week + 1)) ++week;
    }
    return week;
}

bool GameLocked(const AppState& state, const SiteOptions& options, int week, int slot, SiteTime now) {
    if (DeadlinePassed(options, now)) return true;
    if (!state.League().ValidWeek(week) || slot < 0 || slot >= state.League().Slots) return true;
    return KickedOff(GamesOf(state, week)[static_cast<std::size_t>(slot)], now);
}

bool SheetLocked(const AppState& state, const SiteOptions& options, int week, SiteTime now) {
    return DeadlinePassed(options, now) || AllKickedOff(state, week, now);
}

int FindMember(const AppState& state, std::string_view name) {
    const std::string wanted = Lower(Trim(FitName(Trim(name))));
    if (wanted.empty()) return -1;
    int found = -1;
    for (int m = 0; m < state.MemberCount && m < static_cast<int>(state.Members.size()); ++m) {
        if (Lower(state.Members[static_cast<std::size_t>(m)].TrimmedName()) != wanted) continue;
        if (found >= 0) return -1;
        found = m;
    }
    return found;
}

SubmitResult CheckSubmission(const AppState& state, const SiteOptions& options, const Submission& sub,
                             SiteTime now) {
    SubmitResult result;
    const League& league = state.League();
    const int member = FindMember(state, sub.Member);
    if (member < 0) {
        result.Errors.push_back({0, "There is no member of that name."});
        return result;
    }
    result.Member = member;
    if (sub.Week < 1 || sub.Week > league.Weeks) {
        result.Errors.push_back({0, "Week " + std::to_string(sub.Week) + " is not a week of the season."});
        return result;
    }
    const int week = static_cast<int>(sub.Week);
    result.Week = week;
    const int open = OpenWeek(state, options, now);
    if (week != open) {
        result.Outcome = SubmitOutcome::Locked;
        result.Errors.push_back(
            {0, "Week " + std::to_string(week) + " is not open for picks; the open week is " + std::to_string(open) + "."});
        return result;
    }

    const SelectionOptions sel = SelectionOptions::From(state);
    SelectionsModel model(state);
    Sheet sheet = model.Load(member, week);
    const MemberRecord& before = state.Members[static_cast<std::size_t>(member)];
    MemberRecord rec = before;
    const auto wk = static_cast<std::size_t>(week - 1);

    std::vector<SiteError> bad;
    std::vector<SiteError> locked;
    std::set<int> seen;
    std::vector<int> touched;  // slots whose points the member set

    for (const SubmittedPick& pick : sub.Picks) {
        const std::string game = Trim(pick.Game);
        int slot = -1;
        if (AllDigits(game)) {
            const int place = game.size() > 3 ? 0 : std::stoi(game);
            if (place >= 1 && place <= league.Slots && sheet.Rows[static_cast<std::size_t>(place - 1)].Exists)
                slot = place - 1;
            else {
                bad.push_back({0, "There is no game " + game + " this week."});
                continue;
            }
        } else if (const std::size_t at = game.find('@'); at != std::string::npos) {
            const std::vector<int> away = TeamsNamed(state.Teams, game.substr(0, at), league);
            const std::vector<int> home = TeamsNamed(state.Teams, game.substr(at + 1), league);
            for (int g = 0; g < league.Slots && slot < 0; ++g) {
                const SheetRow& row = sheet.Rows[static_cast<std::size_t>(g)];
                if (!row.Exists) continue;
                if (std::find(away.begin(), away.end(), row.AwayTeam) != away.end() &&
                    std::find(home.begin(), home.end(), row.HomeTeam) != home.end())
                    slot = g;
            }
            if (slot < 0) {
                bad.push_back({0, "There is no game " + game + " this week."});
                continue;
            }
        } else {
            bad.push_back({0, "The game \"" + game + "\" is not a place in the week nor AWAY@HOME."});
            continue;
        }
        const int place = slot + 1;
        if (!seen.insert(slot).second) {
            bad.push_back({place, "This game is picked twice."});
            continue;
        }
        const SheetRow& row = sheet.Rows[static_cast<std::size_t>(slot)];
        int team = 0;
        const std::string teamText = Trim(pick.Team);
        if (!teamText.empty()) {
            const std::vector<int> named = TeamsNamed(state.Teams, teamText, league);
            for (int t : named)
                if (t == row.HomeTeam || t == row.AwayTeam) team = t;
            if (team == 0) {
                bad.push_back({place, named.empty() ? "There is no team \"" + teamText + "\"."
                                                    : "\"" + teamText + "\" does not play in this game."});
                continue;
            }
        }
        int points = 0;
        if (pick.Confidence && *pick.Confidence != 0) {
            if (!sel.ConfidenceOn) {
                bad.push_back({place, "This pool does not use confidence points."});
                continue;
            }
            if (team == 0) {
                bad.push_back({place, "Points need a team picked."});
                continue;
            }
            if (!sheet.Range.Contains(static_cast<int>(std::clamp(*pick.Confidence, -1LL, 1000LL)))) {
                bad.push_back({place, "Points must be between " + std::to_string(sheet.Range.Min) + " and " +
                                          std::to_string(sheet.Range.Max) + "."});
                continue;
            }
            points = static_cast<int>(*pick.Confidence);
        }
        const int oldTeam = before.Picks[wk][static_cast<std::size_t>(slot)];
        const int oldPoints = sel.ConfidenceOn ? before.Confidence[wk][static_cast<std::size_t>(slot)] : 0;
        const bool changes = team != oldTeam || (sel.ConfidenceOn && points != oldPoints);
        if (changes && GameLocked(state, options, week, slot, now)) {
            locked.push_back({place, "This game is locked; its pick was not changed."});
            continue;
        }
        rec.Picks[wk][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(team);
        if (sel.ConfidenceOn) rec.Confidence[wk][static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(points);
        touched.push_back(slot);
    }

    // Points the member gave: no value twice in the week, none outside its
    // range (checked on the whole sheet as it would be saved).
    if (sel.ConfidenceOn && bad.empty()) {
        for (int g = 0; g < league.Slots; ++g) {
            SheetRow& row = sheet.Rows[static_cast<std::size_t>(g)];
            const int p = rec.Picks[wk][static_cast<std::size_t>(g)] == 0 ? 0 : rec.Confidence[wk][static_cast<std::size_t>(g)];
            row.ConfidenceText = p == 0 ? "" : std::to_string(p);
        }
        for (int slot : touched) {
            const std::vector<int> dup = DuplicateRows(sheet, slot);
            if (!dup.empty())
                bad.push_back({slot + 1, "Points " + sheet.Rows[static_cast<std::size_t>(slot)].ConfidenceText +
                                             " are also given to game " + std::to_string(dup.front() + 1) + "."});
            else if (OutsideRange(sheet, slot))
                bad.push_back({slot + 1, "Points must be between " + std::to_string(sheet.Range.Min) + " and " +
                                             std::to_string(sheet.Range.Max) + "."});
        }
    }

    if (sub.Monday) {
        if (!sel.TiebreakOn) {
            bad.push_back({0, "This pool does not use the tiebreak entry."});
        } else if (*sub.Monday < 0 || *sub.Monday > 99) {
            bad.push_back({0, "The tiebreak entry must be between 0 and 99."});
        } else {
            const int value = static_cast<int>(*sub.Monday);
            const int tbSlot = league.TiebreakSlot(GamesOf(state, week));
            const bool tbLocked = DeadlinePassed(options, now) ||
                                  (tbSlot >= 0 && GameLocked(state, options, week, tbSlot, now));
            if (value != before.Tiebreak[wk] && tbLocked)
                locked.push_back({0, "The tiebreak game is locked; the tiebreak entry was not changed."});
            else
                rec.Tiebreak[wk] = static_cast<std::uint8_t>(value);
        }
    }

    if (!bad.empty()) {
        result.Outcome = SubmitOutcome::BadRequest;
        result.Errors = std::move(bad);
        result.Errors.insert(result.Errors.end(), locked.begin(), locked.end());
        return result;
    }
    for (int g = 0; g < league.Slots; ++g) {
        const auto s = static_cast<std::size_t>(g);
        if (rec.Picks[wk][s] != before.Picks[wk][s] || rec.Confidence[wk][s] != before.Confidence[wk][s]) {
            PickChange c;
            c.Game = g + 1;
            c.TeamBefore = before.Picks[wk][s];
            c.TeamAfter = rec.Picks[wk][s];
            c.PointsBefore = before.Confidence[wk][s];
            c.PointsAfter = rec.Confidence[wk][s];
            result.Changes.push_back(c);
        }
    }
    if (rec.Tiebreak[wk] != before.Tiebreak[wk]) {
        PickChange c;
        c.TiebreakBefore = before.Tiebreak[wk];
        c.TiebreakAfter = rec.Tiebreak[wk];
        result.Changes.push_back(c);
    }
    if (!locked.empty()) {
        // Nothing is saved until the whole sheet can be: the member sees which
        // games are locked and sends the sheet again without changing them.
        result.Outcome = SubmitOutcome::Locked;
        result.Errors = std::move(locked);
        result.Changes.clear();
        result.Record = before;
    } else {
        result.Record = std::move(rec);
        result.Outcome = SubmitOutcome::Saved;
        result.SaveRecord = true;
    }
    return result;
}

namespace {

bool WholeNumber(const json::Value* v, long long& out) {
    if (v == nullptr) return false;
    const json::Number* n = v->AsNumber();
    if (n == nullptr || !n->Whole) return false;
    out = n->Integer;
    return true;
}

// A game or team field: a string, or a whole number written as digits.
bool TextField(const json::Value* v, std::string& out) {
    if (const std::string* s = v->AsString()) {
        out = *s;
        return true;
    }
    long long n = 0;
    if (WholeNumber(v, n)) {
        out = std::to_string(n);
        return true;
    }
    return false;
}

}  // namespace

ParsedSubmission ParseSubmissionJson(std::string_view body) {
    ParsedSubmission out;
    const json::ParseResult parsed = json::Parse(body);
    if (!parsed.Ok) {
        out.Errors.push_back({0, "The body is not valid JSON: " + parsed.Error + "."});
        return out;
    }
    const json::Object* root = parsed.Root.AsObject();
    if (root == nullptr) {
        out.Errors.push_back({0, "The body must be a JSON object."});
        return out;
    }
    auto fail = [&](std::string what) { out.Errors.push_back({0, std::move(what)}); };
    for (const auto& [key, value] : *root) {
        if (key != "member" && key != "pin" && key != "week" && key != "picks" && key != "monday")
            fail("Unknown field \"" + key + "\".");
    }
    const json::Value* member = parsed.Root.Find("member");
    if (member == nullptr || member->AsString() == nullptr) fail("\"member\" must be a text.");
    else out.Sheet.Member = *member->AsString();
    const json::Value* pin = parsed.Root.Find("pin");
    if (pin == nullptr || pin->AsString() == nullptr) fail("\"pin\" must be a text.");
    else out.Sheet.Pin = *pin->AsString();
    if (!WholeNumber(parsed.Root.Find("week"), out.Sheet.Week)) fail("\"week\" must be a whole number.");
    if (const json::Value* monday = parsed.Root.Find("monday"); monday != nullptr && !monday->IsNull()) {
        long long m = 0;
        if (WholeNumber(monday, m)) out.Sheet.Monday = m;
        else fail("\"monday\" must be a whole number.");
    }
    const json::Value* picks = parsed.Root.Find("picks");
    const json::Array* list = picks ? picks->AsArray() : nullptr;
    if (list == nullptr) {
        fail("\"picks\" must be a list.");
    } else if (list->size() > static_cast<std::size_t>(kMaxSlots) * 4) {
        fail("\"picks\" holds too many entries.");
    } else {
        for (std::size_t i = 0; i < list->size(); ++i) {
            const json::Value& item = (*list)[i];
            const std::string where = "Pick " + std::to_string(i + 1) + ": ";
            const json::Object* obj = item.AsObject();
            if (obj == nullptr) {
                fail(where + "must be an object.");
                continue;
            }
            SubmittedPick p;
            bool ok = true;
            for (const auto& [key, value] : *obj)
                if (key != "game" && key != "team" && key != "confidence") {
                    fail(where + "unknown field \"" + key + "\".");
                    ok = false;
                }
            const json::Value* game = item.Find("game");
            if (game == nullptr || !TextField(game, p.Game)) {
                fail(where + "\"game\" must be a place in the week or AWAY@HOME.");
                ok = false;
            }
            const json::Value* team = item.Find("team");
            if (team != nullptr && !team->IsNull() && !TextField(team, p.Team)) {
                fail(where + "\"team\" must be a text.");
                ok = false;
            }
            if (const json::Value* c = item.Find("confidence"); c != nullptr && !c->IsNull()) {
                long long v = 0;
                if (WholeNumber(c, v)) p.Confidence = v;
                else {
                    fail(where + "\"confidence\" must be a whole number.");
                    ok = false;
                }
            }
            if (ok) out.Sheet.Picks.push_back(std::move(p));
        }
    }
    out.Ok = out.Errors.empty();
    return out;
}

Submission SubmissionFromForm(const std::map<std::string, std::string>& fields, std::string member) {
    Submission s;
    s.Member = std::move(member);
    auto number = [](const std::string& text) -> std::optional<long long> {
        const std::string t = Trim(text);
        if (t.empty()) return std::nullopt;
        if (!AllDigits(t) || t.size() > 6) return -1;  // refused as out of range by the checks
        return std::stoll(t);
    };
    if (auto it = fields.find("week"); it != fields.end()) s.Week = number(it->second).value_or(0);
    if (auto it = fields.find("monday"); it != fields.end()) s.Monday = number(it->second);
    for (int g = 1; g <= kMaxSlots; ++g) {
        const auto team = fields.find("g" + std::to_string(g));
        const auto points = fields.find("c" + std::to_string(g));
        const bool hasTeam = team != fields.end() && !Trim(team->second).empty();
        const std::optional<long long> p = points != fields.end() ? number(points->second) : std::nullopt;
        if (!hasTeam && !p) continue;
        SubmittedPick pick;
        pick.Game = std::to_string(g);
        if (hasTeam) pick.Team = team->second;
        pick.Confidence = p;
        s.Picks.push_back(std::move(pick));
    }
    return s;
}

std::string SheetJson(const AppState& state, int member, int week, std::optional<SiteTime> savedAt) {
    const League& league = state.League();
    const SelectionOptions sel = SelectionOptions::From(state);
    const MemberRecord& rec = state.Members.at(static_cast<std::size_t>(member));
    const auto wk = static_cast<std::size_t>(week - 1);
    std::string out = "{\"member\":" + json::Quote(rec.TrimmedName()) + ",\"week\":" + std::to_string(week) +
                      ",\"picks\":[";
    bool first = true;
    for (int g = 0; g < league.Slots; ++g) {
        const GameRecord& game = GamesOf(state, week)[static_cast<std::size_t>(g)];
        if (!game.HasGame()) continue;
        const int team = rec.Picks[wk][static_cast<std::size_t>(g)];
        const int points = rec.Confidence[wk][static_cast<std::size_t>(g)];
        if (!first) out += ',';
        first = false;
        out += "{\"game\":" + std::to_string(g + 1) + ",\"matchup\":" + json::Quote(Matchup(state, game));
        const std::string kickoff = KickoffLabel(game);
        if (!kickoff.empty()) out += ",\"kickoff\":" + json::Quote(kickoff);
        out += ",\"team\":" + (team == 0 ? std::string("null") : json::Quote(TeamText(state, team)));
        if (sel.ConfidenceOn)
            out += ",\"confidence\":" + (team == 0 || points == 0 ? std::string("null") : std::to_string(points));
        out += '}';
    }
    out += ']';
    if (sel.TiebreakOn) out += ",\"monday\":" + std::to_string(rec.Tiebreak[wk]);
    if (savedAt) out += ",\"savedAt\":" + json::Quote(EasternStamp(*savedAt));
    out += '}';
    return out;
}

std::string ErrorsJson(const std::vector<SiteError>& errors) {
    std::string out = "{\"errors\":[";
    for (std::size_t i = 0; i < errors.size(); ++i) {
        if (i) out += ',';
        out += "{\"game\":" + std::to_string(errors[i].Game) + ",\"message\":" + json::Quote(errors[i].Message) + '}';
    }
    out += "]}";
    return out;
}

std::string AuditLine(const AppState& state, const SubmitResult& result, std::string_view address, SiteTime when) {
    std::string name = result.Member >= 0 && result.Member < static_cast<int>(state.Members.size())
                           ? state.Members[static_cast<std::size_t>(result.Member)].TrimmedName()
                           : std::string();
    std::string line = EasternStamp(when) + " member=" + json::Quote(name) + " address=" + json::Quote(address) +
                       " week=" + std::to_string(result.Week) + " changes:";
    auto team = [&](int t) { return t == 0 ? std::string("-") : TeamText(state, t); };
    for (const PickChange& c : result.Changes) {
        if (c.Game == 0) {
            line += " tiebreak " + std::to_string(c.TiebreakBefore) + "->" + std::to_string(c.TiebreakAfter) + ';';
            continue;
        }
        line += " game " + std::to_string(c.Game) + ' ' + team(c.TeamBefore) + '/' + std::to_string(c.PointsBefore) +
                "->" + team(c.TeamAfter) + '/' + std::to_string(c.PointsAfter) + ';';
    }
    if (result.Changes.empty()) line += " none";
    else line.pop_back();
    return line;
}

std::optional<long long> SignInThrottle::Wait(std::map<std::string, std::deque<SiteTime>>& table,
                                              const std::string& key, SiteTime now) {
    auto it = table.find(key);
    if (it == table.end()) return std::nullopt;
    std::deque<SiteTime>& q = it->second;
    while (!q.empty() && q.front() + kWindow <= now) q.pop_front();
    if (q.empty()) {
        table.erase(it);
        return std::nullopt;
    }
    if (static_cast<int>(q.size()) < kMaxFailures) return std::nullopt;
    const SiteTime until = q[q.size() - kMaxFailures] + kWindow;
    return std::max<long long>(1, (until - now).count());
}

std::optional<long long> SignInThrottle::RetryAfter(std::string_view member, std::string_view address,
                                                    SiteTime now) {
    const std::optional<long long> a = Wait(byMember_, Lower(Trim(member)), now);
    const std::optional<long long> b = Wait(byAddress_, std::string(address), now);
    if (a && b) return std::max(*a, *b);
    return a ? a : b;
}

void SignInThrottle::Failed(std::string_view member, std::string_view address, SiteTime now) {
    // Keep the tables small whatever names are tried: forget failures past the window.
    for (auto* table : {&byMember_, &byAddress_}) {
        if (table->size() < 4096) continue;
        for (auto it = table->begin(); it != table->end();) {
            if (it->second.empty() || it->second.back() + kWindow <= now) it = table->erase(it);
            else ++it;
        }
    }
    for (auto [table, key] : {std::pair{&byMember_, Lower(Trim(member))}, std::pair{&byAddress_, std::string(address)}}) {
        std::deque<SiteTime>& q = (*table)[key];
        q.push_back(now);
        while (static_cast<int>(q.size()) > kMaxFailures * 2) q.pop_front();
    }
}

}  // namespace gm
