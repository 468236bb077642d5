#pragma once

#include <QDialog>
#include <memory>

#include "core/pool/PlayerMatrix.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace gm::ui {

struct UiContext;

// The player matrix: every member's selections for one week.
class frmPMatrix : public QDialog {
    Q_OBJECT
public:
    explicit frmPMatrix(UiContext& ctx, QWidget* parent = nullptr);

    const PlayerMatrix& Model() const { return *model_; }

public slots:
    void OnPrint();
    void OnHint();
    void OnListDoubleClick(int row);

private:
    void Rebuild();
    void Spin(int step);

    UiContext& ctx_;
    std::unique_ptr<PlayerMatrix> model_;
    QListWidget* lstPlayer_;
    QLabel* lblHead_[3];
    QLabel* lblWeek_;
    QCheckBox* ckShowAll_;
    QCheckBox* ckConPts_;
    QLabel* lblPoolNum_;
    QLabel* lblActiveNum_;
};

}  // namespace gm::ui
