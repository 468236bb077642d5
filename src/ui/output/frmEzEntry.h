#pragma once

#include <QDialog>
#include <memory>

#include "core/sheets/EzEntrySheet.h"

class QLabel;

namespace gm::ui {

struct UiContext;

// The EZ Entry NFL sheet: two weeks of score and spread blanks on one page,
// printed straight to the printer.
// Controls: lblTitle, lblWeek, lblWeek2, SpinButton1, cmdPrint, cmdCancel.
class frmEzEntry : public QDialog {
    Q_OBJECT
public:
    explicit frmEzEntry(UiContext& ctx, QWidget* parent = nullptr);

    const EzEntrySheet& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void Spin(int step);
    void ShowWeeks();

    UiContext& ctx_;
    std::unique_ptr<EzEntrySheet> model_;
    QLabel* lblWeek_;
    QLabel* lblWeek2_;
};

}  // namespace gm::ui
