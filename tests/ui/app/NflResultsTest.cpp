// The weekly results and the team results through the main window: the NFL
// menu opens them, the week spun there becomes the program's week, and a
// double-click in the league standings opens that team's season.

#include <QListWidget>

#include "Walkthrough.h"
#include "core/data/SeasonFile.h"
#include "core/nfl/fixtures/NflFixture.h"
#include "support/SendOutputTo.h"
#include "ui/shell/SpinButton.h"

namespace gm::ui {
namespace {

using test::Child;
using test::Click;
using test::Program;

// The fixture season, opened at `week`.
std::function<void(const gm::test::TempDir&)> NflSeasonAt(int week) {
    return [week](const gm::test::TempDir& dir) {
        gm::test::WriteFile(dir / "1997.NFL", EncodeSeason(gm::test::NflFixtureSeason()));
        gm::test::WriteFile(dir / "Vask97.ini", "[Gridmoot]\r\nCurrentWeek=" + std::to_string(week) + "\r\n");
    };
}

TEST(Walkthrough, WeeklyResultsFromTheMenuFollowTheWeekAndWriteTheirPage) {
    Program p(NflSeasonAt(2));
    p.Menu("NFLITEM0", "frmNFLResults", [](QDialog& w) {
        EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), "2");
        emit Child<SpinButton>(w, "SpinButton1")->SpinDown();
        gm::test::ChooseOutput("OpWeb");
        Click(w, "cmdPrint");
        Click(w, "cmdOK");
    });
    EXPECT_EQ(p.state->CurrentWeek, 1);
    const std::string page = p.File("Webpages/nfl.htm");
    EXPECT_NE(page.find("NFL  Results  Week 1"), std::string::npos) << page;
    EXPECT_NE(page.find("DALLAS 24  20  NY Giants +4"), std::string::npos) << page;
    ASSERT_EQ(p.prompts.Asked().size(), 1u);
    EXPECT_EQ(p.prompts.Asked()[0].Title, "NFL Results Web Page");

    // The next window opens on the week spun to.
    p.Menu("NFLITEM0", "frmNFLResults", [](QDialog& w) {
        EXPECT_EQ(Child<QLabel>(w, "lblWeek")->text(), "1");
        Click(w, "cmdOK");
    });
}

TEST(Walkthrough, DoubleClickInTheLeagueStandingsOpensThatTeamsResults) {
    Program p(NflSeasonAt(4));
    QString chosen, opened;
    p.Menu("NFLITEM3", "frmLeague", [&](QDialog& w) {
        auto* list = Child<QListWidget>(w, "lstTeam5");  // AFC Western
        ASSERT_GT(list->count(), 0);
        chosen = list->item(0)->text().left(15).trimmed();
        Program::OnModal("frmTResults", [&](QDialog& team) {
            opened = Child<QComboBox>(team, "Combo1")->currentText();
            EXPECT_EQ(Child<QListWidget>(team, "lstTResults")->count(), 22);
            Click(team, "cmdOK");
        });
        emit list->itemDoubleClicked(list->item(0));
        Click(w, "cmdClose");
    });
    EXPECT_EQ(chosen, "Denver");
    EXPECT_EQ(opened, chosen);
    EXPECT_EQ(p.state->ResultsTeam, 0);

    // From the menu the window opens on the first team again.
    p.Menu("NFLITEM1", "frmTResults", [](QDialog& w) {
        EXPECT_EQ(Child<QComboBox>(w, "Combo1")->currentText(), "Arizona");
        Click(w, "cmdOK");
    });
}

}  // namespace
}  // namespace gm::ui
