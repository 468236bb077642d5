#pragma once

// What the marquee windows (the NFL's and the pool's) open with.

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "ui/shell/SpinButton.h"

namespace gm::ui {

struct MarqueeParts {
    QLabel* Title;        // lblTitle: large, bold, centred
    QWidget* Panel;       // picDisplay: the sign draws here
    SpinButton* Spin;     // SpinButton1: the week
    QLabel* WeekCaption;  // lblWeekCaption "&Week", whose key moves to the spin button
};

// Makes the parts on `window` and sets the week label `week` in bold, wide
// enough for " 21 ".
inline MarqueeParts MakeMarqueeParts(QWidget* window, const QString& title, QLabel* week) {
    MarqueeParts parts{new QLabel(title, window), new QWidget(window), new SpinButton(window),
                       new QLabel("&Week", window)};
    parts.Title->setObjectName("lblTitle");
    QFont big = parts.Title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    parts.Title->setFont(big);
    parts.Title->setAlignment(Qt::AlignCenter);
    parts.Panel->setObjectName("picDisplay");
    parts.Panel->setMinimumSize(560, 64);
    parts.Spin->setObjectName("SpinButton1");
    parts.WeekCaption->setObjectName("lblWeekCaption");
    parts.WeekCaption->setBuddy(parts.Spin);
    QFont bold = week->font();
    bold.setBold(true);
    week->setFont(bold);
    week->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(" 21 "));
    return parts;
}

}  // namespace gm::ui
