#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "core/analysis/PoolAnalyst.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class HeadingFrame;

// "The Pool Analyst": every member's record in the games of a team group or
// of one team, or when taking one of its teams, up to the week shown.
class frmOddEnd : public QDialog {
    Q_OBJECT
public:
    explicit frmOddEnd(UiContext& ctx, QWidget* parent = nullptr);

    const PoolAnalyst& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void Redisplay();
    void Spin(int step);
    void UseTeam();

    UiContext& ctx_;
    std::unique_ptr<PoolAnalyst> model_;
    std::vector<QRadioButton*> opPick_;  // one per team group of the league
    std::array<QRadioButton*, 2> opWhichGames_{};
    QButtonGroup* groups_;
    QComboBox* cboTeam_;
    QLabel* lblWeek_;
    HeadingFrame* frHeading_;
    QListWidget* lstPlayer_;
};

}  // namespace gm::ui
