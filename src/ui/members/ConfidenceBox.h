#pragma once

#include <QLineEdit>

namespace gm::ui {

// A confidence box: digits only, never more than two of them once the user
// has typed, and it reports when the user leaves it after typing.
class ConfidenceBox : public QLineEdit {
    Q_OBJECT
public:
    ConfidenceBox(int row, QWidget* parent);
    // The user changed the text since the box got the focus (typing, pasting,
    // an input method: every edit counts).
    bool Typed() const { return typed_; }
    void ClearTyped() { typed_ = false; }

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
