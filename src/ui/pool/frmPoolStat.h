#pragma once

#include <QDialog>
#include <memory>

#include "core/pool/PoolStatPak.h"

class QLabel;
class QListWidget;

namespace gm::ui {

class HeadingFrame;
struct UiContext;

// The Pool StatPak: the whole pool week by week, with the per-player
// averages of the week shown.
class frmPoolStat : public QDialog {
    Q_OBJECT
public:
    explicit frmPoolStat(UiContext& ctx, QWidget* parent = nullptr);

    const PoolStatPak& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void Redisplay();
    void Spin(int step);

    UiContext& ctx_;
    std::unique_ptr<PoolStatPak> model_;
    QLabel* lblWeek_;
    QLabel* lblPoolWeek_;
    HeadingFrame* frStandings_;
    QListWidget* lstPlayer_;
    QLabel* lblWins_;
    QLabel* lblLosses_;
    QLabel* lblPct_;
    QLabel* lblTb_;
    QLabel* lblCon_;
};

}  // namespace gm::ui
