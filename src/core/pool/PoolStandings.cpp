#include "PoolStandings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/output/PrintJob.h"
#include "core/pool/PoolText.h"

namespace gm {

namespace {

constexpr int kFirstWeek = 1;

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

// A line written into a fixed buffer and handed to its string in one copy:
// the largest pool writes 32,767 lines of a dozen columns each. Every line
// fits with room to spare (at most a name of 18 four-byte characters and
// twelve numbers of 20 digits).
class LineBuffer {
public:
    // Right-aligned in `width` characters, as AppendNumber and AppendFixed1.
    void Number(std::size_t width, long long value) {
        char digits[24];
        Right(width, digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    void Fixed1(std::size_t width, double value) {
        char digits[32];
        Right(width, digits, WriteFixed1(digits, value));
    }
    void Ascii(std::size_t width, std::string_view text) { Right(width, text.data(), text.data() + text.size()); }
    void Char(char c) { *at_++ = c; }
    // The 18-character name field, as AppendName writes it.
    void Name(std::string_view stored) {
        std::string fitted;
        const bool plain = stored.size() == static_cast<std::size_t>(kNameLength) &&
                           std::all_of(stored.begin(), stored.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (!plain) fitted = FitName(stored);
        const std::string_view name = plain ? stored : std::string_view(fitted);
        std::memcpy(at_, name.data(), name.size());
        at_ += name.size();
    }
    void CopyTo(std::string& line) const { line.assign(buffer_, static_cast<std::size_t>(at_ - buffer_)); }

private:
    void Right(std::size_t width, const char* begin, const char* end) {
        const auto len = static_cast<std::size_t>(end - begin);
        if (len < width) {
            std::memset(at_, ' ', width - len);
            at_ += width - len;
        }
        std::memcpy(at_, begin, len);
        at_ += len;
    }

    char buffer_[512];
    char* at_ = buffer_;
};

// The end week's W, L, T, points or percentage and tiebreak columns.
void WeekColumns(LineBuffer& b, const StandingsRow& r, std::size_t winsWidth, bool points, bool monday, int week) {
    b.Number(winsWidth, r.WeekWins);
    b.Number(3, r.WeekLosses);
    b.Number(3, r.WeekTies);
    b.Fixed1(8, points ? r.WeekPoints : r.WeekPct);
    if (monday)
        b.Number(4, r.TiebreakDiff[static_cast<std::size_t>(week)]);
    else
        b.Ascii(5, "N/A");
}

}  // namespace

PoolStandings::PoolStandings(AppState& state) : PoolStandings(state, nullptr) {}

PoolStandings::PoolStandings(AppState& state, std::shared_ptr<const GradedPool> graded)
    : state_(state), graded_(std::move(graded)) {
    end_ = std::clamp(state_.CurrentWeek, kFirstWeek, state_.League().Weeks);
    start_ = 1;
    endLabel_ = N(end_);
    startLabel_ = N(start_);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    state_.StandingsSort = std::string(ToString(ParsePoolSort(state_.PoolSort)));
    view_ = View::OneWeek;
    Recompute(TiebreakForm::A);
}

void PoolStandings::Compute(TiebreakForm form) {
    stale_.reset();
    ComputeRows(form);
}

void PoolStandings::Recompute(TiebreakForm form) { stale_ = form; }

void PoolStandings::Refresh() const {
    if (!stale_) return;
    const TiebreakForm form = *stale_;
    stale_.reset();
    ComputeRows(form);
    OrderForView();
}

void PoolStandings::ComputeRows(TiebreakForm form) const {
    rows_ = NewRows(graded_ ? graded_->Count() : state_.MemberCount);
    const GradingRules rules = GradingRules::From(state_);
    const std::span<const MemberRecord> members(state_.Members.data(),
                                                 graded_ ? 0 : static_cast<std::size_t>(state_.MemberCount));
    const PlayedCounts played =
        graded_ ? graded_->Tally(rows_, start_ - 1, end_ - 1, end_ - 1)
                : TallyRangeAndWeek(rows_, state_.Games, members, rules, start_ - 1, end_ - 1, end_ - 1);
    playedRange_ = played.Range;
    playedWeek_ = played.Week;
    ComputePercentages(rows_);
    SeasonOrder(rows_, OrderOptions::From(state_, SortKind(state_.StandingsSort)), end_ - 1, form);
}

void PoolStandings::OrderForView() const {
    if (byName_)
        SortRows(rows_, SortKey::MemberIndex);
    else if (view_ == View::Season)
        SortRows(rows_, SortKey::SeasonRank);
    else
        WeekOrder(rows_, OrderOptions::From(state_, SortKind(state_.StandingsSort)), end_ - 1);
}

bool PoolStandings::SpinEnd(int step) {
    const int week = end_ + step;
    if (week < kFirstWeek || week > state_.League().Weeks) return false;
    end_ = week;
    endLabel_ = gm::WeekLabel(week, true);
    state_.CurrentWeek = week;
    Recompute(TiebreakForm::B);
    return true;
}

bool PoolStandings::SpinStart(int step) {
    const int week = start_ + step;
    if (week < kFirstWeek || week > state_.League().Weeks) return false;
    start_ = week;
    startLabel_ = gm::WeekLabel(week, true);
    Recompute(TiebreakForm::B);
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
    Recompute(TiebreakForm::B);
}

void PoolStandings::SetView(View view) {
    Refresh();  // the rows as ordered for the view shown until now
    view_ = view;
    OrderForView();
}

void PoolStandings::SetShowAll(bool showAll) { showAll_ = showAll; }

void PoolStandings::AfterStatPak(int weekBefore) {
    if (state_.CurrentWeek == weekBefore) return;
    end_ = std::clamp(state_.CurrentWeek, kFirstWeek, state_.League().Weeks);
    endLabel_ = N(end_);
    Recompute(UsesPointSpreads(state_.PointSpreads) ? TiebreakForm::A : TiebreakForm::B);
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

std::string_view PoolStandings::MemberName(int member) const {
    if (graded_) return graded_->Name(member);
    return state_.Members[static_cast<std::size_t>(member)].Name;
}

void PoolStandings::LineInto(std::string& line, const StandingsRow& r) const {
    if (view_ == View::Season)
        SeasonLine(line, r);
    else
        WeekLine(line, r);
}

void PoolStandings::SeasonLine(std::string& line, const StandingsRow& r) const {
    const bool points = state_.StandingsSort == "Confidence";
    LineBuffer b;
    b.Number(3, r.SeasonRank);
    b.Char(' ');
    b.Name(MemberName(r.MemberIndex));
    b.Char(' ');
    b.Number(5, r.RangeWins);
    b.Number(5, r.RangeLosses);
    b.Number(4, r.RangeTies);
    b.Fixed1(9, points ? r.RangePoints : r.RangePct);
    WeekColumns(b, r, 5, points, UsesSecondaryMonday(state_.SecondaryTB), end_ - 1);
    b.CopyTo(line);
}

void PoolStandings::WeekLine(std::string& line, const StandingsRow& r) const {
    const bool points = state_.StandingsSort == "Confidence";
    const bool monday = UsesSecondaryMonday(state_.SecondaryTB);
    LineBuffer b;
    b.Name(MemberName(r.MemberIndex));
    b.Char(' ');
    WeekColumns(b, r, 3, points, monday, end_ - 1);
    b.Number(monday ? 6 : 5, r.RangeWins);
    b.Number(5, r.RangeLosses);
    b.Number(4, r.RangeTies);
    b.Fixed1(points ? 9 : 8, points ? r.RangePoints : r.RangePct);
    b.Number(points ? 5 : 6, r.SeasonRank);
    b.CopyTo(line);
}

std::vector<std::string> PoolStandings::Lines() const {
    Refresh();
    std::vector<std::string> lines;
    lines.reserve(rows_.size());
    for (const StandingsRow& r : rows_) {
        if (!Listed(r)) continue;
        std::string& line = lines.emplace_back();
        line.reserve(kLineReserve);
        LineInto(line, r);
    }
    return lines;
}

std::vector<int> PoolStandings::ListedMembers() const {
    Refresh();
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
    return N(view_ == View::Season ? PlayedRangeCount() : PlayedWeekCount());
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
    Refresh();
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
    Refresh();
    std::string line;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        // Rows in ranked order reach the member table at random: fetch the
        // records a few lines ahead, then their names.
        if (graded_) {
            if (i + 8 < rows_.size()) Prefetch(MemberName(rows_[i + 8].MemberIndex).data());
        } else {
            if (i + 16 < rows_.size()) Prefetch(&state_.Members[static_cast<std::size_t>(rows_[i + 16].MemberIndex)]);
            if (i + 8 < rows_.size())
                Prefetch(state_.Members[static_cast<std::size_t>(rows_[i + 8].MemberIndex)].Name.data());
        }
        const StandingsRow& r = rows_[i];
        if (!Listed(r)) continue;
        LineInto(line, r);
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
