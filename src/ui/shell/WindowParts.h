#pragma once

// Small pieces the display windows share.

#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QString>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
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

// Centres the window on the screen, then raises it by `twips`.
inline void CenterAbove(QDialog* window, int twips) {
    window->adjustSize();
    CenterForm(window);
    window->move(window->x(), std::max(0, window->y() - twips * window->logicalDpiY() / 1440));
}

// A spin control's up and down arrows as steps of +1 and -1.
inline void OnSpin(SpinButton* spin, QObject* receiver, const std::function<void(int step)>& step) {
    QObject::connect(spin, &SpinButton::SpinUp, receiver, [step] { step(+1); });
    QObject::connect(spin, &SpinButton::SpinDown, receiver, [step] { step(-1); });
}

}  // namespace gm::ui
