#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace gm::ui {

struct UiContext;
class frmPlayer;

// Types new names, one after another, into the members list.
class frmAddPlayer : public QDialog {
    Q_OBJECT
public:
    frmAddPlayer(UiContext& ctx, frmPlayer& owner);

public slots:
    void OnAdd();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    UiContext& ctx_;
    frmPlayer& owner_;
    QLineEdit* txt_;
    QPushButton* cmdOK_;
};

}  // namespace gm::ui
