#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QRadioButton;

namespace gm::ui {

struct UiContext;

// Chooses the main window's background scheme. A click takes effect for the
// run at once; "Save As Startup Color" also keeps it for the next start.
class frmBgColor : public QDialog {
    Q_OBJECT
public:
    explicit frmBgColor(UiContext& ctx, QWidget* parent = nullptr);

    // True once the scheme was saved: the main window repaints.
    bool ColorsChanged() const { return colorsChanged_; }

public slots:
    void SaveClicked();
    void HintClicked();

private:
    UiContext& ctx_;
    bool colorsChanged_ = false;
    std::array<QRadioButton*, 12> OpColor_{};
};

}  // namespace gm::ui
