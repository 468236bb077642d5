#pragma once

#include <QDialog>
#include <memory>

#include "core/pool/StatPak.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace gm::ui {

class HeadingFrame;
struct UiContext;

// The Player StatPak: one member's season week by week, with the ranks as
// they stood each week and the member's averages.
class frmStats : public QDialog {
    Q_OBJECT
public:
    explicit frmStats(UiContext& ctx, QWidget* parent = nullptr);

    const StatPak& Model() const { return *model_; }

public slots:
    void OnPrint();
    void done(int result) override;

private:
    void ShowMember();
    void Spin(int step);

    UiContext& ctx_;
    std::unique_ptr<StatPak> model_;
    QComboBox* Combo1_;
    QLabel* lblWeek_;
    HeadingFrame* frStandings_;
    QListWidget* lstPlayer_;
    QLabel* lblRank_;
    QLabel* lblWins_;
    QLabel* lblLosses_;
    QLabel* lblPct_;
    QLabel* lblTb_;
    QLabel* lblWRank_;
    QLabel* lblSRank_;
    QLabel* lblCon_;
    QLabel* conCaption_;
};

}  // namespace gm::ui
