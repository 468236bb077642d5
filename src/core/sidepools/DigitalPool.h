#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"
#include "core/sidepools/SideFiles.h"

namespace gm {

// One team's card of used digits: how many of its games ended in each last
// digit, and how many of the ten digits it has used.
struct DigitCard {
    int Team = 0;
    std::array<int, 10> Count{};
    int Used = 0;
};

// The cards of the league's teams (index = team number; entry 0 unused, and
// the entries past the last team in 1997) over weeks 1 to `throughWeek`. A
// game with both scores 0 is not played and counts nothing; a team number
// outside the league (1 to 30, or 1 to 32 today) is passed over.
using DigitCards = std::array<DigitCard, kMaxTeams + 1>;
DigitCards CountDigits(const SeasonGrid& games, int throughWeek, const League& league = League1997());

// For each digit "X  " while unused, else the count and two blanks; then
// "Bingo!" once all ten are used, else two blanks, the number used and two blanks.
std::string DigitLine(const DigitCard& card);

// The display: the digits each player's team has scored through the week,
// listed by team, by player or both.
class DigitalPool : public Report {
public:
    enum class Mode { Teams, Players, Both };

    // Reads "Digital.dat" (once) and counts through CurrentWeek.
    explicit DigitalPool(AppState& state);

    // Problems found while opening: an unreadable file, players whose team
    // number is not a team of the league (they are left out of the list).
    const std::vector<std::string>& LoadNotes() const { return notes_; }

    int Week() const { return week_; }
    const std::string& WeekLabelText() const { return weekLabel_; }
    // Moves the week and CurrentWeek by one; refused (false) beyond 1 and the
    // season's last week (21, or 22 today).
    bool Spin(int step);

    Mode CurrentMode() const { return mode_; }
    void SetMode(Mode mode);
    bool SortHighToLow() const { return sort_; }
    void SetSort(bool highToLow);

    static std::string HeadingLabel();
    std::vector<std::string> Lines() const;
    const DigitCards& Cards() const { return cards_; }
    const std::vector<DigitRecord>& Players() const { return players_; }

    // "Digital Pool for Week " + the week label.
    std::string OutputTitle() const;

    std::string ReportTitle() const override;
    ReportWriters Writers() const override { return {true, true, true, true}; }
    TextFileOutput TextFile() const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

private:
    void Recount();
    void Order();
    std::string TeamLine(int team) const;
    std::string PlayerLine(const DigitRecord& player) const;

    AppState& state_;
    std::vector<std::string> notes_;
    std::vector<DigitRecord> players_;  // players with a team of the league, file order
    DigitCards cards_{};
    std::vector<int> teamOrder_;    // team numbers in list order
    std::vector<int> playerOrder_;  // indexes into players_ in list order
    int week_ = 1;
    std::string weekLabel_;
    Mode mode_ = Mode::Teams;
    bool sort_ = false;
};

}  // namespace gm
