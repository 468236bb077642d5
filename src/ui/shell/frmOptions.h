#pragma once

#include <QDialog>
#include <array>

#include "core/shell/OptionsForm.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gm::ui {

struct UiContext;

// The pool options dialog. Its controls mirror an OptionsControls value;
// every click goes through the linkage rules of that value and the controls
// are then set from it again.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(UiContext& ctx, QWidget* parent = nullptr);

    const OptionsControls& Controls() const { return controls_; }

public slots:
    void OkClicked();
    void reject() override;  // "&Cancel", Escape and the close box

private:
    void Sync();
    bool Changed() const;
    void UpdateHomePage();
    void ViewWebPages();

    UiContext& ctx_;
    OptionsControls controls_;
    OptionsControls opened_;
    bool open_ = true;

    QCheckBox* ckPS_;
    QRadioButton* OpUnd_;
    QRadioButton* OpFav_;
    std::array<QRadioButton*, 3> OpSort_{};
    std::array<QRadioButton*, 2> OpCPts_{};
    std::array<QRadioButton*, 4> OpTBMethod_{};
    QCheckBox* ckMondayAlso_;
    std::array<QRadioButton*, 2> OpTb_{};
    QLineEdit* txtTitle_;
    std::array<QRadioButton*, 2> OpWBack_{};
};

}  // namespace gm::ui
