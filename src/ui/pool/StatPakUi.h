#pragma once

// Pieces the StatPak and Pool Room windows share.

#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QStyle>
#include <algorithm>
#include <functional>

#include "ui/pool/frmPoolStn.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

// Centres the window on the screen, then raises it by `twips`.
inline void CenterAbove(QDialog* window, int twips) {
    window->adjustSize();
    CenterForm(window);
    window->move(window->x(), std::max(0, window->y() - twips * window->logicalDpiY() / 1440));
}

// Shifts the list inside its frame so that its text starts where the frame's
// caption, the column heading, does: the columns sit under their titles.
inline void LineUpUnderCaption(HeadingFrame* frame, QLayout* frameLayout, QListWidget* list) {
    frame->ensurePolished();
    const int indent =
        list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    QMargins margins = frameLayout->contentsMargins();
    margins.setLeft(std::max(frame->TitleLeft() - frame->contentsRect().left() - indent, 0));
    frameLayout->setContentsMargins(margins);
}

// A spin control's up and down arrows as steps of +1 and -1.
inline void OnSpin(SpinButton* spin, QObject* receiver, const std::function<void(int step)>& step) {
    QObject::connect(spin, &SpinButton::SpinUp, receiver, [step] { step(+1); });
    QObject::connect(spin, &SpinButton::SpinDown, receiver, [step] { step(-1); });
}

// One average of the grid below a StatPak's list: its caption and value label.
inline void AddAverage(QGridLayout* grid, int row, int column, const QString& caption, QLabel* value) {
    grid->addWidget(new QLabel(caption, value->parentWidget()), row, column * 2);
    grid->addWidget(value, row, column * 2 + 1);
    value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance("00000.00"));
}

}  // namespace gm::ui
