#include "PicksCsv.h"

#include <algorithm>
#include <map>
#include <optional>

#include "Selections.h"
#include "core/data/Csv.h"

namespace gm {
namespace {

constexpr std::size_t kColumns = 5;

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool SameNoCase(std::string_view a, std::string_view b) { return Lower(Trim(a)) == Lower(Trim(b)); }

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "#K": the K-th record of the pool file.
bool IsRecordRef(std::string_view text) { return text.size() > 1 && text[0] == '#' && AllDigits(text.substr(1)); }

// A name a CSV line can carry and read back: no control characters.
bool PrintableName(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

// The value of a digits-only text, capped so that long numbers cannot overflow.
long DigitsValue(std::string_view text) {
    long v = 0;
    for (char c : text) v = std::min(1000000L, v * 10 + (c - '0'));
    return v;
}

// What is wrong with the quoting of one CSV line, or nothing.
std::optional<std::string> QuotingProblem(std::string_view line) {
    bool quoted = false;
    bool fieldStart = true;
    bool closed = false;  // a quoted field ended: only a comma may follow
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') continue;
            if (i + 1 < line.size() && line[i + 1] == '"') {
                ++i;
            } else {
                quoted = false;
                closed = true;
            }
            continue;
        }
        if (c == ',') {
            fieldStart = true;
            closed = false;
            continue;
        }
        if (closed) return "text after a closing quote";
        if (c == '"') {
            if (!fieldStart) return "a quote inside a field that does not start with one";
            quoted = true;
        }
        fieldStart = false;
    }
    if (quoted) return "a quoted field is not closed";
    return std::nullopt;
}

std::string Quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string TeamLabel(const TeamTables& teams, int team) { return Trim(teams.City(team)); }

std::string GameLabel(const TeamTables& teams, const GameRecord& g, int slot) {
    return "game " + std::to_string(slot + 1) + " (" + TeamLabel(teams, g.AwayTeam) + " at " +
           TeamLabel(teams, g.HomeTeam) + ")";
}

// One row as read, before the week's sheet checks.
struct Row {
    std::size_t Line = 0;
    int Member = 0;
    int Slot = 0;
    int Pick = 0;
    int Confidence = 0;
    std::optional<int> Monday;
};

class Reader {
public:
    Reader(const AppState& state, int week)
        : state_(state), league_(state.League()), week_(week), options_(SelectionOptions::From(state)) {}

    PicksImport Read(std::string_view text) {
        PicksImport result;
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        const auto lines = SplitLines(text);
        if (week_ < 1 || week_ > league_.Weeks) {
            problems_.push_back({0, "the week must be 1 to " + std::to_string(league_.Weeks)});
        } else if (std::none_of(Week().begin(), Week().begin() + league_.Slots, [](const GameRecord& g) { return g.HasGame(); })) {
            problems_.push_back({0, "week " + std::to_string(week_) + " has no games in the season file"});
        } else if (state_.MemberCount <= 0) {
            problems_.push_back({0, "the pool has no members"});
        }
        std::size_t header = 0;
        while (header < lines.size() && Trim(lines[header]).empty()) ++header;
        if (header == lines.size()) {
            problems_.push_back({1, "the file is empty; its first line must be " + std::string(kPicksCsvHeader)});
        } else if (!IsHeader(lines[header])) {
            problems_.push_back({header + 1, "the first line must be " + std::string(kPicksCsvHeader)});
        } else if (problems_.empty()) {
            for (std::size_t i = header + 1; i < lines.size(); ++i) {
                if (Trim(lines[i]).empty()) continue;
                ++result.Rows;
                ReadRow(i + 1, lines[i]);
            }
            CheckSheets();
        }
        std::stable_sort(problems_.begin(), problems_.end(),
                         [](const PicksProblem& a, const PicksProblem& b) { return a.Line < b.Line; });
        std::stable_sort(warnings_.begin(), warnings_.end(),
                         [](const PicksProblem& a, const PicksProblem& b) { return a.Line < b.Line; });
        result.Problems = std::move(problems_);
        result.Warnings = std::move(warnings_);
        result.Members = state_.Members;
        result.Members.resize(static_cast<std::size_t>(std::max(state_.MemberCount, 0)));
        if (result.Problems.empty()) Apply(result.Members);
        return result;
    }

private:
    const WeekGames& Week() const { return state_.Games[static_cast<std::size_t>(week_ - 1)]; }

    static bool IsHeader(std::string_view line) {
        const auto fields = SplitCsvLine(line);
        const auto wanted = SplitCsvLine(kPicksCsvHeader);
        if (fields.size() != wanted.size()) return false;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!SameNoCase(fields[i], wanted[i])) return false;
        return true;
    }

    // Records a problem; false, so that a reader can return it.
    bool Fail(std::size_t line, std::string reason) {
        problems_.push_back({line, std::move(reason)});
        return false;
    }
    // Records a warning; true: the row is taken.
    bool Warn(std::size_t line, std::string reason) {
        warnings_.push_back({line, std::move(reason)});
        return true;
    }

    const MemberRecord& Stored(const Row& row) const { return state_.Members[static_cast<std::size_t>(row.Member)]; }
    int StoredPick(const Row& row) const {
        return Stored(row).Picks[static_cast<std::size_t>(week_ - 1)][static_cast<std::size_t>(row.Slot)];
    }
    int StoredPoints(const Row& row) const {
        return Stored(row).Confidence[static_cast<std::size_t>(week_ - 1)][static_cast<std::size_t>(row.Slot)];
    }

    void ReadRow(std::size_t line, std::string_view text) {
        if (auto quoting = QuotingProblem(text)) {
            Fail(line, "malformed line: " + *quoting);
            return;
        }
        std::vector<std::string> fields = SplitCsvLine(text);
        if (fields.size() != kColumns) {
            Fail(line, "expected 5 fields (" + std::string(kPicksCsvHeader) + "), found " +
                           std::to_string(fields.size()));
            return;
        }
        for (auto& f : fields) f = Trim(f);
        Row row;
        row.Line = line;
        if (!ReadMember(row, fields[0]) || !ReadGame(row, fields[1]) || !ReadTeam(row, fields[2]) ||
            !ReadConfidence(row, fields[3]) || !ReadMonday(row, fields[4]))
            return;
        const auto key = std::make_pair(row.Member, row.Slot);
        if (const auto seen = lineOf_.find(key); seen != lineOf_.end()) {
            Fail(line, MemberLabel(row.Member) + "'s game " + std::to_string(row.Slot + 1) +
                           " is already given on line " + std::to_string(seen->second));
            return;
        }
        lineOf_[key] = line;
        rows_.push_back(row);
    }

    std::string MemberLabel(int member) const {
        return Quote(state_.Members[static_cast<std::size_t>(member)].TrimmedName());
    }

    bool ReadMember(Row& row, const std::string& text) {
        if (text.empty()) return Fail(row.Line, "no member given");
        const std::vector<int> found = MembersNamed(state_, text);
        const bool number = AllDigits(text);
        if (found.empty()) {
            if (IsRecordRef(text))
                return Fail(row.Line, "the pool file has no member " + text + " (it holds " +
                                          std::to_string(state_.MemberCount) + ")");
            return Fail(row.Line, number ? "no member has the player number " + text : "no member is named " + Quote(text));
        }
        if (found.size() > 1)
            return Fail(row.Line, number ? "more than one member has the player number " + text
                                         : "more than one member is named " + Quote(text) + "; give the player number");
        row.Member = found.front();
        return true;
    }

    bool ReadGame(Row& row, const std::string& text) {
        if (AllDigits(text)) {
            const long place = DigitsValue(text);
            if (place < 1 || place > league_.Slots)
                return Fail(row.Line, "game " + text + " is not 1 to " + std::to_string(league_.Slots));
            row.Slot = static_cast<int>(place) - 1;
            if (!Week()[static_cast<std::size_t>(row.Slot)].HasGame())
                return Fail(row.Line, "week " + std::to_string(week_) + " has no game " + text);
            return true;
        }
        const auto at = text.find('@');
        if (at == std::string::npos)
            return Fail(row.Line, "game " + Quote(text) + " is neither a number 1 to " + std::to_string(league_.Slots) +
                                      " nor AWAY@HOME");
        const auto away = TeamsNamed(state_.Teams, text.substr(0, at), league_);
        const auto home = TeamsNamed(state_.Teams, text.substr(at + 1), league_);
        std::vector<int> slots;
        for (int g = 0; g < league_.Slots; ++g) {
            const GameRecord& game = Week()[static_cast<std::size_t>(g)];
            if (game.HasGame() && std::ranges::count(away, game.AwayTeam) && std::ranges::count(home, game.HomeTeam))
                slots.push_back(g);
        }
        if (slots.empty())
            return Fail(row.Line, "week " + std::to_string(week_) + " has no game " + Quote(text));
        if (slots.size() > 1)
            return Fail(row.Line, "game " + Quote(text) + " names more than one game; give its number");
        row.Slot = slots.front();
        return true;
    }

    bool ReadTeam(Row& row, const std::string& text) {
        if (text.empty()) return true;  // no selection
        const GameRecord& game = Week()[static_cast<std::size_t>(row.Slot)];
        const std::vector<int> named = TeamsNamed(state_.Teams, text, league_);
        const bool home = std::ranges::count(named, game.HomeTeam) > 0;
        const bool away = std::ranges::count(named, game.AwayTeam) > 0;
        if (home && away)
            return Fail(row.Line, "team " + Quote(text) + " names both teams of " +
                                      GameLabel(state_.Teams, game, row.Slot) + "; give the team number");
        if (!home && !away) {
            // The pick the pool holds, restated by number: kept, as the pool keeps it.
            if (AllDigits(text) && DigitsValue(text) == StoredPick(row)) {
                row.Pick = StoredPick(row);
                return Warn(row.Line, "team " + text + " does not play in " + GameLabel(state_.Teams, game, row.Slot) +
                                          "; the pick the pool holds is kept");
            }
            if (named.empty()) return Fail(row.Line, "no team is called " + Quote(text));
            return Fail(row.Line, TeamLabel(state_.Teams, named.front()) + " does not play in " +
                                      GameLabel(state_.Teams, game, row.Slot));
        }
        row.Pick = home ? game.HomeTeam : game.AwayTeam;
        return true;
    }

    bool ReadConfidence(Row& row, const std::string& text) {
        if (text.empty()) return true;
        if (!AllDigits(text)) return Fail(row.Line, "confidence " + Quote(text) + " is not a number");
        row.Confidence = static_cast<int>(DigitsValue(text));
        if (row.Confidence == 0) return true;
        if (!options_.ConfidenceOn)
            return Fail(row.Line, "the pool does not use confidence points; leave the confidence empty");
        // What the pool already holds may be restated even where a new entry is refused.
        const bool restated = row.Confidence == StoredPoints(row) && row.Pick == StoredPick(row);
        if (row.Confidence > 99 && !restated)
            return Fail(row.Line, "confidence " + std::to_string(row.Confidence) + " has more than two digits");
        if (row.Pick == 0) {
            if (!restated) return Fail(row.Line, "confidence points without a team picked");
            return Warn(row.Line, "confidence " + text + " without a team picked; the points the pool holds are kept");
        }
        return true;
    }

    bool ReadMonday(Row& row, const std::string& text) {
        if (text.empty()) return true;
        if (!options_.TiebreakOn)
            return Fail(row.Line, "the pool does not use the Monday-night tiebreaker; leave monday empty");
        if (!AllDigits(text)) return Fail(row.Line, "Monday-night entry " + Quote(text) + " is not a number");
        // The selections window's entry holds two digits.
        if (DigitsValue(text) > 99) return Fail(row.Line, "Monday-night entry " + text + " is outside 0 to 99");
        row.Monday = static_cast<int>(DigitsValue(text));
        for (const Row& other : rows_) {
            if (other.Member == row.Member && other.Monday && *other.Monday != *row.Monday)
                return Fail(row.Line, "Monday-night entry " + std::to_string(*row.Monday) + " differs from " +
                                          std::to_string(*other.Monday) + " on line " + std::to_string(other.Line));
        }
        return true;
    }

    // The week's sheet of every member the file names, as the selections
    // window would hold it after these rows: confidence points inside the
    // week's range and on no two games.
    void CheckSheets() {
        if (!options_.ConfidenceOn) return;
        SelectionsModel model(state_);
        std::map<int, std::vector<const Row*>> byMember;
        for (const Row& r : rows_) byMember[r.Member].push_back(&r);
        for (const auto& [member, rows] : byMember) {
            Sheet sheet = model.Load(member, week_);
            std::map<int, std::size_t> lineOfSlot;
            for (const Row* r : rows) {
                SheetRow& s = sheet.Rows[static_cast<std::size_t>(r->Slot)];
                s.Choice = r->Pick == 0 ? PickChoice::None
                                        : (r->Pick == s.HomeTeam ? PickChoice::Home : PickChoice::Away);
                s.ConfidenceText = r->Confidence == 0 ? "" : std::to_string(r->Confidence);
                lineOfSlot[r->Slot] = r->Line;
            }
            for (const Row* r : rows) {
                if (r->Confidence == 0) continue;
                // Both checks are advisory, as in the selections window: the points are kept.
                if (OutsideRange(sheet, r->Slot)) {
                    Warn(r->Line, "confidence " + std::to_string(r->Confidence) + " is outside " +
                                      std::to_string(sheet.Range.Min) + " to " + std::to_string(sheet.Range.Max) +
                                      " for the " + std::to_string(sheet.GameCount) + " games of week " +
                                      std::to_string(week_));
                }
                for (int other : DuplicateRows(sheet, r->Slot)) {
                    const auto given = lineOfSlot.find(other);
                    // Two rows of the file: the later one is reported.
                    if (given != lineOfSlot.end() && given->second > r->Line) continue;
                    Warn(r->Line, "confidence " + std::to_string(r->Confidence) + " is also on game " +
                                      std::to_string(other + 1) +
                                      (given != lineOfSlot.end() ? " (line " + std::to_string(given->second) + ")"
                                                                 : " (already entered)"));
                    break;
                }
            }
        }
    }

    void Apply(std::vector<MemberRecord>& members) const {
        const auto wk = static_cast<std::size_t>(week_ - 1);
        for (const Row& r : rows_) {
            MemberRecord& m = members[static_cast<std::size_t>(r.Member)];
            const auto g = static_cast<std::size_t>(r.Slot);
            m.Picks[wk][g] = static_cast<std::uint8_t>(r.Pick);
            if (options_.ConfidenceOn) m.Confidence[wk][g] = static_cast<std::uint8_t>(r.Confidence);
            if (r.Monday) m.Tiebreak[wk] = static_cast<std::uint8_t>(*r.Monday);
        }
    }

    const AppState& state_;
    const League& league_;
    const int week_;
    const SelectionOptions options_;
    std::vector<Row> rows_;
    std::map<std::pair<int, int>, std::size_t> lineOf_;
    std::vector<PicksProblem> problems_;
    std::vector<PicksProblem> warnings_;
};

}  // namespace

std::vector<int> TeamsNamed(const TeamTables& teams, std::string_view text) {
    return TeamsNamed(teams, text, League1997());
}

std::vector<int> TeamsNamed(const TeamTables& teams, std::string_view text, const League& league) {
    const std::string wanted = Lower(Trim(text));
    std::vector<int> found;
    if (wanted.empty()) return found;
    if (AllDigits(wanted)) {
        const long n = DigitsValue(wanted);
        if (n >= 1 && n <= league.Teams) found.push_back(static_cast<int>(n));
        return found;
    }
    const int id = league.TeamFromId(wanted);
    for (int t = 1; t <= league.Teams; ++t) {
        const std::string city = Lower(Trim(teams.City(t)));
        const std::string name = Lower(Trim(teams.Name(t)));
        if (t == id || wanted == city || wanted == name || wanted == Lower(Trim(teams.CityAbbr(t))) ||
            wanted == Lower(Trim(teams.NameAbbr(t))) || wanted == city + " " + name)
            found.push_back(t);
    }
    return found;
}

std::vector<int> MembersNamed(const AppState& state, std::string_view text) {
    const std::string wanted = Trim(text);
    std::vector<int> found;
    if (IsRecordRef(wanted)) {
        const long k = DigitsValue(std::string_view(wanted).substr(1));
        if (k >= 1 && k <= std::min<long>(state.MemberCount, static_cast<long>(state.Members.size())))
            found.push_back(static_cast<int>(k) - 1);
        return found;
    }
    const bool number = AllDigits(wanted);
    MemberRecord asStored;  // a name is compared as the pool file would hold it
    asStored.Name = FitName(wanted);
    const std::string name = Lower(asStored.TrimmedName());
    for (int m = 0; m < state.MemberCount && m < static_cast<int>(state.Members.size()); ++m) {
        const MemberRecord& member = state.Members[static_cast<std::size_t>(m)];
        if (number ? DigitsValue(wanted) == member.PlayerNumber : Lower(member.TrimmedName()) == name)
            found.push_back(m);
    }
    return found;
}

PicksImport ImportPicksCsv(const AppState& state, int week, std::string_view text) {
    return Reader(state, week).Read(text);
}

Status ExportPicksCsv(const AppState& state, int week, std::string& out) {
    out.clear();
    const League& league = state.League();
    if (week < 1 || week > league.Weeks) return Status::Error("the week must be 1 to " + std::to_string(league.Weeks));
    // Today's league names a game by its teams' ids, which stay the same
    // whatever the places of a week's games.
    const bool byTeams = league.Kind == LeagueKind::Today;
    const SelectionOptions options = SelectionOptions::From(state);
    const WeekGames& games = state.Games[static_cast<std::size_t>(week - 1)];
    const auto wk = static_cast<std::size_t>(week - 1);
    out = std::string(kPicksCsvHeader) + "\n";
    for (int m = 0; m < state.MemberCount && m < static_cast<int>(state.Members.size()); ++m) {
        const MemberRecord& member = state.Members[static_cast<std::size_t>(m)];
        // The name when it finds this member alone, else the player number,
        // else the member's place in the pool file.
        const auto findsThisOne = [&](const std::string& text) { return MembersNamed(state, text) == std::vector<int>{m}; };
        std::string who = member.TrimmedName();
        if (who.empty() || AllDigits(who) || IsRecordRef(Trim(who)) || !PrintableName(who) || !findsThisOne(who)) {
            who = std::to_string(member.PlayerNumber);
            if (member.PlayerNumber < 0 || !findsThisOne(who)) who = "#" + std::to_string(m + 1);
        }
        for (int g = 0; g < league.Slots; ++g) {
            const GameRecord& game = games[static_cast<std::size_t>(g)];
            if (!game.HasGame()) continue;
            std::string place = std::to_string(g + 1);
            if (byTeams) {
                // AWAY@HOME when it finds this game alone.
                const std::string away(league.TeamId(game.AwayTeam)), home(league.TeamId(game.HomeTeam));
                int same = 0;
                for (int k = 0; k < league.Slots; ++k) {
                    const GameRecord& other = games[static_cast<std::size_t>(k)];
                    same += other.HasGame() && other.AwayTeam == game.AwayTeam && other.HomeTeam == game.HomeTeam;
                }
                if (!away.empty() && !home.empty() && same == 1) place = away + "@" + home;
            }
            const int pick = member.Picks[wk][static_cast<std::size_t>(g)];
            const bool valid = pick != 0 && (pick == game.HomeTeam || pick == game.AwayTeam);
            // A pick of a team that is not in the game (any more) goes by number,
            // which the import keeps as the pool holds it.
            std::string team = pick != 0 ? std::to_string(pick) : "";
            if (valid) {
                // The abbreviation (today's league: the team's id) when it
                // names this team of the game alone, else the number.
                team = byTeams ? std::string(league.TeamId(pick)) : Trim(state.Teams.CityAbbr(pick));
                const auto named = TeamsNamed(state.Teams, team, league);
                const int other = pick == game.HomeTeam ? game.AwayTeam : game.HomeTeam;
                if (team.empty() || AllDigits(team) || !std::ranges::count(named, pick) ||
                    std::ranges::count(named, other))
                    team = std::to_string(pick);
            }
            const int points = member.Confidence[wk][static_cast<std::size_t>(g)];
            // A stored entry the import would refuse (above 99, from damaged
            // bytes) is written empty, which the import reads as "keep it".
            const int monday = member.Tiebreak[wk];
            out += CsvField(who) + "," + place + "," + CsvField(team) + "," +
                   (options.ConfidenceOn && points != 0 ? std::to_string(points) : "") + "," +
                   (options.TiebreakOn && monday <= 99 ? std::to_string(monday) : "") + "\n";
        }
    }
    return Status::Ok();
}

}  // namespace gm
