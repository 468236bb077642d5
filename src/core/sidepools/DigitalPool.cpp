#include "DigitalPool.h"

#include <algorithm>
#include <numeric>

#include "core/data/TextCodec.h"
#include "core/data/WeekLabel.h"
#include "core/output/PrintJob.h"
#include "core/output/TextOutput.h"

namespace gm {
namespace {

constexpr std::string_view kConfirmTitle = "The Digital Pool";
constexpr int kNameColumn = 25;

std::string PadTo(std::string text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    if (length < width) text.append(width - length, ' ');
    return text;
}

}  // namespace

DigitCards CountDigits(const SeasonGrid& games, int throughWeek, const League& league) {
    DigitCards cards{};
    for (int t = 0; t <= kMaxTeams; ++t) cards[static_cast<std::size_t>(t)].Team = t;
    const int last = std::clamp(throughWeek, 0, league.Weeks);
    for (int w = 0; w < last; ++w) {
        for (int g = 0; g < league.Slots; ++g) {
            const GameRecord& game = games[static_cast<std::size_t>(w)][static_cast<std::size_t>(g)];
            if (game.HomeScore == 0 && game.AwayScore == 0) continue;
            if (league.ValidTeam(game.HomeTeam)) ++cards[game.HomeTeam].Count[game.HomeScore % 10];
            if (league.ValidTeam(game.AwayTeam)) ++cards[game.AwayTeam].Count[game.AwayScore % 10];
        }
    }
    for (DigitCard& card : cards)
        card.Used = static_cast<int>(std::count_if(card.Count.begin(), card.Count.end(), [](int n) { return n > 0; }));
    return cards;
}

std::string DigitLine(const DigitCard& card) {
    std::string line;
    for (int count : card.Count) line += count == 0 ? std::string("X  ") : std::to_string(count) + "  ";
    line += card.Used == 10 ? std::string("Bingo!") : "  " + std::to_string(card.Used) + "  ";
    return line;
}

DigitalPool::DigitalPool(AppState& state)
    : state_(state),
      week_(std::clamp(state.CurrentWeek, 1, state.League().Weeks)),
      weekLabel_(WeekLabel(week_, false)) {
    std::vector<DigitRecord> all;
    if (Status s = LoadDigitPlayers(state, all); !s) notes_.push_back(s.message);
    for (const DigitRecord& p : all) {
        if (p.TrimmedName().empty()) continue;
        if (!state.League().ValidTeam(p.DigitTeam)) {
            notes_.push_back("The Digital Pool player " + p.TrimmedName() + " has no valid team (number " +
                             std::to_string(p.DigitTeam) + ") and is left out. Assign a team in Edit Players.");
            continue;
        }
        players_.push_back(p);
    }
    teamOrder_.resize(static_cast<std::size_t>(state.League().Teams));
    std::iota(teamOrder_.begin(), teamOrder_.end(), 1);
    playerOrder_.resize(players_.size());
    std::iota(playerOrder_.begin(), playerOrder_.end(), 0);
    Recount();
}

bool DigitalPool::Spin(int step) {
    const int next = week_ + step;
    const int lastWeek = state_.League().Weeks;
    if (next < 1 || next > lastWeek) return false;
    week_ = next;
    state_.CurrentWeek = std::clamp(state_.CurrentWeek + step, 1, lastWeek);
    weekLabel_ = WeekLabel(week_, true);
    Recount();
    return true;
}

void DigitalPool::SetMode(Mode mode) {
    mode_ = mode;
    Order();
}

void DigitalPool::SetSort(bool highToLow) {
    sort_ = highToLow;
    Order();
}

void DigitalPool::Recount() {
    cards_ = CountDigits(state_.Games, week_, state_.League());
    for (DigitRecord& p : players_) p.DigitsUsed = cards_[static_cast<std::size_t>(p.DigitTeam)].Used;
    Order();
}

// Stable, so that equal keys keep the order of the previous display.
void DigitalPool::Order() {
    if (sort_) {
        std::stable_sort(teamOrder_.begin(), teamOrder_.end(), [&](int a, int b) {
            return cards_[static_cast<std::size_t>(a)].Used > cards_[static_cast<std::size_t>(b)].Used;
        });
        std::stable_sort(playerOrder_.begin(), playerOrder_.end(), [&](int a, int b) {
            return players_[static_cast<std::size_t>(a)].DigitsUsed > players_[static_cast<std::size_t>(b)].DigitsUsed;
        });
    } else {
        std::stable_sort(teamOrder_.begin(), teamOrder_.end());
        std::stable_sort(playerOrder_.begin(), playerOrder_.end(), [&](int a, int b) {
            return players_[static_cast<std::size_t>(a)].DigitName < players_[static_cast<std::size_t>(b)].DigitName;
        });
    }
}

std::string DigitalPool::HeadingLabel() {
    return "     NFL Digits Used ->  0  1  2  3  4  5  6  7  8  9  Total";
}

std::string DigitalPool::TeamLine(int team) const {
    return PadTo(state_.Teams.City(team), kNameColumn) + DigitLine(cards_[static_cast<std::size_t>(team)]);
}

std::string DigitalPool::PlayerLine(const DigitRecord& p) const {
    return PadTo(p.TrimmedName() + " (" + state_.Teams.CityAbbr(p.DigitTeam) + ")", kNameColumn) +
           DigitLine(cards_[static_cast<std::size_t>(p.DigitTeam)]);
}

std::vector<std::string> DigitalPool::Lines() const {
    std::vector<std::string> lines;
    switch (mode_) {
        case Mode::Teams:
            for (int team : teamOrder_) lines.push_back(TeamLine(team));
            break;
        case Mode::Players:
            for (int i : playerOrder_) lines.push_back(PlayerLine(players_[static_cast<std::size_t>(i)]));
            break;
        case Mode::Both:
            for (int team : teamOrder_) {
                lines.push_back(TeamLine(team));
                for (const DigitRecord& p : players_)
                    if (p.DigitTeam == team)
                        lines.push_back(" " + p.TrimmedName() + " (" + state_.Teams.CityAbbr(team) + ")");
                lines.push_back(std::string(61, '-'));
            }
            break;
    }
    return lines;
}

std::string DigitalPool::OutputTitle() const { return "Digital Pool for Week " + weekLabel_; }

std::string DigitalPool::ReportTitle() const { return "The Digital Pool"; }

TextFileOutput DigitalPool::TextFile() const {
    TextFileOutput out;
    out.FileName = "Digital.txt";
    out.Lines = {"", CenterTitle66(OutputTitle()), "", "", HeadingLabel(), ""};
    for (auto& line : Lines()) out.Lines.push_back(std::move(line));
    out.ConfirmTitle = std::string(kConfirmTitle);
    out.ConfirmText = "A text file named Digital.txt has been created.";
    return out;
}

ClipboardOutput DigitalPool::Clipboard() const {
    std::vector<std::string> lines{CenterTitle66(OutputTitle()), "", HeadingLabel()};
    for (auto& line : Lines()) lines.push_back(std::move(line));
    return {ClipboardText(lines),
            OutputMessage::Confirm(std::string(kConfirmTitle), "The Digital Pool for Week " +
                                                                   std::to_string(state_.CurrentWeek) +
                                                                   " is on the Clipboard")};
}

WebPageOutput DigitalPool::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::Digital;
    page.Lines = {WebLine::Plain(""), WebLine::Plain(CenterTitle66(OutputTitle())), WebLine::Plain(""),
                  WebLine::Plain(""), WebLine::Head(HeadingLabel()), WebLine::Plain("")};
    for (auto& line : Lines()) page.Lines.push_back(WebLine::Plain(std::move(line)));
    return page;
}

void DigitalPool::PrintCopy(PageSurface& s, int) const {
    PageFont title{"Sans Serif", 18, false, false, true, 600};
    s.Font = title;
    PrintCentered(s, "The Digital Pool: Week " + weekLabel_);
    s.PrintLine();
    const PageFont body{"Courier New", 12, false, false, false, 500};
    s.Font = body;
    s.PrintLine();
    s.PrintLine(HeadingLabel());
    s.PrintLine();
    PageFont lineFont = body;
    lineFont.Underline = mode_ != Mode::Both;
    PageFont heading = body;
    heading.Underline = true;
    const double bottom = PageBottom(s);
    for (const std::string& line : Lines()) {
        BreakPageIfNeeded(s, bottom, body, [&](PageSurface& p) {
            p.Font = heading;
            p.PrintLine(HeadingLabel());
            p.Font = body;
            p.PrintLine();
        });
        s.Font = lineFont;
        s.PrintLine(line);
        s.Font = body;
    }
}

}  // namespace gm
