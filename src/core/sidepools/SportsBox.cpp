#include "SportsBox.h"

#include <algorithm>
#include <numeric>

#include "core/data/PoolFile.h"
#include "core/data/Settings.h"
#include "core/output/PrintJob.h"

namespace gm {
namespace {

std::mt19937_64 SeededGenerator(std::optional<std::uint64_t> seed) {
    if (seed) return std::mt19937_64(*seed);
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device(), device(), device(), device(), device()};
    return std::mt19937_64(seq);
}

// Text centred on x, its top at y, the position kept on the line.
void PrintCenteredAt(PageSurface& s, double x, double y, std::string_view text) {
    s.CurrentX = x - s.TextWidth(text) / 2;
    s.CurrentY = y;
    s.PrintText(text);
}

void PrintAt(PageSurface& s, double x, double y, std::string_view text) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.PrintText(text);
}

constexpr std::string_view kHomeLetters = "HOME TEAM";
constexpr std::string_view kAwayLetters = "AWAY TEAM";

}  // namespace

SportsBox::SportsBox(AppState& state, std::optional<std::uint64_t> seed)
    : state_(state), rng_(SeededGenerator(seed)) {
    const League& league = state.League();
    weeks_ = ReadBoxSettings(state.Settings, notes_, league);
    // Today's tiebreak game is not in a fixed slot: a week without a game of
    // its own plays the week's last game by kick-off.
    if (league.Kind != LeagueKind::Nfl1997) {
        for (int w = 0; w < league.Weeks; ++w) {
            BoxWeekSettings& week = weeks_[static_cast<std::size_t>(w)];
            const int slot = league.TiebreakSlot(state.Games[static_cast<std::size_t>(w)]);
            if (!week.GameSet && slot >= 0) week.Game = slot + 1;
        }
    }
    if (Status s = LoadBoxPlayers(state, players_); !s) notes_.push_back(s.message);
    if (Status s = LoadSportBox(state, boxes_); !s) notes_.push_back(s.message);
    // A counter behind the numbers already handed out would hand them out again.
    for (const BoxRecord& p : players_) state_.LastPlayerNumber = std::max(state_.LastPlayerNumber, p.OwnerNumber);
    for (const WeekBoxes& week : boxes_)
        for (const BoxRecord& box : week) state_.LastPlayerNumber = std::max(state_.LastPlayerNumber, box.OwnerNumber);
    state_.LastPlayerNumber = std::min(state_.LastPlayerNumber, kMaxMembers);
    week_ = std::clamp(state.CurrentWeek, 1, league.Weeks);
}

bool SportsBox::SpinWeek(int step) {
    const int next = week_ + step;
    if (next < 1 || next > state_.League().Weeks) return false;
    week_ = next;
    state_.CurrentWeek = next;
    return true;
}

bool SportsBox::SpinGame(int step) {
    const int next = GameNumber() + step;
    if (next < 1 || next > state_.League().Slots) return false;
    weeks_[week_ - 1].Game = next;
    weeks_[week_ - 1].GameSet = true;
    boxesChanged_ = true;
    return true;
}

const GameRecord& SportsBox::Game() const { return state_.Games[week_ - 1][GameNumber() - 1]; }

bool SportsBox::HasScore() const { return Game().HomeScore != 0 || Game().AwayScore != 0; }

// Team 0 (no game in the slot) has a blank name.
std::string SportsBox::HomeTeamText() const { return Game().HomeTeam ? state_.Teams.City(Game().HomeTeam) : ""; }
std::string SportsBox::AwayTeamText() const { return Game().AwayTeam ? state_.Teams.City(Game().AwayTeam) : ""; }
std::string SportsBox::HomeScoreText() const { return HasScore() ? std::to_string(Game().HomeScore) : ""; }
std::string SportsBox::AwayScoreText() const { return HasScore() ? std::to_string(Game().AwayScore) : ""; }

SportsBox::DigitAnswer SportsBox::EnterDigit(bool top, int position, std::string_view answer) {
    if (answer.empty() || position < 0 || position > 9) return DigitAnswer::Unchanged;
    if (answer.size() != 1 || answer[0] < '0' || answer[0] > '9') return DigitAnswer::Refused;
    std::string& digits = top ? weeks_[week_ - 1].Top : weeks_[week_ - 1].Left;
    digits[static_cast<std::size_t>(position)] = answer[0];
    boxesChanged_ = true;
    return DigitAnswer::Set;
}

std::string SportsBox::BoxCaption(int box) const {
    const BoxRecord& b = Box(box);
    return b.Empty() ? "" : std::to_string(b.OwnerNumber);
}

std::string SportsBox::OwnerText(int box) const { return Box(box).TrimmedName(); }

void SportsBox::AssignBox(int box, int entry) {
    if (box < 0 || box >= kBoxesPerWeek || entry < 0 || entry >= EntryCount()) return;
    boxes_[week_ - 1][box] = Entry(entry);
    boxesChanged_ = true;
}

BoxRecord SportsBox::Entry(int entry) const {
    if (entry <= 0 || entry > static_cast<int>(players_.size())) return BoxRecord{};
    return players_[static_cast<std::size_t>(entry - 1)];
}

std::string SportsBox::PlayerLine(const BoxRecord& player) {
    const std::string number = std::to_string(player.OwnerNumber);
    return player.OwnerName + std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number;
}

std::vector<std::string> SportsBox::PlayerLines() const {
    std::vector<std::string> lines{std::string(sbtext::ClearBoxEntry)};
    for (const BoxRecord& p : players_) lines.push_back(PlayerLine(p));
    return lines;
}

SportsBox::AddResult SportsBox::AddPlayer(std::string_view answer) {
    const std::string name = FitName(answer);
    if (name.find_first_not_of(' ') == std::string::npos) return {};
    const int number = IssuePlayerNumber(state_);
    if (number == 0)
        return {-1, OutputMessage::Failure(std::string(sbtext::NoNumberTitle),
                                           "Every player number up to " + std::to_string(kMaxMembers) +
                                               " has been handed out; no player can be added.")};
    players_.push_back({name, number});
    playersChanged_ = true;
    return {EntryCount() - 1, OutputMessage::Silent()};
}

int SportsBox::ImportMembers() {
    int added = 0;
    const int count = std::min<int>(state_.MemberCount, static_cast<int>(state_.Members.size()));
    for (int i = 0; i < count; ++i) {
        const MemberRecord& m = state_.Members[static_cast<std::size_t>(i)];
        const std::string name = FitName(m.Name);
        const bool listed =
            std::any_of(players_.begin(), players_.end(), [&](const BoxRecord& p) { return p.OwnerName == name; });
        if (listed) continue;
        players_.push_back({name, m.PlayerNumber});
        ++added;
    }
    if (added > 0) playersChanged_ = true;
    return added;
}

bool SportsBox::RemovePlayer(int entry) {
    if (entry <= 0 || entry >= EntryCount()) return false;
    players_.erase(players_.begin() + (entry - 1));
    playersChanged_ = true;
    return true;
}

Status SportsBox::SavePlayers() {
    if (Status s = SaveBoxPlayers(state_, players_); !s) return s;
    playersChanged_ = false;
    return WriteLastPlayerNumber(state_);
}

std::vector<int> SportsBox::Shuffle(int lo, int hi) {
    std::vector<int> t(static_cast<std::size_t>(hi + 1));
    std::iota(t.begin(), t.end(), 0);
    // Every arrangement is possible: position k may also keep its own value.
    for (int k = hi; k > lo; --k) {
        std::uniform_int_distribution<int> pick(lo, k);
        std::swap(t[static_cast<std::size_t>(pick(rng_))], t[static_cast<std::size_t>(k)]);
    }
    return t;
}

int SportsBox::RandomPlayer() {
    std::uniform_int_distribution<int> pick(1, EntryCount() - 1);
    return pick(rng_);
}

void SportsBox::EmptyBoxes() { boxes_[week_ - 1].fill(BoxRecord{}); }

void SportsBox::FillEmptyAtRandom() {
    for (BoxRecord& box : boxes_[week_ - 1])
        if (box.Empty()) box = Entry(RandomPlayer());
}

// One box each while boxes last, from the shuffled boxes. With more players
// than boxes, the players who get one are drawn at random.
OutputMessage SportsBox::OneEach(std::vector<int>& boxes, int& next) {
    const int players = EntryCount() - 1;
    if (players <= kBoxesPerWeek) {
        for (int p = 1; p <= players; ++p) boxes_[week_ - 1][static_cast<std::size_t>(boxes[static_cast<std::size_t>(next++)])] = Entry(p);
        return OutputMessage::Silent();
    }
    const std::vector<int> order = Shuffle(0, players - 1);
    for (int i = 0; i < kBoxesPerWeek; ++i)
        boxes_[week_ - 1][static_cast<std::size_t>(boxes[static_cast<std::size_t>(next++)])] = Entry(order[static_cast<std::size_t>(i)] + 1);
    return OutputMessage::Confirm(std::string(sbtext::TooManyTitle),
                                  "There are " + std::to_string(players) + " players for 100 boxes.\r\n" +
                                      "100 players drawn at random got one box each; " +
                                      std::to_string(players - kBoxesPerWeek) + " players have no box.");
}

OutputMessage SportsBox::Fill(Scheme scheme) {
    const int players = EntryCount() - 1;
    if (players < 1)
        return OutputMessage::Failure(std::string(sbtext::NoPlayersTitle), std::string(sbtext::NoPlayersText));
    OutputMessage note = OutputMessage::Silent();
    switch (scheme) {
        case Scheme::Digits: {
            // Digits only: the boxes as filled stay where they are.
            const auto draw = [&] {
                const std::vector<int> t = Shuffle(1, 10);
                std::string digits(10, '0');
                for (int i = 1; i <= 10; ++i) digits[static_cast<std::size_t>(i - 1)] = static_cast<char>('0' + t[static_cast<std::size_t>(i)] - 1);
                return digits;
            };
            weeks_[week_ - 1].Top = draw();
            weeks_[week_ - 1].Left = draw();
            break;
        }
        case Scheme::Grid:
            for (BoxRecord& box : boxes_[week_ - 1]) box = Entry(RandomPlayer());
            break;
        case Scheme::OnePerBox:
        case Scheme::OnePerBoxRandom: {
            EmptyBoxes();
            std::vector<int> t = Shuffle(0, kBoxesPerWeek - 1);
            int next = 0;
            note = OneEach(t, next);
            if (scheme == Scheme::OnePerBoxRandom) FillEmptyAtRandom();
            break;
        }
        case Scheme::Equal:
        case Scheme::EqualRandom: {
            EmptyBoxes();
            std::vector<int> t = Shuffle(0, kBoxesPerWeek - 1);
            int next = 0;
            const int rounds = kBoxesPerWeek / players;
            if (rounds == 0) note = OneEach(t, next);
            for (int round = 0; round < rounds; ++round) OneEach(t, next);
            if (scheme == Scheme::EqualRandom) FillEmptyAtRandom();
            break;
        }
    }
    boxesChanged_ = true;
    return note;
}

void SportsBox::Clear() {
    EmptyBoxes();
    boxesChanged_ = true;
}

void SportsBox::Reset() {
    Clear();
    weeks_[week_ - 1].Top = std::string(kDefaultDigits);
    weeks_[week_ - 1].Left = std::string(kDefaultDigits);
}

bool SportsBox::DigitsRepeat() const { return !DigitsComplete(TopDigits()) || !DigitsComplete(LeftDigits()); }

int SportsBox::WinnerBox() const {
    if (!HasScore()) return -1;
    const auto row = LeftDigits().rfind(static_cast<char>('0' + Game().AwayScore % 10));
    const auto column = TopDigits().rfind(static_cast<char>('0' + Game().HomeScore % 10));
    if (row == std::string::npos || column == std::string::npos) return -1;
    return static_cast<int>(row * 10 + column);
}

std::string SportsBox::WinnerText() const {
    const int box = WinnerBox();
    return box < 0 ? "" : OwnerText(box);
}

std::string SportsBox::DigitsNote() const {
    if (HasScore()) {
        const char away = static_cast<char>('0' + Game().AwayScore % 10);
        const char home = static_cast<char>('0' + Game().HomeScore % 10);
        if (LeftDigits().find(away) == std::string::npos) return std::string(sbtext::NoRowShows) + away;
        if (TopDigits().find(home) == std::string::npos) return std::string(sbtext::NoColumnShows) + home;
    }
    return DigitsRepeat() ? std::string(sbtext::DigitsRepeat) : "";
}

Status SportsBox::Save() {
    if (Status s = SaveSportBox(state_, boxes_); !s) return s;
    if (playersChanged_) {
        if (Status s = SaveBoxPlayers(state_, players_); !s) return s;
        playersChanged_ = false;
    }
    if (Status s = WriteBoxSettings(state_.Settings, weeks_, state_.League()); !s) return s;
    // Boxes may now name players whose numbers were issued in this session.
    if (Status s = WriteLastPlayerNumber(state_); !s) return s;
    boxesChanged_ = false;
    return Status::Ok();
}

std::string SportsBox::PrintTitle() const { return "The Sports Box  Week " + std::to_string(week_); }

void SportsBox::PrintCopy(PageSurface& s) const {
    s.Font = PageFont{"Sans Serif", 20, false, false, true};
    PrintCentered(s, PrintTitle());
    s.Font.Underline = false;
    s.DrawWidth = 2;
    s.Font.Size = 12;

    constexpr double left = 1435, top = 1520, cell = 600;
    for (int i = 0; i < 9; ++i)
        if (kHomeLetters[static_cast<std::size_t>(i)] != ' ')
            PrintCenteredAt(s, 1735 + cell * i, 790, kHomeLetters.substr(static_cast<std::size_t>(i), 1));
    s.Font.Bold = true;
    for (int i = 0; i < 10; ++i) PrintCenteredAt(s, 1735 + cell * i, 1240, TopDigits().substr(static_cast<std::size_t>(i), 1));
    s.Font.Bold = false;

    const double right = left + 10 * cell + 180;
    const auto sideText = [&](int row, std::string_view text, bool underline) {
        s.Font.Underline = underline;
        PrintAt(s, right, top + cell * row + (cell - s.TextHeight()) / 2, text);
        s.Font.Underline = false;
    };
    const auto withScore = [&](const std::string& city, const std::string& score) {
        return HasScore() ? city + " : " + score : city;
    };
    for (int r = 0; r < 10; ++r) {
        const double y = top + cell * r;
        for (int c = 0; c < 10; ++c) {
            const double x = left + cell * c;
            s.Line(x, y, x + cell, y + cell, true);
            s.Font.Size = 10;
            PrintCenteredAt(s, x + cell / 2, y + (cell - s.TextHeight()) / 2, std::to_string(r * 10 + c));
            s.Font.Size = 12;
        }
        const double textY = y + (cell - s.TextHeight()) / 2;
        if (r < 9 && kAwayLetters[static_cast<std::size_t>(r)] != ' ')
            PrintAt(s, 745, textY, kAwayLetters.substr(static_cast<std::size_t>(r), 1));
        s.Font.Bold = true;
        PrintAt(s, 1195, textY, LeftDigits().substr(static_cast<std::size_t>(r), 1));
        s.Font.Bold = false;
    }
    sideText(1, "HOME TEAM", true);
    sideText(2, withScore(HomeTeamText(), HomeScoreText()), false);
    sideText(4, "AWAY TEAM", true);
    sideText(5, withScore(AwayTeamText(), AwayScoreText()), false);
    sideText(7, "BOX WINNER", true);
    sideText(8, WinnerText(), false);
    if (const std::string note = DigitsNote(); !note.empty()) {
        s.Font.Size = 8;
        sideText(9, note, false);
        s.Font.Size = 12;
    }

    // Who owns which box, five to a line.
    s.CurrentX = 0;
    s.CurrentY = top + 10 * cell;
    s.PrintLine();
    s.CurrentY += 600;
    s.CurrentX = 4000;
    s.Font.Underline = true;
    s.PrintLine("Box Ownership");
    s.Font.Underline = false;
    s.Font.Size = 8;
    s.CurrentY += 180;
    for (int line = 0; line < kBoxesPerWeek / 5; ++line) {
        for (int k = 0; k < 5; ++k) {
            const int b = line * 5 + k;
            const std::string number = std::to_string(b);
            s.CurrentX = 200 + 2000.0 * k - s.TextWidth(number);
            s.PrintText(number);
            s.PrintText(Box(b).Empty() ? std::string(": ") : ": " + Box(b).OwnerName);
        }
        s.CurrentX = 0;
        s.PrintLine();
    }
    s.CurrentY += 360;
    s.Font.Size = 12;
    const std::string_view footer = "Players: The LAST digit in each teams score is the Winning number.";
    s.CurrentX = s.ScaleWidth() / 2 - 400 - s.TextWidth(footer) / 2;
    s.PrintLine(footer);
}

Status SportsBox::Print(PageSurface& surface, int copies) const {
    return RunPrintJob(surface, copies, [this](PageSurface& s, int) { PrintCopy(s); });
}

}  // namespace gm
