#include "SeasonEditors.h"

#include <algorithm>

#include "EntryBoxes.h"
#include "core/data/SeasonFile.h"
#include "core/data/Teams.h"

namespace gm {

Status CommitSeason(AppState& state, const std::function<void(SeasonGrid&)>& apply) {
    const SeasonGrid before = state.Games;
    apply(state.Games);
    if (!state.CurrentSeasonOpen) return Status::Ok();
    Status saved = SaveSeason(state);
    if (!saved) state.Games = before;
    return saved;
}

Status RereadCurrentSeason(AppState& state) {
    if (!state.CurrentSeasonOpen) return Status::Ok();
    return LoadSeason(state, kCurrentSeasonRead);
}

// ---- Schedule ----

namespace {

// The code points of a UTF-8 text, each folded to lower case for the letters
// a team location can hold (ASCII, Latin-1 and Windows-1252's extra ones).
std::u32string Folded(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (int k = 1; k < n && i + k < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += static_cast<std::size_t>(n);
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c += 0x20;
        else if (c == 0x160 || c == 0x152 || c == 0x17D)
            c += 1;
        else if (c == 0x178)
            c = 0xFF;
        else if (c == 0xB5)
            c = 0x3BC;  // the micro sign folds to the Greek letter
        out.push_back(c);
    }
    return out;
}

}  // namespace

std::vector<int> ScheduleTeamOrder(const TeamTables& teams, const League& league) {
    std::vector<int> order(static_cast<std::size_t>(league.Teams));
    for (int t = 1; t <= league.Teams; ++t) order[static_cast<std::size_t>(t - 1)] = t;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return Folded(teams.City(a)) < Folded(teams.City(b)); });
    order.insert(order.begin(), 0);
    return order;
}

std::string ScheduleSlotCaption(int slot) {
    return slot == kMondaySlot ? "Monday Nite Game" : "Game " + std::to_string(slot + 1);
}

std::string ScheduleSlotCaption(const League& league, int slot) {
    if (league.Kind == LeagueKind::Nfl1997) return ScheduleSlotCaption(slot);
    return "Game " + std::to_string(slot + 1);
}

std::string KickoffCaption(const League& league, const WeekGames& week, int slot) {
    if (!league.KickoffTimes || slot < 0 || slot >= league.Slots) return {};
    const GameRecord& game = week[static_cast<std::size_t>(slot)];
    std::string text = KickoffLabel(game);
    if (game.HasGame() && league.TiebreakSlot(week) == slot) text += text.empty() ? "Tiebreak" : "  Tiebreak";
    return text;
}

ScheduleEditor::ScheduleEditor(const SeasonGrid& games, const League& league) : league_(&league) {
    for (int w = 0; w < league.Weeks; ++w) {
        for (int s = 0; s < league.Slots; ++s) {
            const GameRecord& g = games[w][s];
            copy_[w][s] = {g.AwayTeam,       g.HomeTeam,     g.AwayConference,
                           g.HomeConference, g.AwayDivision, g.HomeDivision};
        }
    }
}

WeekTeams ScheduleEditor::Week(int week) const {
    WeekTeams out{};
    for (int s = 0; s < league_->Slots; ++s) out[s] = {copy_[week - 1][s].AwayTeam, copy_[week - 1][s].HomeTeam};
    return out;
}

namespace {

// A team number no list holds (bad data in the file) can only be shown as the
// blank entry; left blank, it stays as it was rather than being lost unasked.
int Chosen(const League& league, int shown, int stored) {
    return shown == 0 && stored > league.Teams ? stored : shown;
}

}  // namespace

bool ScheduleEditor::Differs(int week, const WeekTeams& shown) const {
    const WeekTeams stored = Week(week);
    for (int s = 0; s < league_->Slots; ++s) {
        if (Chosen(*league_, shown[s].Away, stored[s].Away) != stored[s].Away) return true;
        if (Chosen(*league_, shown[s].Home, stored[s].Home) != stored[s].Home) return true;
    }
    return false;
}

void ScheduleEditor::StoreWeek(int week, const WeekTeams& shown) {
    if (Differs(week, shown)) changed_ = true;
    const League& league = *league_;
    for (int s = 0; s < league.Slots; ++s) {
        ScheduleEntry& e = copy_[week - 1][s];
        e.AwayTeam = static_cast<std::uint8_t>(Chosen(league, shown[s].Away, e.AwayTeam));
        e.HomeTeam = static_cast<std::uint8_t>(Chosen(league, shown[s].Home, e.HomeTeam));
        if (league.ValidTeam(shown[s].Home)) {
            e.HomeConference = static_cast<std::uint8_t>(league.Conference(shown[s].Home));
            e.HomeDivision = static_cast<std::uint8_t>(league.Division(shown[s].Home));
        }
        if (league.ValidTeam(shown[s].Away)) {
            e.AwayConference = static_cast<std::uint8_t>(league.Conference(shown[s].Away));
            e.AwayDivision = static_cast<std::uint8_t>(league.Division(shown[s].Away));
        }
    }
}

void ScheduleEditor::ApplyTo(SeasonGrid& games) const {
    for (int w = 0; w < league_->Weeks; ++w) {
        for (int s = 0; s < league_->Slots; ++s) {
            const ScheduleEntry& e = copy_[w][s];
            GameRecord& g = games[w][s];
            g.HomeTeam = e.HomeTeam;
            g.AwayTeam = e.AwayTeam;
            g.HomeConference = e.HomeConference;
            g.AwayConference = e.AwayConference;
            g.HomeDivision = e.HomeDivision;
            g.AwayDivision = e.AwayDivision;
        }
    }
}

// ---- Point spreads ----

SpreadPair SpreadsFromBoxes(float awayBox, float homeBox, PSEntrysKind kind) {
    return kind == PSEntrysKind::Underdog ? SpreadPair{awayBox, homeBox} : SpreadPair{homeBox, awayBox};
}

SlotBoxes BoxesFromSpreads(const SpreadPair& spreads, PSEntrysKind kind) {
    return kind == PSEntrysKind::Underdog ? SlotBoxes{SpreadText(spreads.Away), SpreadText(spreads.Home)}
                                          : SlotBoxes{SpreadText(spreads.Home), SpreadText(spreads.Away)};
}

std::string SpreadHeading(PSEntrysKind kind) {
    return kind == PSEntrysKind::Underdog ? " Place Point Spreads Next to Underdog "
                                          : " Place Point Spreads Next to Favorite ";
}

SpreadEditor::SpreadEditor(const SeasonGrid& games, PSEntrysKind kind, const League& league)
    : kind_(kind), league_(&league) {
    for (int w = 0; w < league_->Weeks; ++w) {
        for (int s = 0; s < league_->Slots; ++s) {
            copy_[w][s] = {games[w][s].AwaySpread, games[w][s].HomeSpread};
            hasGame_[w][s] = games[w][s].HasGame();
        }
    }
}

SlotBoxes SpreadEditor::Shown(int week, int slot) const {
    return BoxesFromSpreads(Spreads(week, slot), kind_);
}

bool SpreadEditor::Differs(int week, const WeekEntryBoxes& shown) const {
    for (int s = 0; s < league_->Slots; ++s) {
        if (!HasGame(week, s)) continue;
        const SpreadPair typed =
            SpreadsFromBoxes(SpreadFromText(shown[s].Away), SpreadFromText(shown[s].Home), kind_);
        if (typed != Spreads(week, s)) return true;
    }
    return false;
}

void SpreadEditor::StoreWeek(int week, const WeekEntryBoxes& shown) {
    if (Differs(week, shown)) changed_ = true;
    for (int s = 0; s < league_->Slots; ++s) {
        if (!HasGame(week, s)) continue;
        copy_[week - 1][s] =
            SpreadsFromBoxes(SpreadFromText(shown[s].Away), SpreadFromText(shown[s].Home), kind_);
    }
}

void SpreadEditor::ApplyTo(SeasonGrid& games) const {
    for (int w = 0; w < league_->Weeks; ++w) {
        for (int s = 0; s < league_->Slots; ++s) {
            games[w][s].AwaySpread = copy_[w][s].Away;
            games[w][s].HomeSpread = copy_[w][s].Home;
        }
    }
}

// ---- Scores ----

ScoreEditor::ScoreEditor(const SeasonGrid& games, const League& league) : league_(&league) {
    for (int w = 0; w < league_->Weeks; ++w) {
        for (int s = 0; s < league_->Slots; ++s) {
            const GameRecord& g = games[w][s];
            copy_[w][s] = {g.HomeTeam, g.AwayTeam, g.HomeScore, g.AwayScore,
                           g.WinTeam,  g.LoseTeam, g.WinScore,  g.LoseScore};
        }
    }
}

bool ScoreEditor::HasGame(int week, int slot) const {
    const ScoreEntry& e = Entry(week, slot);
    return e.HomeTeam != 0 && e.AwayTeam != 0;
}

SlotBoxes ScoreEditor::Shown(int week, int slot) const {
    const ScoreEntry& e = Entry(week, slot);
    return {ScoreText(e.AwayScore), ScoreText(e.HomeScore)};
}

bool ScoreEditor::Differs(int week, const WeekEntryBoxes& shown) const {
    for (int s = 0; s < league_->Slots; ++s) {
        if (!HasGame(week, s)) continue;
        const ScoreEntry& e = Entry(week, s);
        if (ScoreFromText(shown[s].Home) != e.HomeScore || ScoreFromText(shown[s].Away) != e.AwayScore)
            return true;
    }
    return false;
}

void ScoreEditor::StoreWeek(int week, const WeekEntryBoxes& shown) {
    if (Differs(week, shown)) changed_ = true;
    for (int s = 0; s < league_->Slots; ++s) {
        if (!HasGame(week, s)) continue;
        ScoreEntry& e = copy_[week - 1][s];
        GameRecord g;
        g.HomeTeam = e.HomeTeam;
        g.AwayTeam = e.AwayTeam;
        g.HomeScore = static_cast<std::uint8_t>(ScoreFromText(shown[s].Home));
        g.AwayScore = static_cast<std::uint8_t>(ScoreFromText(shown[s].Away));
        ApplyResult(g);
        e.HomeScore = g.HomeScore;
        e.AwayScore = g.AwayScore;
        e.WinTeam = g.WinTeam;
        e.LoseTeam = g.LoseTeam;
        e.WinScore = g.WinScore;
        e.LoseScore = g.LoseScore;
    }
}

void ScoreEditor::ApplyTo(SeasonGrid& games) const {
    for (int w = 0; w < league_->Weeks; ++w) {
        for (int s = 0; s < league_->Slots; ++s) {
            const ScoreEntry& e = copy_[w][s];
            GameRecord& g = games[w][s];
            g.HomeScore = e.HomeScore;
            g.AwayScore = e.AwayScore;
            g.WinScore = e.WinScore;
            g.LoseScore = e.LoseScore;
            g.WinTeam = e.WinTeam;
            g.LoseTeam = e.LoseTeam;
        }
    }
}

}  // namespace gm
