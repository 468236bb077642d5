#include "PoolStatPak.h"

#include <algorithm>
#include <cmath>

#include "core/pool/PoolText.h"

namespace gm {
namespace pooltext {}
using namespace pooltext;

namespace {

// "####0.0": at least one digit before the point, like "#0.0".
void AppendPoints(std::string& line, std::size_t width, std::int64_t halfPoints) {
    AppendPad(line, width, Format1(static_cast<double>(halfPoints) / 2.0));
}

}  // namespace

float PoolPct(std::int64_t wins, std::int64_t losses, std::int64_t ties) {
    // Every count fits: at most 32,767 members x 21 weeks x 15 games.
    return WinningPct(static_cast<int>(wins), static_cast<int>(losses), static_cast<int>(ties));
}

PoolStatPak::PoolStatPak(AppState& state) : state_(state) {
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    scratch_ = NewRows(std::max(state_.MemberCount, 0));
    shown_.Open(state_.CurrentWeek, [this](int week) { AddWeek(week); }, state_.League().Weeks);
}

void PoolStatPak::AddWeek(int week) {
    const int index = week - 1;
    const std::span<const MemberRecord> members(state_.Members.data(), scratch_.size());
    for (StandingsRow& r : scratch_) r.TiebreakDiff[static_cast<std::size_t>(index)] = 0;
    TallyWeek(scratch_, state_.Games, members, GradingRules::From(state_), index);

    PoolStatWeek f;
    for (const StandingsRow& r : scratch_) {
        f.Wins += r.WeekWins;
        f.Losses += r.WeekLosses;
        f.Ties += r.WeekTies;
        f.HalfPoints += std::lround(r.WeekPoints * 2.0f);
        if (r.PlayedWeek) {
            ++f.Players;
            f.DiffSum += r.TiebreakDiff[static_cast<std::size_t>(index)];
        }
    }
    totals_.Wins += f.Wins;
    totals_.Losses += f.Losses;
    totals_.Ties += f.Ties;
    totals_.HalfPoints += f.HalfPoints;
    f.SeasonWins = totals_.Wins;
    f.SeasonLosses = totals_.Losses;
    f.SeasonTies = totals_.Ties;
    f.SeasonHalfPoints = totals_.HalfPoints;
    f.Pct = PoolPct(f.Wins, f.Losses, f.Ties);
    f.SeasonPct = PoolPct(f.SeasonWins, f.SeasonLosses, f.SeasonTies);
    weeks_.push_back(f);
}

void PoolStatPak::RemoveWeek() {
    if (weeks_.empty()) return;
    const PoolStatWeek& f = weeks_.back();
    totals_.Wins -= f.Wins;
    totals_.Losses -= f.Losses;
    totals_.Ties -= f.Ties;
    totals_.HalfPoints -= f.HalfPoints;
    weeks_.pop_back();
}

bool PoolStatPak::Spin(int step) {
    return shown_.Spin(step, state_.CurrentWeek, [this](int week) { AddWeek(week); }, [this] { RemoveWeek(); });
}

std::string PoolStatPak::PoolWeekText() const { return "Week " + N(Week()); }

bool PoolStatPak::ConfidenceMode() const { return ParsePoolSort(state_.PoolSort) == PoolSortKind::Confidence; }

std::string PoolStatPak::Heading() const {
    return ConfidenceMode() ? "Week  Won   Lost Tied   CPts.      TW     TL   TT    TPts.  Played"
                            : "Week  Won   Lost Tied    Pct.      TW     TL   TT    Pct.   Played";
}

const PoolStatWeek& PoolStatPak::WeekFigures(int week) const { return weeks_.at(static_cast<std::size_t>(week - 1)); }

std::string PoolStatPak::Line(int week) const {
    const PoolStatWeek& f = WeekFigures(week);
    const bool points = ConfidenceMode();
    std::string line;
    line.reserve(72);
    AppendNumber(line, 2, week);
    line += ')';
    AppendNumber(line, 6, f.Wins);
    AppendNumber(line, 6, f.Losses);
    AppendNumber(line, 4, f.Ties);
    if (points)
        AppendPoints(line, 9, f.HalfPoints);
    else
        AppendFixed1(line, 9, f.Pct);
    AppendNumber(line, 9, f.SeasonWins);
    AppendNumber(line, 7, f.SeasonLosses);
    AppendNumber(line, 4, f.SeasonTies);
    if (points)
        AppendPoints(line, 10, f.SeasonHalfPoints);
    else
        AppendFixed1(line, 8, f.SeasonPct);
    AppendNumber(line, points ? 6 : 8, f.Players);
    return line;
}

std::vector<std::string> PoolStatPak::Lines() const {
    return WeekByWeekLines(Week(), [this](int w) { return Line(w); }, state_.League().RegularWeeks);
}

PoolStatAverages PoolStatPak::Averages() const {
    if (Week() < 1) return {};
    const PoolStatWeek& f = WeekFigures(Week());
    PoolStatAverages a;
    a.Wins = AverageOf(static_cast<double>(f.Wins), f.Players);
    a.Losses = AverageOf(static_cast<double>(f.Losses), f.Players);
    a.Pct = Format2(f.Pct);
    a.Tb = AverageOf(static_cast<double>(f.DiffSum), f.Players);
    a.CPts = AverageOf(static_cast<double>(f.HalfPoints) / 2.0, f.Players);
    return a;
}

StatPakPage PoolStatPak::Page(bool printed) const {
    StatPakPage page;
    page.Title = (printed ? "Pool StatPak for Week: " : "Pool Statistics for Week ") + N(Week());
    page.Heading = Heading();
    page.Lines = Lines();
    page.AveragesTitle = (printed ? "Player Averages for Week: " : "Player Averages for Week ") + N(Week());
    const PoolStatAverages a = Averages();
    page.Averages = {
        {{printed ? "Avg. Wins: " : "Avg Wins: ", a.Wins}, {"Avg Losses: ", a.Losses}},
        {{"Winning Pct: ", a.Pct}, {"Avg Tiebreaker Pts: ", a.Tb}},
    };
    if (ConfidenceMode()) page.Averages.push_back({{"Avg Confidence Points: ", a.CPts}, {}});
    return page;
}

std::string PoolStatPak::ReportTitle() const { return "The Pool StatPak"; }

ReportWriters PoolStatPak::Writers() const { return {true, true, true, true}; }

TextFileOutput PoolStatPak::TextFile() const {
    TextFileOutput out;
    out.FileName = "PoolPak.txt";
    out.Lines = StatPakTextLines(Page(false));
    out.ConfirmTitle = "The Pool StatPak";
    out.ConfirmText = "A Pool StatPak text file named " + out.FileName + "\r\n was created.";
    return out;
}

ClipboardOutput PoolStatPak::Clipboard() const {
    StatPakPage page = Page(false);
    page.Title = "Pool StatPak for Week " + N(Week());
    return {ClipboardText(StatPakClipboardLines(page)),
            OutputMessage::Confirm("The Pool StatPak", "The Pool StatPak for Week " + N(Week()) + " is on the Clipboard.")};
}

WebPageOutput PoolStatPak::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::PoolStatPak;
    page.FileName = "poolstat.htm";
    page.Lines = PlainLines(StatPakTextLines(Page(false)));
    return page;
}

void PoolStatPak::PrintCopy(PageSurface& surface, int) const { PrintStatPak(surface, Page(true)); }

}  // namespace gm
