#include "BoxWidgets.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace gm::ui {

std::optional<int> DraggedEntry(const QMimeData* data) {
    if (!data || !data->hasFormat(kBoxEntryMime)) return std::nullopt;
    bool ok = false;
    const int entry = QString::fromLatin1(data->data(kBoxEntryMime)).toInt(&ok);
    if (!ok) return std::nullopt;
    return entry;
}

BoxPlayerList::BoxPlayerList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList BoxPlayerList::mimeTypes() const { return {kBoxEntryMime}; }

QMimeData* BoxPlayerList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(kBoxEntryMime, QByteArray::number(row(items.front())));
    data->setText(items.front()->text());
    return data;
}

BoxCell::BoxCell(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

void BoxCell::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedEntry(event->mimeData())) event->acceptProposedAction();
}

void BoxCell::dragMoveEvent(QDragMoveEvent* event) {
    if (DraggedEntry(event->mimeData())) event->acceptProposedAction();
}

void BoxCell::dropEvent(QDropEvent* event) {
    const auto entry = DraggedEntry(event->mimeData());
    if (!entry) return;
    event->acceptProposedAction();
    emit Dropped(index_, *entry);
}

void BoxCell::mouseDoubleClickEvent(QMouseEvent*) { emit DoubleClicked(index_); }

void BoxCell::keyPressEvent(QKeyEvent* event) {
    QWidget* to = nullptr;
    switch (event->key()) {
        case Qt::Key_Space: emit SpacePressed(index_); return;
        case Qt::Key_Return:
        case Qt::Key_Enter: emit DoubleClicked(index_); return;
        case Qt::Key_Left: to = Left; break;
        case Qt::Key_Right: to = Right; break;
        case Qt::Key_Up: to = Up; break;
        case Qt::Key_Down: to = Down; break;
        default: QLabel::keyPressEvent(event); return;
    }
    if (to) to->setFocus(Qt::OtherFocusReason);
}

// The box with the focus shows it with a thicker frame.
void BoxCell::focusInEvent(QFocusEvent* event) {
    setLineWidth(3);
    QLabel::focusInEvent(event);
}

void BoxCell::focusOutEvent(QFocusEvent* event) {
    setLineWidth(1);
    QLabel::focusOutEvent(event);
}

}  // namespace gm::ui
