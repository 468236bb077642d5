#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "core/analysis/PoolExperts.h"

class QLabel;

namespace gm::ui {

struct UiContext;

// "The Pool Experts": each game's expert, the expert's selection and result,
// and the experts' week beside the whole pool's.
class frmExpert : public QDialog {
    Q_OBJECT
public:
    explicit frmExpert(UiContext& ctx, QWidget* parent = nullptr);

    const PoolExperts& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    // The labels of one game row, in column order.
    struct GameRow {
        QLabel* lblGame;
        QLabel* lblPlayer;
        QLabel* lblRecord;
        QLabel* lblPick;
        QLabel* lblWon;
        QLabel* lblWinner;
        QLabel* lblWonScore;
        QLabel* lblLoser;
        QLabel* lblLossScore;
    };

    void Redisplay();
    void Spin(int step);

    UiContext& ctx_;
    std::unique_ptr<PoolExperts> model_;
    QLabel* lblWeek_;
    std::array<GameRow, kMaxSlots> rows_{};  // one row per game slot of the league; the rest unused
    std::array<QLabel*, 3> lblStats_{};
    QLabel* lblExpertWLT_;
    QLabel* lblPoolWLT_;
    QLabel* lblExpertPct_;
    QLabel* lblPoolPct_;
    QLabel* lblRecordWeek_;
};

}  // namespace gm::ui
