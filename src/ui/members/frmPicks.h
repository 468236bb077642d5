#pragma once

#include <QDialog>
#include <array>

#include "core/members/Selections.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class SpinButton;
class ConfidenceBox;

// The weekly selections window: one member's sheet of one week at a time,
// over a working copy of every member's sheets that OK saves.
class frmPicks : public QDialog {
    Q_OBJECT
public:
    explicit frmPicks(UiContext& ctx, QWidget* parent = nullptr);

    const SelectionsModel& Model() const { return model_; }
    // Tests fix the draws of the random buttons.
    void SetRandom(UnitRandom random) { random_ = std::move(random); }

public slots:
    void OnMemberChosen(int position);
    void OnSpinUp();
    void OnSpinDown();
    void OnQuickPick(gm::QuickPick pick);
    void OnConfidenceFill(gm::ConfidenceFill fill);
    // The checks made when the user leaves a confidence box he typed into.
    void OnConfidenceLeft(int row);
    void OnHelp();
    void OnOK();
    void reject() override;  // Cancel, Escape and the close box: the close check

private:
    struct Row {
        QWidget* Picture = nullptr;
        QRadioButton* Home = nullptr;
        QRadioButton* Away = nullptr;
        QRadioButton* None = nullptr;
        QButtonGroup* Group = nullptr;
        ConfidenceBox* Points = nullptr;
    };

    void LoadSheet(int member, int week);
    void ReadControls();  // controls -> sheet_
    void ShowSheet();     // sheet_ -> controls
    void ShowAvailable();
    void StoreSheet();
    void ChangeWeek(int week);
    void Spin(int step);  // beeps at either end of the season
    bool Save();
    void Close(int result);

    UiContext& ctx_;
    SelectionsModel model_;
    UnitRandom random_;
    Sheet sheet_;
    int week_ = 1;
    bool loading_ = false;

    QComboBox* combo_;
    QLabel* lblWeek_;
    SpinButton* spin_;
    std::array<Row, kSlots> rows_{};
    QLineEdit* txtMP_;
    QLabel* lblTiebreaker_;
    QGroupBox* frConfidence_;
    QLabel* lblHeader_;
    std::array<QLabel*, kConfidenceLabels> notUsed_{};
};

}  // namespace gm::ui
