#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/nfl/TeamRecords.h"
#include "core/output/Report.h"

namespace gm {

// A week shown beside a spin control: 1 to the season's last week (21 in
// 1997, 22 today), and the label text, which carries a sign blank once the
// spin has rewritten it.
class SpunWeek {
public:
    explicit SpunWeek(int week, int lastWeek = kWeeks);
    // Moves one step; refused (false, nothing changes) beyond week 1 and the last week.
    bool Step(int step);
    int Week() const { return week_; }
    int LastWeek() const { return lastWeek_; }
    const std::string& Label() const { return label_; }

private:
    int lastWeek_;
    int week_;
    std::string label_;
};

enum class Conference { NFC, AFC };

// "Overall", "At Home", "On Road".
std::string_view VenueWords(Venue venue);
// "vs. Point Spread" or "Regular Standings".
std::string_view ModeWords(bool spread);

// The message of the standings windows' Hint button.
inline constexpr std::string_view kStandingsHintTitle = "Viewing Team Results";
inline constexpr std::string_view kStandingsHintText =
    "By double-clicking on a team, you will be able to view their season history.";

// How a standings display writes itself.
struct StandingsOutputStyle {
    WebPageId Page{};
    std::string TextFileName;
    std::string TextTitle;
    std::string ClipboardTitle;
    std::string ClipboardText;
    PageFont TitleFont;
    int PrintTitleLines = 1;  // heading lines printed in the title font; the rest in it without bold or underline
    PageFont BodyFont;        // team lines; the division headers in it with weight 700, underlined
    double BodyX = 0;         // left edge of the body on paper
};

// What the league, conference, favourite/underdog and who's-hot standings
// share: the team table, its division lists, the lines and the four writers.
// Each display says which games count and how it heads its output.
class DivisionStandings : public Report {
public:
    // The lists of the window: one per division of the league (six in 1997,
    // eight today), or the shown conference's divisions (three or four) for
    // the others.
    int ListCount() const;
    // Division list (0 to the league's divisions - 1) shown in list i; -1 for none.
    int DivisionOfList(int list) const;
    const League& SeasonLeague() const { return state_.League(); }
    // The conference windows' layout (one conference's divisions at a time).
    bool ConferenceLayout() const { return conferenceLayout_; }
    std::vector<std::string> ListLines(int list) const;
    // The item data of each line: team number - 1.
    std::vector<int> ListItemData(int list) const;
    // Caption of the frame above list i.
    std::string FrameCaption(int list) const;

    Conference ShownConference() const { return conference_; }
    // Frame text colour of the conference windows, as 0xRRGGBB: light blue for
    // the NFC, light red for the AFC.
    unsigned FrameColor() const;

    const TeamTable& Table() const { return table_; }
    // The display line of a team number.
    std::string LineOf(int team) const;

    // Every writer's body: each division's header (the league or conference
    // form) and its lines in standings order, an empty line between divisions.
    struct BodyLine {
        bool Header = false;
        std::string Text;
    };
    std::vector<BodyLine> Body() const;

    ReportWriters Writers() const override { return {true, true, true, true}; }
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

protected:
    enum class Writer { TextFile, Clipboard, WebPage, Printer };

    DivisionStandings(AppState& state, bool conferenceLayout);

    // The heading lines above the empty line that starts the body.
    virtual std::vector<std::string> HeadingLines(Writer writer) const = 0;
    virtual StandingsOutputStyle Style() const = 0;

    // Counts again: a fresh table, the count, the order (both passes, or
    // the wins pass alone), and the division lists.
    void Recount(const std::function<void(TeamTable&)>& count, bool pointsShown, bool sortBoth = true);
    void ShowConference(Conference conference) { conference_ = conference; }

    AppState& state_;

private:
    std::vector<std::string> TextLines(Writer writer) const;

    bool conferenceLayout_;
    bool pointsShown_ = true;
    Conference conference_ = Conference::NFC;
    TeamTable table_ = NewTeamTable();
    std::vector<std::vector<int>> order_;
};

// The standings shown to one week, for the season or its last three weeks,
// whose week spin moves CurrentWeek with it (league, conference and
// favourite/underdog). A change of any setting counts again.
class WeekStandings : public DivisionStandings {
public:
    void SetLast3(bool last3) { Change(last3_, last3); }
    // Refused (false) beyond week 1 and the season's last; moves CurrentWeek and counts again.
    bool SpinWeek(int step);

    bool Last3() const { return last3_; }
    int Week() const { return week_.Week(); }
    const std::string& WeekText() const { return week_.Label(); }
    WeekRange Range() const { return SetWeekRange(week_.Week(), last3_); }

protected:
    // Opens on CurrentWeek; the display counts once its own settings are made.
    WeekStandings(AppState& state, bool conferenceLayout)
        : DivisionStandings(state, conferenceLayout), week_(state.CurrentWeek, state.League().Weeks) {}

    virtual void Rebuild() = 0;
    template <typename T>
    void Change(T& setting, T value) {
        setting = value;
        Rebuild();
    }

    SpunWeek week_;
    bool last3_ = false;
};

}  // namespace gm
