#pragma once

// Small pieces shared by the pool display windows.

#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <functional>
#include <string>

#include "core/output/TextOutput.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/QtText.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {


inline QLabel* Named(const char* name, QWidget* parent, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// Report lines keep their columns only in a fixed-pitch font.
inline void UseFixedPitch(QWidget* w) { w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); }

inline void FillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const auto& line : lines) list->addItem(Q(line));
}

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
