#pragma once

#include <QDialog>

class QPushButton;

namespace gm::ui {

struct UiContext;
class ElectronicSign;

// The About window: what the program is, on a blended background, with its
// own sign running a few lines about the program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(UiContext& ctx, QWidget* parent = nullptr);
    ~frmAbout() override;

    ElectronicSign* Sign() const { return sign_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void NextMessage();

    ElectronicSign* sign_ = nullptr;
    QPushButton* cmdGrid_ = nullptr;
    int message_ = 0;
};

}  // namespace gm::ui
