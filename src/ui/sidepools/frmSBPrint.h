#pragma once

#include <QDialog>

#include "core/sidepools/SportsBoxSheet.h"

class QCheckBox;
class QLabel;

namespace gm::ui {

struct UiContext;

// "The Sports Box Selection Sheet": prints an empty box for a week.
class frmSBPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmSBPrint(UiContext& ctx, QWidget* parent = nullptr);

    const SportsBoxSheet& Model() const { return sheet_; }

public slots:
    void OnPrint();

private:
    void Spin(int step);

    UiContext& ctx_;
    SportsBoxSheet sheet_;
    QLabel* lblWeek_;
    QCheckBox* ckDigits_;
};

}  // namespace gm::ui
