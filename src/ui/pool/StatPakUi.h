#pragma once

// Pieces the StatPak and Pool Room windows share.

#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <initializer_list>

#include "ui/shell/HeadingFrame.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

// The StatPaks' standings list inside its frame (frStandings, lstPlayer):
// fixed pitch, room for 72 columns and 23 lines, its text under the frame's
// caption.
inline void SetUpStandingsList(HeadingFrame* frame, QListWidget* list) {
    frame->setObjectName("frStandings");
    list->setObjectName("lstPlayer");
    UseFixedPitch(list);
    UseFixedPitch(frame);
    const QFontMetrics fm(list->font());
    list->setMinimumSize(fm.horizontalAdvance(QString(72, 'M')), fm.lineSpacing() * 23);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(list);
    LineUpUnderCaption(frame, frameLayout, list);
}

// "WEEK ENDING", the week and its spin button, on the top row; the caption's
// access key moves the focus to the spin button.
inline void AddWeekEnding(QHBoxLayout* row, QLabel* week, SpinButton* spin) {
    auto* caption = new QLabel("&WEEK ENDING", week->parentWidget());
    caption->setBuddy(spin);
    row->addWidget(caption);
    row->addWidget(week);
    row->addWidget(spin);
}

// A StatPak window from the top: its top row, the standings frame (which
// takes the spare height), the averages, then `buttons` at the right.
inline void LayOutStatPak(QDialog* window, QLayout* top, QWidget* standings, QLayout* averages,
                          std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons) row->addWidget(button);
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(top);
    layout->addWidget(standings, 1);
    layout->addLayout(averages);
    layout->addLayout(row);
}

// One average of the grid below a StatPak's list: its caption and value label.
inline void AddAverage(QGridLayout* grid, int row, int column, const QString& caption, QLabel* value) {
    grid->addWidget(new QLabel(caption, value->parentWidget()), row, column * 2);
    grid->addWidget(value, row, column * 2 + 1);
    value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance("00000.00"));
}

}  // namespace gm::ui
