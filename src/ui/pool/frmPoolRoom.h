#pragma once

#include <QDialog>
#include <memory>

#include "core/pool/PoolRoom.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace gm::ui {

struct UiContext;

// The Pool Room: the week's best and worst, the hottest members, the best
// Monday-night record and tiebreak average, each panel filled by its GET.
class frmPoolRoom : public QDialog {
    Q_OBJECT
public:
    explicit frmPoolRoom(UiContext& ctx, QWidget* parent = nullptr);

    const PoolRoom& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void ShowPanels();
    void SpinWeek(int step);
    void SpinRange(bool start, int step);

    UiContext& ctx_;
    std::unique_ptr<PoolRoom> model_;
    QLabel* lblWeek_;
    QLabel* lblStartWeek_;
    QLabel* lblEndWeek_;
    QLabel* lblStat_;
    QListWidget* lstFirstLast_;
    QComboBox* cboHottest_;
    QComboBox* cboBestMN_;
    QComboBox* cboBestTB_;
};

}  // namespace gm::ui
