#include "ConfidenceBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "core/members/Selections.h"
#include "ui/shell/QtText.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

ConfidenceBox::ConfidenceBox(int row, QWidget* parent) : QLineEdit(parent), row_(row) {
    setObjectName(QStringLiteral("Text1%1").arg(row));
    // Pasted text must be digits too; typed digits are handled below.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), this));
    setMaximumWidth(40);
    setAlignment(Qt::AlignRight);
    SelectAllOnFocus(this);  // typing replaces the text
    connect(this, &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

void ConfidenceBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0].isDigit() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        typed_ = true;
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
        setText(
            Q(ConfidenceAfterDigit(S(this->text()), start, length, cursorPosition(), text[0].toLatin1())));
        setCursorPosition(static_cast<int>(this->text().size()));
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        typed_ = true;
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Other printable characters are refused; keys that move or act pass on.
    if (!text.isEmpty() && text[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)) return;
    QLineEdit::keyPressEvent(event);
}

void ConfidenceBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    typed_ = false;
}

void ConfidenceBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box or another program taking the focus is not leaving the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    if (!typed_) return;
    typed_ = false;
    emit Left(row_);
}

}  // namespace gm::ui
