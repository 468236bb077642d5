#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "core/analysis/PlayerAnalyst.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace gm::ui {

struct UiContext;

// The Player Analyst: one member's handicapping record over a range of
// weeks by team, division, conference, home and road, favourite and underdog.
class frmPAnalyze : public QDialog {
    Q_OBJECT
public:
    explicit frmPAnalyze(UiContext& ctx, QWidget* parent = nullptr);

    const PlayerAnalyst& Model() const { return *model_; }

public slots:
    // "Send Output To" with Text File, Printer and Clipboard, then the writers.
    void OnPrint();

private:
    void Spin(bool end, int step);
    void Redisplay();

    UiContext& ctx_;
    std::unique_ptr<PlayerAnalyst> model_;
    QComboBox* CboPlayer_;
    QLabel* lblStart_;
    QLabel* lblEnd_;
    QListWidget* cboTeamOA_;
    QListWidget* cboDivOA_;
    QListWidget* cboTeamON_;
    QListWidget* cboDivON_;
    QLabel* lblWonLoss_;
    std::array<QLabel*, kPlayerCategories> results_{};
};

}  // namespace gm::ui
