#pragma once

#include <QDialog>
#include <memory>

#include "core/pool/AllPicksReport.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class CopyCountBox;

// The all-picks report dialog: choices, then the report to a text file, the
// printer or a web page.
class frmMatrix : public QDialog {
    Q_OBJECT
public:
    explicit frmMatrix(UiContext& ctx, QWidget* parent = nullptr);

    const AllPicksReport& Model() const { return *model_; }

public slots:
    void OnOK();

private:
    void Spin(int step);
    void Refresh();

    UiContext& ctx_;
    std::unique_ptr<AllPicksReport> model_;
    QRadioButton* OpName_;
    QRadioButton* OpCity_;
    QRadioButton* OpActive_;
    QRadioButton* OpEntire_;
    QGroupBox* frCopies_;
    CopyCountBox* copies_;
    QRadioButton* OpOutput_[3];
    QRadioButton* OpSort_[2];
    QLabel* lblWeek_;
    QLabel* lblPoolNum_;
    QLabel* lblActiveNum_;
};

}  // namespace gm::ui
