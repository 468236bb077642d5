#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "core/sidepools/DigitalPool.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace gm::ui {

struct UiContext;

// " The  Digital  Pool ": the digits each team has scored through the week.
class frmDPool : public QDialog {
    Q_OBJECT
public:
    explicit frmDPool(UiContext& ctx, QWidget* parent = nullptr);

    const DigitalPool& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void Redisplay();
    void Spin(int step);

    UiContext& ctx_;
    std::unique_ptr<DigitalPool> model_;
    QListWidget* lstDigit_;
    QLabel* lblWeek_;
    std::array<QRadioButton*, 3> OpShow_{};
    QCheckBox* ckSort_;
};

}  // namespace gm::ui
