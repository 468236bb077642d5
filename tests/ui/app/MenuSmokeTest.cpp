// Every command of the main window, one after another, on a folder holding a
// week of play: no item waits for a window that does not exist, each window
// opens and closes again without a change, the hourglass goes, and no data
// file is touched.

#include <QMenu>
#include <QMenuBar>
#include <QCursor>

#include "Walkthrough.h"

namespace gm::ui {
namespace {

using test::Program;

TEST(Walkthrough, EveryEnabledCommandOpensAndClosesLeavingTheFilesAlone) {
    Program p(test::SeedAWeekOfPlay);
    const auto before = p.Files();

    // Whatever window a command opens is closed as the user would with Escape.
    QStringList opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            opened << d->objectName();
            d->reject();
        }
    });
    closer.start(10);

    QStringList triggered, forms;
    for (QAction* menu : p.main->menuBar()->actions()) {
        QList<QAction*> items = menu->menu()->actions();
        for (int i = 0; i < items.size(); ++i) {
            QAction* item = items[i];
            if (item->menu()) items.append(item->menu()->actions());
            if (item->isSeparator()) continue;
            EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString() << " waits for its window";
            if (item->menu() || !item->isEnabled()) continue;
            if (const QString form = item->property("form").toString(); !form.isEmpty()) forms << form;
            if (item->objectName() == "HelpItem12") continue;  // Exit, below
            triggered << item->objectName();
            item->trigger();
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << item->objectName().toStdString();
            EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "hourglass left by " << item->objectName().toStdString();
        }
    }
    EXPECT_GE(forms.size(), 40) << forms.join(' ').toStdString();
    forms << "frmBgColor";
    for (const QString& form : forms)
        EXPECT_TRUE(opened.contains(form)) << form.toStdString() << " in " << opened.join(' ').toStdString();

    // The season switch does not write, and the current season comes back last.
    p.main->Item("SeasonItem2")->trigger();
    closer.stop();
    EXPECT_EQ(p.Files(), before);

    p.main->Item("HelpItem12")->trigger();
    EXPECT_FALSE(p.main->isVisible());
    EXPECT_NE(p.File("Vask97.ini").find("CurrentWeek=4"), std::string::npos);
}

}  // namespace
}  // namespace gm::ui
