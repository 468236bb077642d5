#include "EntryBox.h"

#include <QKeyEvent>

#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

EntryBox::EntryBox(KeyRule keyRule, ChangeRule changeRule, QWidget* parent)
    : QLineEdit(parent), keyRule_(keyRule), changeRule_(changeRule) {
    connect(this, &QLineEdit::textEdited, this, &EntryBox::OnEdited);
    SelectAllOnFocus(this);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    // Only typed characters are judged; editing keys, navigation and
    // shortcuts (Ctrl+V ...) work as in any box.
    const QString text = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && text.size() == 1 && text[0].isPrint()) {
        const QChar c = text[0];
        if (c.unicode() > 0x7f || !keyRule_(static_cast<char>(c.unicode()))) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::OnEdited(const QString& text) {
    const std::string bytes = text.toStdString();
    const int cursor = static_cast<int>(text.left(cursorPosition()).toUtf8().size());
    const BoxEdit result = changeRule_(bytes, cursor);
    if (result.Text == bytes && result.Cursor == cursor) return;
    setText(QString::fromStdString(result.Text));
    setCursorPosition(result.Cursor);
}

}  // namespace gm::ui
