#pragma once

// Access keys (the & letter of a caption) that more than one caption of a
// window claims: pressing Alt and the letter then reaches only one of them.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>
#include <map>

namespace gm::test {

// "alt+p: Show &PS Results, &Print" for each letter claimed twice among the buttons, check
// boxes, option buttons, frames and labels with a buddy that the window shows.
inline QStringList DuplicateAccessKeys(const QWidget& window) {
    std::map<QString, QStringList> owners;
    const auto claim = [&](const QString& caption) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty()) owners[key.toString().toLower()] << caption;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) claim(button->text());
        else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) claim(frame->title());
        else if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy()) claim(label->text());
    }
    QStringList out;
    for (const auto& [key, captions] : owners)
        if (captions.size() > 1) out << key + ": " + captions.join(", ");
    return out;
}

// The same for a menu bar's titles and for the items of each of its menus.
inline QStringList DuplicateAccessKeys(const QMenuBar& bar) {
    QStringList out;
    const auto check = [&](const QList<QAction*>& actions, const QString& where) {
        std::map<QString, QStringList> owners;
        for (const QAction* a : actions) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QKeySequence key = QKeySequence::mnemonic(a->text());
            if (!key.isEmpty()) owners[key.toString().toLower()] << a->text();
        }
        for (const auto& [key, captions] : owners)
            if (captions.size() > 1) out << where + " " + key + ": " + captions.join(", ");
    };
    check(bar.actions(), "menu bar");
    QList<QAction*> menus = bar.actions();
    for (int i = 0; i < menus.size(); ++i) {
        QMenu* menu = menus[i]->menu();
        if (!menu) continue;
        check(menu->actions(), menu->title());
        for (QAction* a : menu->actions())
            if (a->menu()) menus << a;
    }
    return out;
}

}  // namespace gm::test
