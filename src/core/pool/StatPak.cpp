#include "StatPak.h"

#include <algorithm>
#include <cmath>

#include "core/pool/PoolText.h"
#include "core/pool/StatPakRanking.h"

namespace gm {
namespace pooltext {}
using namespace pooltext;

namespace {

// The key members are ranked by: wins, percentage or confidence points.
std::uint32_t RankKey(PoolSortKind sort, std::int32_t wins, float pct, std::int64_t halfPoints) {
    switch (sort) {
        case PoolSortKind::Wins: return static_cast<std::uint32_t>(std::max(wins, 0));
        case PoolSortKind::WinPct: return OrderKey(pct);
        case PoolSortKind::Confidence: break;
    }
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(halfPoints, 0, 0xFFFFFFFF));
}

}  // namespace

StatPak::StatPak(AppState& state)
    : state_(state),
      sort_(ParsePoolSort(state.StatPakFromStandings ? state.StandingsSort : state.PoolSort)) {
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    const int count = std::max(state_.MemberCount, 0);
    totals_.assign(static_cast<std::size_t>(count), StatPakTotals{});
    scratch_ = NewRows(count);
    shown_.Open(state_.CurrentWeek, [this](int week) { AddWeek(week); }, state_.League().Weeks);
    if (!(state_.StatPakFromStandings && SelectMember(state_.CurrentPlayer))) SelectMember(0);
}

StatPak::~StatPak() { Close(); }

void StatPak::Close() {
    if (closed_) return;
    closed_ = true;
    state_.CurrentPlayer = 0;
    state_.StatPakFromStandings = false;
}

void StatPak::AddWeek(int week) {
    const int index = week - 1;
    const std::span<const MemberRecord> members(state_.Members.data(), totals_.size());
    for (StandingsRow& r : scratch_) r.TiebreakDiff[static_cast<std::size_t>(index)] = 0;
    TallyWeek(scratch_, state_.Games, members, GradingRules::From(state_), index);

    std::vector<StatPakWeek> figures(totals_.size());
    std::vector<std::uint32_t> weekKey(totals_.size());
    std::vector<std::uint32_t> seasonKey(totals_.size());
    for (std::size_t m = 0; m < totals_.size(); ++m) {
        const StandingsRow& r = scratch_[m];
        StatPakTotals& t = totals_[m];
        StatPakWeek& f = figures[m];
        f.Wins = r.WeekWins;
        f.Losses = r.WeekLosses;
        f.Ties = r.WeekTies;
        f.Played = r.PlayedWeek;
        f.Diff = r.PlayedWeek ? r.TiebreakDiff[static_cast<std::size_t>(index)] : 0;
        f.HalfPoints = static_cast<std::int32_t>(std::lround(r.WeekPoints * 2.0f));
        t.Wins += f.Wins;
        t.Losses += f.Losses;
        t.Ties += f.Ties;
        t.HalfPoints += f.HalfPoints;
        t.DiffTotal += f.Diff;
        t.WeeksPlayed += f.Played ? 1 : 0;
        f.SeasonWins = t.Wins;
        f.SeasonLosses = t.Losses;
        f.SeasonTies = t.Ties;
        f.SeasonHalfPoints = static_cast<std::int32_t>(t.HalfPoints);
        f.DiffTotal = t.DiffTotal;
        f.Pct = WinningPct(f.Wins, f.Losses, f.Ties);
        f.SeasonPct = WinningPct(f.SeasonWins, f.SeasonLosses, f.SeasonTies);
        weekKey[m] = RankKey(sort_, f.Wins, f.Pct, f.HalfPoints);
        seasonKey[m] = RankKey(sort_, f.SeasonWins, f.SeasonPct, f.SeasonHalfPoints);
    }
    std::vector<std::int32_t> ranks(totals_.size());
    CompetitionRanks(weekKey, ranks);
    for (std::size_t m = 0; m < ranks.size(); ++m) figures[m].WeekRank = ranks[m];
    CompetitionRanks(seasonKey, ranks);
    for (std::size_t m = 0; m < ranks.size(); ++m) figures[m].SeasonRank = ranks[m];
    weeks_.push_back(std::move(figures));
}

void StatPak::RemoveWeek() {
    if (weeks_.empty()) return;
    const std::vector<StatPakWeek>& last = weeks_.back();
    for (std::size_t m = 0; m < totals_.size(); ++m) {
        const StatPakWeek& f = last[m];
        StatPakTotals& t = totals_[m];
        t.Wins -= f.Wins;
        t.Losses -= f.Losses;
        t.Ties -= f.Ties;
        t.HalfPoints -= f.HalfPoints;
        t.DiffTotal -= f.Diff;
        t.WeeksPlayed -= f.Played ? 1 : 0;
    }
    weeks_.pop_back();
}

bool StatPak::Spin(int step) {
    return shown_.Spin(step, state_.CurrentWeek, [this](int week) { AddWeek(week); }, [this] { RemoveWeek(); });
}

std::vector<std::pair<std::string, int>> StatPak::MemberChoices() const {
    std::vector<std::pair<std::string, int>> out;
    out.reserve(totals_.size());
    for (std::size_t m = 0; m < totals_.size(); ++m)
        out.emplace_back(state_.Members[m].TrimmedName(), static_cast<int>(m));
    return out;
}

bool StatPak::SelectMember(int memberIndex) {
    if (memberIndex < 0 || memberIndex >= static_cast<int>(totals_.size())) return false;
    selected_ = memberIndex;
    return true;
}

bool StatPak::ConfidenceMode() const { return sort_ == PoolSortKind::Confidence; }

std::string StatPak::Heading() const {
    return ConfidenceMode() ? "Week  W  L  T   Pts.  T/B   TW   TL   TT   TPts.  TTB  WRank  SRank"
                            : "Week  W  L  T   Pct.  T/B   TW   TL  TT    Pct.   TTB  WRank  SRank";
}

std::string StatPak::RankedBy() const {
    switch (sort_) {
        case PoolSortKind::Confidence: return " Con. Pts ";
        case PoolSortKind::Wins: return " Wins ";
        case PoolSortKind::WinPct: break;
    }
    return " Win Pct. ";
}

const StatPakWeek& StatPak::WeekOf(int member, int week) const {
    return weeks_.at(static_cast<std::size_t>(week - 1)).at(static_cast<std::size_t>(member));
}

const StatPakTotals& StatPak::TotalsOf(int member) const { return totals_.at(static_cast<std::size_t>(member)); }

std::string StatPak::Line(int member, int week) const {
    const StatPakWeek& f = WeekOf(member, week);
    const bool points = ConfidenceMode();
    const bool monday = UsesSecondaryMonday(state_.SecondaryTB);
    std::string line;
    line.reserve(72);
    AppendNumber(line, 2, week);
    line += ')';
    AppendNumber(line, 4, f.Wins);
    AppendNumber(line, 3, f.Losses);
    AppendNumber(line, 3, f.Ties);
    AppendFixed1(line, 7, points ? f.HalfPoints / 2.0 : f.Pct);
    if (monday)
        AppendNumber(line, 4, f.Diff);
    else
        AppendPad(line, 5, "N/A");
    AppendNumber(line, monday ? 6 : 5, f.SeasonWins);
    AppendNumber(line, 5, f.SeasonLosses);
    AppendNumber(line, 4, f.SeasonTies);
    if (points)
        AppendFixed1(line, 9, f.SeasonHalfPoints / 2.0);
    else
        AppendFixed1(line, 8, f.SeasonPct);
    AppendPad(line, points ? 5 : 6, monday ? N(f.DiffTotal) : "N/A");
    AppendNumber(line, 5, f.WeekRank);
    AppendNumber(line, 7, f.SeasonRank);
    return line;
}

std::vector<std::string> StatPak::LinesFor(int member) const {
    if (member < 0 || member >= static_cast<int>(totals_.size())) return {};
    return WeekByWeekLines(Week(), [&](int w) { return Line(member, w); }, state_.League().RegularWeeks);
}

StatPakAverages StatPak::AveragesFor(int member) const {
    if (member < 0 || member >= static_cast<int>(totals_.size())) return {};
    const StatPakTotals& t = totals_[static_cast<std::size_t>(member)];
    long long weekRanks = 0;
    long long seasonRanks = 0;
    for (int w = 1; w <= Week(); ++w) {
        weekRanks += WeekOf(member, w).WeekRank;
        seasonRanks += WeekOf(member, w).SeasonRank;
    }
    StatPakAverages a;
    a.Wins = AverageOf(t.Wins, t.WeeksPlayed);
    a.Losses = AverageOf(t.Losses, t.WeeksPlayed);
    a.Pct = Format2(Week() > 0 ? WeekOf(member, Week()).SeasonPct : 0.0f);
    a.Tb = UsesSecondaryMonday(state_.SecondaryTB) ? AverageOf(t.DiffTotal, t.WeeksPlayed) : " N/A";
    a.WRank = AverageOf(static_cast<double>(weekRanks), Week());
    a.SRank = AverageOf(static_cast<double>(seasonRanks), Week());
    a.CPts = AverageOf(static_cast<double>(t.HalfPoints) / 2.0, t.WeeksPlayed);
    return a;
}

std::string StatPak::MemberName(int member) const {
    if (member < 0 || member >= static_cast<int>(totals_.size())) return {};
    return state_.Members[static_cast<std::size_t>(member)].TrimmedName();
}

StatPakPage StatPak::Page(int member, bool printed) const {
    const std::string name = MemberName(member);
    StatPakPage page;
    page.Title = printed ? name + "'s Season Statistics" : "Season Statistics for " + name;
    page.Heading = Heading();
    page.Lines = LinesFor(member);
    const StatPakAverages a = AveragesFor(member);
    page.Averages = {
        {{printed ? "Avg. Wins: " : "Avg Wins: ", a.Wins}, {"Avg Losses: ", a.Losses}},
        {{"Winning Pct: ", a.Pct}, {"Avg Tiebreaker Pts: ", a.Tb}},
        {{printed ? "Avg. Weekly Rank: " : "Avg Weekly Rank: ", a.WRank}, {"Avg Season Rank: ", a.SRank}},
    };
    if (ConfidenceMode()) page.Averages.push_back({{"Avg Confidence Points: ", a.CPts}, {}});
    return page;
}

std::string StatPak::ReportTitle() const { return "The Player StatPak"; }

ReportWriters StatPak::Writers() const { return {true, true, true, true}; }

TextFileOutput StatPak::TextFile() const {
    const std::string name = MemberName(selected_);
    TextFileOutput out;
    out.FileName = "StatPak.txt";
    out.Lines = StatPakTextLines(Page(selected_, false));
    out.ConfirmTitle = name;
    out.ConfirmText = "A StatPak text file named " + out.FileName + "\r\n was created for " + name;
    return out;
}

ClipboardOutput StatPak::Clipboard() const {
    const std::string name = MemberName(selected_);
    return {ClipboardText(StatPakClipboardLines(Page(selected_, false))),
            OutputMessage::Confirm(name, name + "'s Season Stats are on the Clipboard")};
}

WebPageOutput StatPak::WebPage() const {
    const std::string name = MemberName(selected_);
    WebPageOutput page;
    page.Page = WebPageId::PlayerStatPak;
    page.FileName = "statpak.htm";
    page.Lines = PlainLines(StatPakTextLines(Page(selected_, false)));
    page.ConfirmTitle = name;
    page.ConfirmText = "A StatPak Web Page named " + page.FileName + "\r\n was created for " + name;
    return page;
}

Status StatPak::Print(PageSurface& surface, PrintCopies copies) const {
    return RunPrintJob(surface, copies.Count, [&](PageSurface& s, int copy) {
        PrintStatPak(s, Page(copies.OnePerPlayer ? copy : selected_, true));
    });
}

}  // namespace gm
