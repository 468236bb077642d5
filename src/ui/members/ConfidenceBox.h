#pragma once

#include <QLineEdit>

namespace gm::ui {

// A confidence box: digits only, never more than two of them once the user
// has typed, and it reports when the user leaves it after typing.
class ConfidenceBox : public QLineEdit {
    Q_OBJECT
public:
    ConfidenceBox(int row, QWidget* parent);
    bool Typed() const { return typed_; }

signals:
    void Left(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int row_;
    bool typed_ = false;
};

}  // namespace gm::ui
