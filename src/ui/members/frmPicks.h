#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "core/members/Selections.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gm::ui {

struct UiContext;
class SpinButton;
class ConfidenceBox;
class PickRow;

// The weekly selections window: one member's sheet of one week at a time,
// over a working copy of every member's sheets that OK saves.
class frmPicks : public QDialog {
    Q_OBJECT
public:
    explicit frmPicks(UiContext& ctx, QWidget* parent = nullptr);

    const SelectionsModel& Model() const { return *model_; }
    // Tests fix the draws of the random buttons.
    void SetRandom(UnitRandom random) { random_ = std::move(random); }

    // The picks site has saved `member`'s sheet of `week` into the pool. The
    // window takes the pool's sheets in again when it holds no edits of its
    // own: at once while it is in front, else at the next member or week it
    // shows. With edits, OK asks before writing over what the site saved.
    void PoolSavedElsewhere(int member, int week);

public slots:
    void OnMemberChosen(int position);
    void OnSpinUp();
    void OnSpinDown();
    void OnQuickPick(gm::QuickPick pick);
    void OnConfidenceFill(gm::ConfidenceFill fill);
    // The checks made when the user leaves a confidence box he typed into.
    // False when he chose to correct the value: the box is emptied and has the focus.
    bool OnConfidenceLeft(int row);
    void OnHelp();
    void OnOK();
    void reject() override;  // Cancel, Escape and the close box: the close check

private:
    void LoadSheet(int member, int week);
    void ReadControls();  // controls -> sheet_
    void ShowSheet();     // sheet_ -> controls
    void ShowAvailable();
    void StoreSheet();
    // OK, a week or member switch without the focus moving (a spin arrow, a
    // key): the box being typed in is checked as if it were left first.
    // False when the user chose to correct it.
    bool CheckBoxBeingLeft();
    void ChangeWeek(int week);
    void Spin(int step);  // beeps at either end of the season
    bool Save();
    void Close(int result);
    // Takes in the site's saves when there are no edits: true when it did.
    bool TakeInSiteSaves();

    UiContext& ctx_;
    std::unique_ptr<SelectionsModel> model_;
    std::vector<std::pair<int, int>> savedElsewhere_;  // member, week
    UnitRandom random_;
    Sheet sheet_;
    int week_ = 1;
    bool loading_ = false;
    // Set from the moment the user chooses to correct a box until the events
    // of that moment are done: the click on OK that left the box must not
    // then close the window.
    bool correcting_ = false;

    QComboBox* combo_;
    QLabel* lblWeek_;
    SpinButton* spin_;
    int slots_;  // rows of a week: 15 in 1997, 16 in today's league
    std::array<PickRow*, kMaxSlots> rows_{};
    QLineEdit* txtMP_;
    QLabel* lblTiebreaker_;
    QLabel* lblTiebreakGame_ = nullptr;  // today's league: which game breaks ties
    QGroupBox* frConfidence_;
    QLabel* lblHeader_;
    std::array<QLabel*, kMaxConfidenceLabels> notUsed_{};
};

}  // namespace gm::ui
