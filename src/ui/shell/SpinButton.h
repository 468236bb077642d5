#pragma once

#include <QWidget>

class QToolButton;

namespace gm::ui {

// The small up/down arrow pair beside a week label. It only reports the
// clicks; the window decides what a step means (and beeps at its limits).
// Up/Down arrow keys and Page Up/Page Down work while it has the focus.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

signals:
    void SpinUp();
    void SpinDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace gm::ui
