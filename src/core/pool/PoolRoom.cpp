#include "PoolRoom.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "core/output/PrintJob.h"
#include "core/pool/PoolText.h"
#include "core/pool/StatPakRanking.h"

namespace gm {
namespace pooltext {}
using namespace pooltext;

namespace {

constexpr int kFirstWeek = 1;
// Victory/defeat lines on one printed page before the heading is repeated.
constexpr int kVictoryLinesPerPage = 42;

constexpr const char* kBestAndWorse = "                      The Best & Worse";
constexpr const char* kHottestTitle = "                    THE POOLS HOTTEST PLAYER";
constexpr const char* kHottestColumns = "                            W   L   T    Pts  TB Avg";
constexpr const char* kMondayColumns = "                             W   L  T    Pts  TB Avg";
constexpr const char* kTiebreakTitle = "         THE BEST MONDAY NIGHT TIEBREAKER AVG.";
constexpr const char* kPostSeason = "-------------------POST SEASON--------------------";
constexpr const char* kNoSelections = "No Selections Made";

bool Step(int& week, std::string& label, int step, int lastWeek) {
    const int next = week + step;
    if (step == 0 || next < kFirstWeek || next > lastWeek) return false;
    week = next;
    label = gm::WeekLabel(week, true);
    return true;
}

// A key of the one-week order as a whole number, and whether it sorts descending.
std::uint32_t WeekKey(SortKey key, const StandingsRow& r, int week, bool& descending) {
    descending = true;
    switch (key) {
        case SortKey::WeekWins: return r.WeekWins;
        case SortKey::WeekPct: return OrderKey(r.WeekPct);
        case SortKey::WeekPoints: return OrderKey(r.WeekPoints);
        case SortKey::TiebreakDiff: descending = false; return r.TiebreakDiff[static_cast<std::size_t>(week)];
        default: break;
    }
    descending = false;
    return 0;  // the week order uses no other key
}

}  // namespace

PoolRoom::PoolRoom(AppState& state) : state_(state) {
    week_ = start_ = end_ = std::clamp(state_.CurrentWeek, kFirstWeek, state_.League().Weeks);
    weekLabel_ = startLabel_ = endLabel_ = gm::WeekLabel(week_, false);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
}

bool PoolRoom::SpinWeek(int step) {
    if (!Step(week_, weekLabel_, step, state_.League().Weeks)) return false;
    state_.CurrentWeek = week_;
    victoryFilled_ = mondayFilled_ = tiebreakFilled_ = false;
    victory_.clear();
    bestWorst_.clear();
    places_.clear();
    monday_.clear();
    tiebreak_.clear();
    return true;
}

bool PoolRoom::SpinStart(int step) { return Step(start_, startLabel_, step, state_.League().Weeks); }
bool PoolRoom::SpinEnd(int step) { return Step(end_, endLabel_, step, state_.League().Weeks); }

bool PoolRoom::ConfidenceMode() const { return ParsePoolSort(state_.PoolSort) == PoolSortKind::Confidence; }
bool PoolRoom::MondayTiebreak() const { return UsesSecondaryMonday(state_.SecondaryTB); }

std::string PoolRoom::StatHeading() const {
    return ConfidenceMode() ? "                             W   L  T    Pts  T/B"
                            : "                             W   L  T    Pct  T/B";
}

std::span<const MemberRecord> PoolRoom::Members() const {
    return {state_.Members.data(), static_cast<std::size_t>(std::max(state_.MemberCount, 0))};
}

void PoolRoom::FillVictoryDefeat() {
    const auto members = Members();
    const int count = static_cast<int>(members.size());
    const GradingRules rules = GradingRules::From(state_);
    const std::vector<SortKey> keys =
        WeekOrderKeys(OrderOptions::From(state_, ParsePoolSort(state_.PoolSort)));
    const bool points = ConfidenceMode();
    const bool monday = MondayTiebreak();
    const int lastRegularWeek = state_.League().RegularWeeks;  // the separator after it names the post-season

    std::vector<StandingsRow> rows = NewRows(count);  // stay in member order: rows[m] is member m
    std::vector<std::int32_t> order = MemberOrder(count);
    std::vector<std::uint32_t> key(static_cast<std::size_t>(count));
    victory_.clear();
    bestWorst_.clear();
    places_.assign(static_cast<std::size_t>(week_), std::vector<std::int32_t>(static_cast<std::size_t>(count)));

    const auto line = [&](int week, int m, bool played) {
        const StandingsRow& r = rows[static_cast<std::size_t>(m)];
        std::string s = "Week ";
        AppendNumber(s, 2, week);
        s += ": ";
        AppendPad(s, 18, played ? NameField(members[static_cast<std::size_t>(m)]) : std::string(kNoSelections));
        AppendNumber(s, 3, r.WeekWins);
        AppendNumber(s, 4, r.WeekLosses);
        AppendNumber(s, 3, r.WeekTies);
        AppendFixed1(s, 7, points ? r.WeekPoints : r.WeekPct);
        if (monday)
            AppendNumber(s, 4, r.TiebreakDiff[static_cast<std::size_t>(week - 1)]);
        else
            AppendPad(s, 5, "N/A");
        return s;
    };

    for (int week = 1; week <= week_; ++week) {
        const int index = week - 1;
        TallyWeek(rows, state_.Games, members, rules, index);
        ComputePercentages(rows);
        // The week's order starts from the order the rows had after the week
        // before: members still equal after every key keep it.
        for (const SortKey k : keys) {
            bool descending = true;
            for (int m = 0; m < count; ++m) key[static_cast<std::size_t>(m)] = WeekKey(k, rows[static_cast<std::size_t>(m)], index, descending);
            StableOrder(order, key, descending);
        }
        auto& places = places_[static_cast<std::size_t>(index)];
        int best = -1;
        int worst = -1;
        for (int pos = 0; pos < count; ++pos) {
            const int m = order[static_cast<std::size_t>(pos)];
            places[static_cast<std::size_t>(m)] = pos + 1;
            if (!rows[static_cast<std::size_t>(m)].PlayedWeek) continue;
            if (best < 0) best = m;
            worst = m;
        }
        // Only members who played are named; when nobody played, the first row.
        if (best < 0 && count > 0) best = worst = order[0];
        if (best >= 0) {
            const bool played = rows[static_cast<std::size_t>(best)].PlayedWeek;
            victory_.push_back(line(week, best, played));
            victory_.push_back(line(week, worst, played));
            bestWorst_.emplace_back(best, worst);
        }
        victory_.emplace_back(week == lastRegularWeek && week_ > lastRegularWeek ? kPostSeason
                                                                                   : std::string(50, '-'));
    }
    victoryFilled_ = true;
}

int PoolRoom::WeeklyPlace(int member, int week) const {
    if (week < 1 || week > static_cast<int>(places_.size())) return 0;
    const auto& places = places_[static_cast<std::size_t>(week - 1)];
    if (member < 0 || member >= static_cast<int>(places.size())) return 0;
    return places[static_cast<std::size_t>(member)];
}

std::vector<PoolRoomTotals> PoolRoom::RangeTotals(int first, int last) const {
    const auto members = Members();
    std::vector<PoolRoomTotals> totals(members.size());
    for (std::size_t m = 0; m < totals.size(); ++m) totals[m].MemberIndex = static_cast<std::int32_t>(m);
    std::vector<StandingsRow> rows = NewRows(static_cast<int>(members.size()));
    const GradingRules rules = GradingRules::From(state_);
    for (int week = std::max(first, kFirstWeek); week <= std::min(last, state_.League().Weeks); ++week) {
        const int index = week - 1;
        TallyWeek(rows, state_.Games, members, rules, index);
        for (std::size_t m = 0; m < totals.size(); ++m) {
            const StandingsRow& r = rows[m];
            PoolRoomTotals& t = totals[m];
            t.Wins += r.WeekWins;
            t.Losses += r.WeekLosses;
            t.Ties += r.WeekTies;
            t.HalfPoints += std::lround(r.WeekPoints * 2.0f);
            if (r.PlayedWeek) {
                ++t.WeeksPlayed;
                t.DiffSum += r.TiebreakDiff[static_cast<std::size_t>(index)];
            }
        }
    }
    Finish(totals);
    return totals;
}

std::vector<PoolRoomTotals> PoolRoom::MondayTotals() const {
    const auto members = Members();
    std::vector<PoolRoomTotals> totals(members.size());
    const GradingRules rules = GradingRules::From(state_);
    // Each week's tiebreak game, found once for every member.
    std::array<int, kMaxWeeks> mondaySlots{};
    for (int index = 0; index < week_; ++index)
        mondaySlots[static_cast<std::size_t>(index)] = rules.TiebreakSlot(state_.Games, index);
    for (std::size_t m = 0; m < totals.size(); ++m) {
        PoolRoomTotals& t = totals[m];
        t.MemberIndex = static_cast<std::int32_t>(m);
        for (int index = 0; index < week_; ++index) {
            const int slot = mondaySlots[static_cast<std::size_t>(index)];
            if (slot < 0) continue;  // a week without games
            const GameRecord& game = state_.Games[static_cast<std::size_t>(index)][static_cast<std::size_t>(slot)];
            const int pick = members[m].Picks[static_cast<std::size_t>(index)][static_cast<std::size_t>(slot)];
            const int confidence = members[m].Confidence[static_cast<std::size_t>(index)][static_cast<std::size_t>(slot)];
            // A week counts only when the member picked the Monday-night game.
            if (pick == 0) continue;
            ++t.WeeksPlayed;
            t.DiffSum += std::abs(members[m].Tiebreak[static_cast<std::size_t>(index)] -
                                  MondayResult(game, rules.MondayTotalPoints));
            switch (GradeSelection(game, pick, rules.AgainstSpread)) {
                case Grade::Win: ++t.Wins, t.HalfPoints += 2 * confidence; break;
                case Grade::Tie: ++t.Ties, t.HalfPoints += confidence; break;
                case Grade::Loss: ++t.Losses; break;
                case Grade::None:
                case Grade::Pending: break;
            }
        }
    }
    Finish(totals);
    return totals;
}

void PoolRoom::Finish(std::vector<PoolRoomTotals>& totals) const {
    const bool monday = MondayTiebreak();
    for (PoolRoomTotals& t : totals) {
        t.Pct = WinningPct(t.Wins, t.Losses, t.Ties);
        t.AvgDiff = monday && t.WeeksPlayed > 0
                        ? static_cast<float>(t.DiffSum) / static_cast<float>(t.WeeksPlayed)
                        : 0.0f;
    }
}

std::vector<std::int32_t> PoolRoom::HottestOrder(const std::vector<PoolRoomTotals>& totals, bool averageOnly) const {
    std::vector<std::int32_t> order = MemberOrder(static_cast<int>(totals.size()));
    std::vector<std::uint32_t> key(totals.size());
    const auto by = [&](auto project, bool descending) {
        for (std::size_t m = 0; m < totals.size(); ++m) key[m] = project(totals[m]);
        StableOrder(order, key, descending);
    };
    const auto wins = [](const PoolRoomTotals& t) { return static_cast<std::uint32_t>(std::max(t.Wins, 0)); };
    const auto pct = [](const PoolRoomTotals& t) { return OrderKey(t.Pct); };
    const auto points = [](const PoolRoomTotals& t) {
        return static_cast<std::uint32_t>(std::clamp<std::int64_t>(t.HalfPoints, 0, 0xFFFFFFFF));
    };
    if (MondayTiebreak()) {
        // A member with no Monday-night entry has nothing to average: an
        // average of 0 would put him first, so he goes last.
        by([](const PoolRoomTotals& t) { return t.WeeksPlayed > 0 ? OrderKey(t.AvgDiff) : 0xFFFFFFFFu; }, false);
    }
    if (averageOnly) return order;
    switch (ParseTBMethod(state_.TBMethod)) {
        case TBMethodKind::Wins: by(wins, true); break;
        case TBMethodKind::WinPct: by(pct, true); break;
        default: break;
    }
    switch (ParsePoolSort(state_.PoolSort)) {
        case PoolSortKind::Wins: by(wins, true); break;
        case PoolSortKind::WinPct: by(pct, true); break;
        case PoolSortKind::Confidence: by(points, true); break;
    }
    return order;
}

void PoolRoom::FillHottest() {
    const std::vector<PoolRoomTotals> totals = RangeTotals(start_, end_);
    hottest_.clear();
    // The five best of the members who played in the range.
    for (const std::int32_t m : HottestOrder(totals, false)) {
        if (hottest_.size() == 5) break;
        if (totals[static_cast<std::size_t>(m)].WeeksPlayed > 0) hottest_.push_back(totals[static_cast<std::size_t>(m)]);
    }
    hottestFilled_ = true;
}

void PoolRoom::FillMondayRecord() {
    const std::vector<PoolRoomTotals> totals = MondayTotals();
    monday_.clear();
    for (const std::int32_t m : HottestOrder(totals, false)) monday_.push_back(totals[static_cast<std::size_t>(m)]);
    mondayFilled_ = true;
}

void PoolRoom::FillTiebreakAverage() {
    const std::vector<PoolRoomTotals> totals = MondayTotals();
    tiebreak_.clear();
    for (const std::int32_t m : HottestOrder(totals, true)) tiebreak_.push_back(totals[static_cast<std::size_t>(m)]);
    tiebreakFilled_ = true;
}

std::string PoolRoom::TotalsLine(const PoolRoomTotals& t) const {
    std::string s = PadRight(NameField(state_.Members[static_cast<std::size_t>(t.MemberIndex)]), 25);
    AppendNumber(s, 5, t.Wins);
    AppendNumber(s, 4, t.Losses);
    AppendNumber(s, 3, t.Ties);
    AppendFixed1(s, 7, ConfidenceMode() ? static_cast<double>(t.HalfPoints) / 2.0 : t.Pct);
    if (MondayTiebreak())
        AppendFixed1(s, 6, t.AvgDiff);
    else
        AppendPad(s, 5, "N/A");
    return s;
}

std::string PoolRoom::TiebreakLine(const PoolRoomTotals& t) const {
    std::string s = PadRight(NameField(state_.Members[static_cast<std::size_t>(t.MemberIndex)]), 22);
    s += "Weeks Played: ";
    AppendNumber(s, 2, t.WeeksPlayed);
    if (MondayTiebreak())
        AppendPad(s, 12, Format2(t.AvgDiff));
    else
        AppendPad(s, 11, "N/A");
    return s;
}

std::vector<std::string> PoolRoom::HottestLines() const {
    std::vector<std::string> out;
    for (const auto& t : hottest_) out.push_back(TotalsLine(t));
    return out;
}

std::vector<std::string> PoolRoom::MondayLines() const {
    std::vector<std::string> out;
    for (const auto& t : monday_) out.push_back(TotalsLine(t));
    return out;
}

std::vector<std::string> PoolRoom::TiebreakLines() const {
    std::vector<std::string> out;
    for (const auto& t : tiebreak_) out.push_back(TiebreakLine(t));
    return out;
}

namespace {

// The text file, web page and clipboard list only each panel's leader; a
// panel not filled leaves an empty line in its place.
std::string FirstOf(const std::vector<std::string>& lines) { return lines.empty() ? std::string() : lines.front(); }

}  // namespace

std::vector<std::string> PoolRoom::TextLines() const {
    std::vector<std::string> lines;
    for (const WebLine& l : WebPage().Lines) lines.push_back(l.text);
    return lines;
}

std::string PoolRoom::ReportTitle() const { return "The Pool Room"; }

ReportWriters PoolRoom::Writers() const { return {true, true, true, true}; }

TextFileOutput PoolRoom::TextFile() const {
    TextFileOutput out;
    out.FileName = "PoolRoom.txt";
    out.Lines = TextLines();
    out.ConfirmTitle = "The PoolRoom";
    out.ConfirmText = "A text file named PoolRoom.txt has been created.";
    return out;
}

WebPageOutput PoolRoom::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::PoolRoom;
    page.FileName = "poolroom.htm";
    auto& l = page.Lines;
    const auto plain = [&l](std::string s) { l.push_back(WebLine::Plain(std::move(s))); };
    const auto title = [&l](std::string s) { l.push_back(WebLine::Head(std::move(s))); };
    plain("");
    title(CenterTitle66("PoolRoom Stats for Week " + weekLabel_));
    title(kBestAndWorse);
    plain("");
    plain("");
    plain(StatHeading());
    plain("");
    for (const auto& s : victory_) plain(s);
    plain("");
    title(kHottestTitle);
    title("                    Between Week " + startLabel_ + " And Week " + endLabel_);
    plain("");
    plain(kHottestColumns);
    plain("");
    plain(FirstOf(HottestLines()));
    plain("");
    title("         THE BEST MONDAY NIGHT PLAYER AFTER " + N(week_) + " WEEKS");
    plain("");
    plain(kMondayColumns);
    plain(FirstOf(MondayLines()));
    plain("");
    plain("");
    title(kTiebreakTitle);
    plain("");
    plain(FirstOf(TiebreakLines()));
    page.ConfirmTitle = "The PoolRoom";
    page.ConfirmText = WebConfirmation("A Web Page named poolroom.htm has been created.");
    return page;
}

ClipboardOutput PoolRoom::Clipboard() const {
    std::vector<std::string> l;
    l.push_back(CenterTitle66("PoolRoom Stats for Week " + weekLabel_));
    l.emplace_back(kBestAndWorse);
    l.emplace_back("");
    l.push_back(StatHeading());
    l.insert(l.end(), victory_.begin(), victory_.end());
    l.emplace_back("");
    l.emplace_back(kHottestTitle);
    l.push_back("                    Between Week " + startLabel_ + " And Week " + endLabel_);
    l.emplace_back("");
    l.emplace_back(kMondayColumns);
    l.push_back(FirstOf(HottestLines()));
    l.emplace_back("");
    l.push_back("         THE BEST MONDAY NIGHT PLAYER AFTER " + N(week_) + " WEEKS");
    l.emplace_back("");
    l.emplace_back(kMondayColumns);
    l.push_back(FirstOf(MondayLines()));
    l.emplace_back("");
    l.emplace_back(kTiebreakTitle);
    l.emplace_back("");
    l.push_back(FirstOf(TiebreakLines()));
    std::string text;
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += l[i];
    }
    return {std::move(text), OutputMessage::Confirm("The PoolRoom", "The PoolRoom Stats for Week " + N(week_) +
                                                                        " is on the Clipboard")};
}

void PoolRoom::PrintCopy(PageSurface& s, int) const {
    const PageFont bold{"Courier New", 12, true, false, false, 700};
    const PageFont regular{"Courier New", 12, false, false, false, 400};
    s.CurrentX = 0;
    s.CurrentY = 0;
    s.Font = PageFont{"Arial", 16, true, false, true, 700};
    s.PrintLine("PoolRoom Stats For Week " + weekLabel_);
    s.PrintLine();
    s.Font = bold;
    s.PrintLine(kBestAndWorse);
    s.PrintLine();
    s.Font = regular;
    const std::string heading = StatHeading();
    s.PrintLine(heading);
    for (std::size_t i = 0; i < victory_.size(); ++i) {
        if (i > 0 && i % kVictoryLinesPerPage == 0) {
            s.NewPage();
            s.PrintLine();
            s.PrintLine(heading);
        }
        s.PrintLine(victory_[i]);
    }
    const double bottom = PageBottom(s);
    const auto section = [&] {
        if (s.CurrentY <= bottom) return;
        s.NewPage();
        s.PrintLine();
    };
    const auto titled = [&](const std::string& text) {
        s.Font = bold;
        s.PrintLine(text);
        s.Font = regular;
    };

    section();
    s.PrintLine();
    titled(kHottestTitle);
    titled("                    Between Week " + startLabel_ + " And Week " + endLabel_);
    s.PrintLine();
    s.PrintLine(kMondayColumns);
    s.PrintLine(FirstOf(HottestLines()));

    section();
    s.PrintLine();
    titled("         THE BEST MONDAY NIGHT PLAYER AFTER " + N(week_) + " WEEKS");
    s.PrintLine();
    s.PrintLine(kMondayColumns);
    s.PrintLine(FirstOf(MondayLines()));

    section();
    s.PrintLine();
    s.PrintLine();
    titled(kTiebreakTitle);
    s.PrintLine();
    s.PrintLine(FirstOf(TiebreakLines()));
}

}  // namespace gm
