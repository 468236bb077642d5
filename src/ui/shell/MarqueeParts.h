#pragma once

// What the marquee windows (the NFL's, the pool's and the analyzer's sign)
// open with.

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <functional>

#include "core/nfl/Marquee.h"
#include "ui/shell/SpinButton.h"

class QAbstractButton;

namespace gm::ui {

class ElectronicSign;

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

// A marquee window's sign with its grid button and week spin. The window holds
// it as a member, so the sign stops as the window goes, before the panel the
// lamps are drawn in is deleted.
class MarqueeSign {
public:
    MarqueeSign();
    ~MarqueeSign();
    MarqueeSign(const MarqueeSign&) = delete;
    MarqueeSign& operator=(const MarqueeSign&) = delete;

    ElectronicSign* Sign() const { return sign_; }

    // The grid button flips the grid. A spin step asks `step` whether the
    // model's week moved: refused, it beeps; moved, `moved` shows it.
    void Connect(QWidget* window, QAbstractButton* gridButton, SpinButton* spin, std::function<bool(int)> step,
                 std::function<void()> moved) const;
    // Each time the message has passed: the model's `next` step on the sign,
    // then `shown` brings the window's labels along.
    void Cycle(QWidget* window, std::function<SignStep()> next, std::function<void()> shown) const;

private:
    ElectronicSign* sign_;  // drawn in, and owned by, the window's panel once set up
};

}  // namespace gm::ui
