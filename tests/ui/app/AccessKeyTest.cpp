// Alt and a caption's underlined letter reaches one control only when no other
// caption of the window claims that letter: every window the menus open, the
// dialogs their Print buttons open, and the menus themselves.

#include <QMenuBar>
#include <QPushButton>

#include "Walkthrough.h"
#include "support/AccessKeys.h"

namespace gm::ui {
namespace {

using test::Program;

TEST(AccessKeys, NoTwoCaptionsOfOneWindowShareALetter) {
    Program p(test::SeedAWeekOfPlay);
    // Both letters are the documented captions of the Pool menu.
    const QStringList documented = {"frmMain &Pool Displays alt+x: Player Matri&x, The Pool E&xperts"};
    QStringList duplicates;
    for (const QString& d : gm::test::DuplicateAccessKeys(*p.main->menuBar()))
        if (!documented.contains("frmMain " + d)) duplicates << "frmMain " + d;

    // Each window is checked once; a window with a Print button then has it
    // pressed, so that the output dialog it opens is checked too; every window
    // is then closed as the user would with Escape.
    QStringList checked;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        if (QString(d->metaObject()->className()).startsWith('Q')) return d->reject();  // Qt's own, as the print dialog
        if (!d->property("accessKeysChecked").toBool()) {
            d->setProperty("accessKeysChecked", true);
            checked << d->objectName();
            for (const QString& dup : gm::test::DuplicateAccessKeys(*d)) duplicates << d->objectName() + " " + dup;
            auto* print = d->findChild<QPushButton*>("cmdPrint");
            if (print && print->isVisible() && print->isEnabled() && d->parentWidget() == p.main.get()) {
                QTimer::singleShot(0, print, &QPushButton::click);
                return;
            }
        }
        d->reject();
    });
    closer.start(10);

    for (QAction* menu : p.main->menuBar()->actions()) {
        QList<QAction*> items = menu->menu()->actions();
        for (int i = 0; i < items.size(); ++i) {
            QAction* item = items[i];
            if (item->menu()) items.append(item->menu()->actions());
            if (item->isSeparator() || item->menu() || !item->isEnabled()) continue;
            if (item->objectName() == "HelpItem12") continue;  // Exit
            item->trigger();
        }
    }
    closer.stop();
    EXPECT_GE(checked.size(), 40) << checked.join(' ').toStdString();
    EXPECT_TRUE(checked.contains("frmPNFLResults")) << checked.join(' ').toStdString();
    EXPECT_TRUE(duplicates.isEmpty()) << duplicates.join('\n').toStdString();
}

}  // namespace
}  // namespace gm::ui
