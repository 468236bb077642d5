#include "DivisionStandings.h"

#include <algorithm>

#include "core/data/WeekLabel.h"
#include "core/output/PrintJob.h"

namespace gm {

SpunWeek::SpunWeek(int week, int lastWeek)
    : lastWeek_(std::max(lastWeek, 1)), week_(std::clamp(week, 1, lastWeek_)), label_(std::to_string(week_)) {}

bool SpunWeek::Step(int step) {
    const int week = week_ + step;
    if (week < 1 || week > lastWeek_) return false;
    week_ = week;
    label_ = WeekLabel(week, true);
    return true;
}

bool WeekStandings::SpinWeek(int step) {
    if (!week_.Step(step)) return false;
    state_.CurrentWeek = week_.Week();
    Rebuild();
    return true;
}

std::string_view VenueWords(Venue venue) {
    switch (venue) {
        case Venue::Overall: return "Overall";
        case Venue::Home: return "At Home";
        case Venue::Road: return "On Road";
    }
    return {};
}

std::string_view ModeWords(bool spread) { return spread ? "vs. Point Spread" : "Regular Standings"; }

DivisionStandings::DivisionStandings(AppState& state, bool conferenceLayout)
    : state_(state), conferenceLayout_(conferenceLayout) {}

namespace {

// The division lists of one conference, in division order.
std::vector<int> ConferenceLists(const League& league, Conference conference) {
    const int wanted = conference == Conference::NFC ? kConferenceNFC : kConferenceAFC;
    std::vector<int> lists;
    for (int d = 0; d < league.Divisions; ++d)
        if (ConferenceOfList(d, league) == wanted) lists.push_back(d);
    return lists;
}

}  // namespace

int DivisionStandings::ListCount() const {
    const League& league = state_.League();
    if (!conferenceLayout_) return league.Divisions;
    return static_cast<int>(ConferenceLists(league, conference_).size());
}

int DivisionStandings::DivisionOfList(int list) const {
    if (list < 0) return -1;
    if (!conferenceLayout_) return list < state_.League().Divisions ? list : -1;
    const std::vector<int> lists = ConferenceLists(state_.League(), conference_);
    return list < static_cast<int>(lists.size()) ? lists[static_cast<std::size_t>(list)] : -1;
}

std::vector<std::string> DivisionStandings::ListLines(int list) const {
    std::vector<std::string> lines;
    const int division = DivisionOfList(list);
    if (division < 0 || division >= static_cast<int>(order_.size())) return lines;
    for (int team : order_[static_cast<std::size_t>(division)]) lines.push_back(LineOf(team));
    return lines;
}

std::vector<int> DivisionStandings::ListItemData(int list) const {
    std::vector<int> data;
    const int division = DivisionOfList(list);
    if (division < 0 || division >= static_cast<int>(order_.size())) return data;
    for (int team : order_[static_cast<std::size_t>(division)]) data.push_back(team - 1);
    return data;
}

std::string DivisionStandings::FrameCaption(int list) const {
    const int division = DivisionOfList(list);
    const League& league = state_.League();
    if (division < 0 || division >= league.Divisions) return {};
    if (!conferenceLayout_) return LeagueHeader(division, league);
    return league.Headings[static_cast<std::size_t>(division)];
}

unsigned DivisionStandings::FrameColor() const { return conference_ == Conference::NFC ? 0x0000FFu : 0xFF0000u; }

std::string DivisionStandings::LineOf(int team) const {
    const std::string& city = state_.Teams.City(team);
    const TeamRecord& r = RecordOf(table_, team);
    return conferenceLayout_ ? ConferenceLine(city, r, pointsShown_) : LeagueLine(city, r, pointsShown_);
}

void DivisionStandings::Recount(const std::function<void(TeamTable&)>& count, bool pointsShown, bool sortBoth) {
    table_ = NewTeamTable(state_.League());
    count(table_);
    if (sortBoth)
        SortStandings(table_);
    else
        SortByWins(table_);
    pointsShown_ = pointsShown;
    order_ = DivisionOrder(table_);
}

std::vector<DivisionStandings::BodyLine> DivisionStandings::Body() const {
    std::vector<BodyLine> body;
    const League& league = state_.League();
    body.reserve(static_cast<std::size_t>(league.Teams + 2 * league.Divisions));
    for (int d = 0; d < static_cast<int>(order_.size()); ++d) {
        if (d > 0) body.push_back({false, ""});
        body.push_back({true, conferenceLayout_ ? ConferenceHeader(d, league) : LeagueHeader(d, league)});
        for (int team : order_[static_cast<std::size_t>(d)]) body.push_back({false, LineOf(team)});
    }
    return body;
}

std::vector<std::string> DivisionStandings::TextLines(Writer writer) const {
    std::vector<std::string> lines = HeadingLines(writer);
    if (!lines.empty()) lines.front() = CenterTitle66(lines.front());
    lines.emplace_back();
    for (auto& line : Body()) lines.push_back(std::move(line.Text));
    return lines;
}

TextFileOutput DivisionStandings::TextFile() const {
    const StandingsOutputStyle style = Style();
    TextFileOutput out;
    out.FileName = style.TextFileName;
    out.ConfirmTitle = style.TextTitle;
    out.Lines = TextLines(Writer::TextFile);
    return out;
}

ClipboardOutput DivisionStandings::Clipboard() const {
    const StandingsOutputStyle style = Style();
    return {ClipboardText(TextLines(Writer::Clipboard)),
            OutputMessage::Confirm(style.ClipboardTitle, style.ClipboardText)};
}

WebPageOutput DivisionStandings::WebPage() const {
    WebPageOutput page;
    page.Page = Style().Page;
    for (auto& line : HeadingLines(Writer::WebPage)) page.Lines.push_back(WebLine::Plain(std::move(line)));
    page.Lines.push_back(WebLine::Plain(""));
    for (auto& line : Body())
        page.Lines.push_back(line.Header ? WebLine::Head(std::move(line.Text)) : WebLine::Plain(std::move(line.Text)));
    return page;
}

void DivisionStandings::PrintCopy(PageSurface& s, int) const {
    const StandingsOutputStyle style = Style();
    const std::vector<std::string> heading = HeadingLines(Writer::Printer);
    for (std::size_t i = 0; i < heading.size(); ++i) {
        s.Font = style.TitleFont;
        if (static_cast<int>(i) >= style.PrintTitleLines) {
            s.Font.Bold = false;
            s.Font.Underline = false;
            s.Font.Weight = 400;
        }
        PrintCentered(s, heading[i]);
    }
    PageFont header = style.BodyFont;
    header.Weight = 700;
    header.Underline = true;
    s.Font = style.BodyFont;
    s.PrintLine();

    const double bottom = PageBottom(s);
    std::string division;  // header of the division being printed, repeated on a new sheet
    for (const BodyLine& line : Body()) {
        const bool teamLine = !line.Header && !line.Text.empty();
        BreakPageIfNeeded(s, bottom, style.BodyFont, [&](PageSurface& page) {
            if (!teamLine) return;
            page.Font = header;
            page.CurrentX = style.BodyX;
            page.PrintLine(division);
        });
        if (line.Header) division = line.Text;
        s.Font = line.Header ? header : style.BodyFont;
        s.CurrentX = line.Text.empty() ? 0 : style.BodyX;
        s.PrintLine(line.Text);
    }
}

}  // namespace gm
