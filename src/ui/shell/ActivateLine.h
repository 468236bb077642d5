#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QObject>
#include <functional>

namespace gm::ui {

// Double-click or Enter on a list line calls `act` with the line's row. Enter
// stops at the list: left to the dialog it would also press the default
// button and close the window behind the one the line opened.
class ActivateLine : public QObject {
public:
    ActivateLine(QListWidget* list, std::function<void(int)> act) : QObject(list), list_(list), act_(std::move(act)) {
        list->installEventFilter(this);
        QObject::connect(list, &QListWidget::itemDoubleClicked, this,
                         [this](QListWidgetItem* item) { act_(list_->row(item)); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == list_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (list_->currentRow() >= 0) act_(list_->currentRow());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
    std::function<void(int)> act_;
};

}  // namespace gm::ui
