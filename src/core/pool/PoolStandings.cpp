#include "PoolStandings.h"

#include <algorithm>

#include "core/output/PrintJob.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

constexpr int kFirstWeek = 1;
constexpr int kLastWeek = kWeeks;

// Both views' lines are 69 or 70 characters with plain names: room for
// that and no more, since the largest pool holds 32,767 of them at once.
constexpr std::size_t kLineReserve = 71;

inline void Prefetch(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

PoolSortKind SortKind(const std::string& sort) { return ParsePoolSort(sort); }

}  // namespace

PoolStandings::PoolStandings(AppState& state) : state_(state) {
    end_ = std::clamp(state_.CurrentWeek, kFirstWeek, kLastWeek);
    start_ = 1;
    endLabel_ = N(end_);
    startLabel_ = N(start_);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games);
    state_.StandingsSort = std::string(ToString(ParsePoolSort(state_.PoolSort)));
    Compute(TiebreakForm::A);
    view_ = View::OneWeek;
    OrderForView();
}

void PoolStandings::Compute(TiebreakForm form) {
    rows_ = NewRows(state_.MemberCount);
    const GradingRules rules = GradingRules::From(state_);
    const std::span<const MemberRecord> members(state_.Members.data(),
                                                 static_cast<std::size_t>(state_.MemberCount));
    playedRange_ = TallyRange(rows_, state_.Games, members, rules, start_ - 1, end_ - 1);
    playedWeek_ = TallyWeek(rows_, state_.Games, members, rules, end_ - 1);
    ComputePercentages(rows_);
    SeasonOrder(rows_, OrderOptions::From(state_, SortKind(state_.StandingsSort)), end_ - 1, form);
}

void PoolStandings::OrderForView() {
    if (byName_)
        SortRows(rows_, SortKey::MemberIndex);
    else if (view_ == View::Season)
        SortRows(rows_, SortKey::SeasonRank);
    else
        WeekOrder(rows_, OrderOptions::From(state_, SortKind(state_.StandingsSort)), end_ - 1);
}

bool PoolStandings::SpinEnd(int step) {
    const int week = end_ + step;
    if (week < kFirstWeek || week > kLastWeek) return false;
    end_ = week;
    endLabel_ = gm::WeekLabel(week, true);
    state_.CurrentWeek = week;
    Compute(TiebreakForm::B);
    OrderForView();
    return true;
}

bool PoolStandings::SpinStart(int step) {
    const int week = start_ + step;
    if (week < kFirstWeek || week > kLastWeek) return false;
    start_ = week;
    startLabel_ = gm::WeekLabel(week, true);
    Compute(TiebreakForm::B);
    OrderForView();
    return true;
}

const std::vector<std::string>& PoolStandings::SortChoices() {
    static const std::vector<std::string> choices{"Wins", "Win Pct", "Con. Pts", "Names"};
    return choices;
}

std::string PoolStandings::InitialSortChoice() const {
    if (state_.StandingsSort == "Confidence") return "Con. Pts";
    if (state_.StandingsSort == "Wins") return "Wins";
    return "Win Pct";
}

void PoolStandings::ChooseSort(const std::string& choice) {
    if (choice == "Wins" || choice == "Win Pct" || choice == "Con. Pts") {
        state_.StandingsSort = choice == "Wins" ? "Wins" : choice == "Win Pct" ? "WinPct" : "Confidence";
        byName_ = false;
    } else if (choice == "Names") {
        byName_ = true;
    } else {
        return;
    }
    Compute(TiebreakForm::B);
    OrderForView();
}

void PoolStandings::SetView(View view) {
    view_ = view;
    OrderForView();
}

void PoolStandings::SetShowAll(bool showAll) { showAll_ = showAll; }

void PoolStandings::AfterStatPak(int weekBefore) {
    if (state_.CurrentWeek == weekBefore) return;
    end_ = std::clamp(state_.CurrentWeek, kFirstWeek, kLastWeek);
    endLabel_ = N(end_);
    Compute(UsesPointSpreads(state_.PointSpreads) ? TiebreakForm::A : TiebreakForm::B);
    OrderForView();
}

std::string PoolStandings::Heading() const {
    const bool points = state_.StandingsSort == "Confidence";
    if (view_ == View::OneWeek)
        return points ? " Vadorurizizs        W  L  T    Pts.  T/B   TW   TL   TT   TPts.  SRank"
                      : " Vadorurizizs        W  L  T    Pct.  T/B   TW   TL  TT    Pct.   SRank";
    return points ? "Pos  Vadorurizizs         TW   TL   TT   TPts.    W  L  T    Pts.  T/B"
                  : "Pos  Vadorurizizs         TW   TL  TT     Pct.    W  L  T    Pct.  T/B";
}

bool PoolStandings::Listed(const StandingsRow& row) const {
    if (showAll_) return true;
    return view_ == View::Season ? row.PlayedRange : row.PlayedWeek;
}

void PoolStandings::AppendWeekColumns(std::string& line, const StandingsRow& r, std::size_t winsWidth) const {
    AppendNumber(line, winsWidth, r.WeekWins);
    AppendNumber(line, 3, r.WeekLosses);
    AppendNumber(line, 3, r.WeekTies);
    AppendFixed1(line, 8, state_.StandingsSort == "Confidence" ? r.WeekPoints : r.WeekPct);
    if (UsesSecondaryMonday(state_.SecondaryTB))
        AppendNumber(line, 4, r.TiebreakDiff[static_cast<std::size_t>(end_ - 1)]);
    else
        AppendPad(line, 5, "N/A");
}

std::string PoolStandings::SeasonLine(const StandingsRow& r) const {
    const bool points = state_.StandingsSort == "Confidence";
    std::string line;
    line.reserve(kLineReserve);
    AppendNumber(line, 3, r.SeasonRank);
    line += ' ';
    AppendName(line, state_.Members[static_cast<std::size_t>(r.MemberIndex)]);
    line += ' ';
    AppendNumber(line, 5, r.RangeWins);
    AppendNumber(line, 5, r.RangeLosses);
    AppendNumber(line, 4, r.RangeTies);
    AppendFixed1(line, 9, points ? r.RangePoints : r.RangePct);
    AppendWeekColumns(line, r, 5);
    return line;
}

std::string PoolStandings::WeekLine(const StandingsRow& r) const {
    const bool points = state_.StandingsSort == "Confidence";
    const bool monday = UsesSecondaryMonday(state_.SecondaryTB);
    std::string line;
    line.reserve(kLineReserve);
    AppendName(line, state_.Members[static_cast<std::size_t>(r.MemberIndex)]);
    line += ' ';
    AppendWeekColumns(line, r, 3);
    AppendNumber(line, monday ? 6 : 5, r.RangeWins);
    AppendNumber(line, 5, r.RangeLosses);
    AppendNumber(line, 4, r.RangeTies);
    AppendFixed1(line, points ? 9 : 8, points ? r.RangePoints : r.RangePct);
    AppendNumber(line, points ? 5 : 6, r.SeasonRank);
    return line;
}

std::vector<std::string> PoolStandings::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const StandingsRow& r : rows_)
        if (Listed(r)) lines.push_back(view_ == View::Season ? SeasonLine(r) : WeekLine(r));
    return lines;
}

std::vector<int> PoolStandings::ListedMembers() const {
    std::vector<int> members;
    for (const StandingsRow& r : rows_)
        if (Listed(r)) members.push_back(r.MemberIndex);
    return members;
}

std::string PoolStandings::PoolSizeText() const { return N(state_.MemberCount); }

std::string PoolStandings::ActiveText() const {
    if (view_ == View::Season) return "Played Weeks " + N(start_) + "-" + N(end_);
    return "Played Week " + N(end_);
}

std::string PoolStandings::ActiveNumText() const {
    return N(view_ == View::Season ? playedRange_ : playedWeek_);
}

std::string PoolStandings::LeftLabel() const {
    if (view_ == View::Season) return " Weeks " + N(start_) + " - " + N(end_) + " ";
    return " Week " + N(end_) + " ";
}

std::string PoolStandings::RightLabel() const {
    if (view_ == View::Season) return " Week " + N(end_) + " ";
    return " Weeks " + N(start_) + " - " + N(end_) + " ";
}

std::pair<int, int> PoolStandings::GroupColumns() const {
    constexpr int kName = 19;
    if (view_ == View::Season) return {3 + 1 + kName, 3 + 1 + kName + 5 + 5 + 4 + 9};
    return {kName, kName + 3 + 3 + 3 + 8 + (UsesSecondaryMonday(state_.SecondaryTB) ? 4 : 5)};
}

std::vector<std::string> PoolStandings::OutputHeader() const {
    std::string title;
    if (view_ == View::Season)
        title = "Season Standings   Week " + N(start_) + " To Week " + N(end_);
    else if (start_ == 1)
        title = "Player Standings:   Week " + N(end_);
    else
        title = "Player Standings:   Week " + N(start_) + " To " + N(end_);

    std::string tiebreak;
    switch (ParseTBMethod(state_.TBMethod)) {
        case TBMethodKind::MonGame:
            tiebreak = std::string("Mon. Tiebreaker: ") +
                       (state_.MondayPts == "WinningMargin" ? "Winning Margin" : "Total Points");
            break;
        case TBMethodKind::Wins: tiebreak = "Tiebreak Method: Wins"; break;
        case TBMethodKind::WinPct: tiebreak = "Tiebreak Method: Winning Pct."; break;
        case TBMethodKind::NotUsed: tiebreak = "Tiebreak Method: None"; break;
    }
    const std::string by = state_.StandingsSort == "Wins" ? "Total Wins" : state_.StandingsSort == "WinPct" ? "Winning Pct." : "Confidence Pts.";
    return {title, tiebreak, "Standings Determined By: " + by,
            std::string("Point Spreads: ") + (UsesPointSpreads(state_.PointSpreads) ? "In Use" : "Not Used")};
}

TextFileOutput PoolStandings::TextFile() const {
    TextFileOutput out;
    out.FileName = "PStnd" + endLabel_ + ".txt";
    out.ConfirmTitle = "Player Standings Text File";
    out.Lines.reserve(rows_.size() + 8);
    ForEachTextLine([&](std::string_view line) { out.Lines.emplace_back(line); });
    return out;
}

void PoolStandings::ForEachTextLine(const std::function<void(std::string_view)>& emit) const {
    std::vector<std::string> header = OutputHeader();
    header[0] = CenterTitle66(header[0]);
    for (const std::string& line : header) emit(line);
    emit("");
    emit(Heading());
    emit("");
    std::string line;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        // Rows in ranked order reach the member table at random: fetch the
        // records a few lines ahead, then their names.
        if (i + 16 < rows_.size()) Prefetch(&state_.Members[static_cast<std::size_t>(rows_[i + 16].MemberIndex)]);
        if (i + 8 < rows_.size())
            Prefetch(state_.Members[static_cast<std::size_t>(rows_[i + 8].MemberIndex)].Name.data());
        const StandingsRow& r = rows_[i];
        if (!Listed(r)) continue;
        line = view_ == View::Season ? SeasonLine(r) : WeekLine(r);
        emit(line);
    }
}

ClipboardOutput PoolStandings::Clipboard() const {
    std::vector<std::string> lines = OutputHeader();
    lines[0] = CenterTitle66(lines[0]);
    lines.push_back("");
    lines.push_back(Heading());
    for (auto& line : Lines()) lines.push_back(std::move(line));
    return {ClipboardText(lines),
            OutputMessage::Confirm("Player Standings", "Player Standings are now on the Clipboard")};
}

WebPageOutput PoolStandings::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::Standings;
    page.FileName = "standing.htm";
    for (auto& line : OutputHeader()) page.Lines.push_back(WebLine::Plain(std::move(line)));
    page.Lines.push_back(WebLine::Plain(""));
    page.Lines.push_back(WebLine::Head(Heading()));
    page.Lines.push_back(WebLine::Plain(""));
    for (auto& line : Lines()) page.Lines.push_back(WebLine::Plain(std::move(line)));
    page.ConfirmText = WebConfirmation("An Office Pool Standings Web Page Named " + page.FileName + " was created.");
    return page;
}

std::string PoolStandings::ReportTitle() const { return "Pool Standings"; }

ReportWriters PoolStandings::Writers() const { return {true, true, true, true}; }

void PoolStandings::PrintCopy(PageSurface& s, int) const {
    const std::vector<std::string> header = OutputHeader();
    const double width = s.ScaleWidth();

    s.Font = PageFont{"Sans Serif", 12, false, true, false, 500};
    s.CurrentX = 360;
    s.PrintText(kPrintedBanner);
    s.CurrentX = width * 0.4;
    s.PrintLine(kPrintedWebAddress);
    s.DrawWidth = 2;
    s.Line(0, s.CurrentY, width, s.CurrentY);
    s.CurrentX = 0;
    s.CurrentY += 50;

    s.Font.Size = 14;
    s.Font.Italic = false;
    for (std::size_t i = 0; i + 1 < header.size(); i += 2) {
        s.CurrentX = 360;
        s.PrintText(header[i]);
        s.CurrentX = width * 0.6;
        s.PrintLine(header[i + 1]);
    }
    s.CurrentY += 50;
    s.Line(0, s.CurrentY, width, s.CurrentY);
    s.CurrentX = 0;
    s.PrintLine();

    const PageFont body{"Courier New", 12, false, false, true, 500};
    s.Font = body;
    const std::string heading = Heading();
    s.PrintLine();
    s.PrintLine(heading);
    s.PrintLine();
    const double bottom = PageBottom(s);
    for (const std::string& line : Lines()) {
        BreakPageIfNeeded(s, bottom, body, [&](PageSurface& page) {
            page.PrintLine(heading);
            page.PrintLine();
        });
        s.PrintLine(line);
    }
}

}  // namespace gm
