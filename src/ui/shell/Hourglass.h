#pragma once

#include <QApplication>
#include <QCursor>

namespace gm::ui {

// The wait cursor for as long as the guard lives.
class Hourglass {
public:
    Hourglass() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace gm::ui
