#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/PageSurface.h"
#include "core/output/Report.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/GradedPool.h"
#include "core/pool/Grading.h"

namespace gm {

// The pool standings display: one week with the season totals beside it, or
// season totals over a range of weeks with the last week beside them. Every
// number comes from the grading engine; the writers use exactly the listed lines.
class PoolStandings : public Report {
public:
    enum class View { OneWeek, Season };

    // Opens on weeks 1 to CurrentWeek, sorted by the "PoolSort" option,
    // one-week view. Grades against the spread first when spreads are on.
    explicit PoolStandings(AppState& state);
    // The same display tallied from each member's graded weeks (made on this
    // state's rules and results) instead of the member table, which need not
    // be loaded: a large pool's standings in a fraction of its memory.
    PoolStandings(AppState& state, std::shared_ptr<const GradedPool> graded);

    // Spin controls: refused (false, nothing changes) beyond week 1 and the
    // league's last week (21 in 1997, 22 today).
    // The end week moves CurrentWeek with it. Both recompute.
    bool SpinEnd(int step);
    bool SpinStart(int step);

    // The sort box: "Wins", "Win Pct", "Con. Pts" or "Names". Recomputes.
    static const std::vector<std::string>& SortChoices();
    void ChooseSort(const std::string& choice);
    // The entry the sort box shows when the window opens.
    std::string InitialSortChoice() const;

    void SetView(View view);  // re-sorts the rows without recomputing
    void SetShowAll(bool showAll);

    // After the Player StatPak closed: when it changed CurrentWeek, follow it.
    void AfterStatPak(int weekBefore);

    // What the window shows.
    View CurrentView() const { return view_; }
    int StartWeek() const { return start_; }
    int EndWeek() const { return end_; }
    const std::string& StartLabel() const { return startLabel_; }
    const std::string& EndLabel() const { return endLabel_; }
    const std::string& StandingsSort() const { return state_.StandingsSort; }
    bool SortByName() const { return byName_; }
    bool ShowAll() const { return showAll_; }
    std::string Heading() const;  // caption of the frame above the list
    std::vector<std::string> Lines() const;
    std::vector<int> ListedMembers() const;  // member index of each line
    std::string PoolSizeText() const;
    std::string ActiveText() const;     // lblActive
    std::string ActiveNumText() const;  // lblActiveNum
    std::string LeftLabel() const;
    std::string RightLabel() const;
    // Character columns where the left and right column groups of the
    // current view's lines begin: where the two group labels belong.
    std::pair<int, int> GroupColumns() const;
    int PlayedWeekCount() const {
        Refresh();
        return playedWeek_;
    }
    int PlayedRangeCount() const {
        Refresh();
        return playedRange_;
    }
    const std::vector<StandingsRow>& Rows() const {
        Refresh();
        return rows_;
    }

    // The four lines above the column heading in every output.
    std::vector<std::string> OutputHeader() const;

    // The writers.
    std::string ReportTitle() const override;
    ReportWriters Writers() const override;
    TextFileOutput TextFile() const override;
    void ForEachTextLine(const std::function<void(std::string_view)>& line) const override;
    ClipboardOutput Clipboard() const override;
    WebPageOutput WebPage() const override;
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

    // Grades and orders again with the given tiebreaker form.
    void Compute(TiebreakForm form);

private:
    bool Listed(const StandingsRow& row) const;
    // The line of a row of the current view, written over `line` (whose
    // storage the long outputs reuse from line to line).
    void LineInto(std::string& line, const StandingsRow& row) const;
    void SeasonLine(std::string& line, const StandingsRow& row) const;
    void WeekLine(std::string& line, const StandingsRow& row) const;
    // Every change re-creates the rows from scratch, so only the last one
    // before they are read matters: changes mark them stale (with the
    // tiebreaker form to use) and the first read computes and orders them.
    // A command line spinning the end week from 1 to 17 grades once, not 17 times.
    void Recompute(TiebreakForm form);
    void Refresh() const;
    void ComputeRows(TiebreakForm form) const;
    void OrderForView() const;
    std::string_view MemberName(int member) const;

    AppState& state_;
    std::shared_ptr<const GradedPool> graded_;
    int start_ = 1;
    int end_ = 1;
    std::string startLabel_;
    std::string endLabel_;
    bool byName_ = false;
    bool showAll_ = false;
    View view_ = View::OneWeek;
    mutable std::optional<TiebreakForm> stale_;
    mutable std::vector<StandingsRow> rows_;
    mutable int playedWeek_ = 0;
    mutable int playedRange_ = 0;
};

}  // namespace gm
