#pragma once

// Pieces the NFL standings windows share.

#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/nfl/DivisionStandings.h"
#include "ui/nfl/TeamEmblem.h"
#include "ui/pool/frmPoolStn.h"
#include "ui/shell/SpinButton.h"

namespace gm::ui {

// A frame of exclusive options, each named as given.
inline QGroupBox* OptionFrame(const QString& title, std::initializer_list<std::pair<const char*, const char*>> options,
                              QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    for (const auto& [name, caption] : options) {
        auto* option = new QRadioButton(caption, frame);
        option->setObjectName(name);
        layout->addWidget(option);
    }
    return frame;
}

// A week label in large bold type under its caption, with its spin button; the
// caption's access key moves the focus to the spin button.
inline QGroupBox* WeekFrame(const QString& caption, QLabel* label, SpinButton* spin, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(frame);
    auto* title = new QLabel(caption, frame);
    title->setBuddy(spin);
    title->setAlignment(Qt::AlignCenter);
    QFont big = label->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    label->setFont(big);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(QFontMetrics(big).horizontalAdvance(" 21 "));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(label);
    row->addWidget(spin);
    row->addStretch();
    layout->addWidget(title);
    layout->addLayout(row);
    return frame;
}

// A list of `rows` report lines inside a frame captioned with their column
// heading: the list is exactly as tall as its rows, and its text starts under
// the caption's text so the columns line up.
inline void FitUnderCaption(HeadingFrame* frame, QListWidget* list, int rows, int chars) {
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(list);
    const QFontMetrics fm(list->font());
    const int rowHeight = std::max(fm.height(), list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : fm.height() + 2);
    list->setFixedHeight(rows * rowHeight + 2 * list->frameWidth() + 4);
    list->setMinimumWidth(fm.horizontalAdvance(QString(chars, QLatin1Char('W'))) + 2 * list->frameWidth() + 8);
    frame->ensurePolished();
    const int indent =
        list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int shift = frame->TitleLeft() - frame->contentsRect().left() - indent;
    QMargins m = layout->contentsMargins();
    m.setLeft(std::max(0, shift));
    layout->setContentsMargins(m);
}

// The NFC and AFC emblems (picNFC, picAFC) of the conference-style windows:
// the selected conference's shows, the other's hides.
struct ConferenceBadges {
    explicit ConferenceBadges(QWidget* parent) : nfc(new TeamEmblem(parent)), afc(new TeamEmblem(parent)), row(new QHBoxLayout) {
        nfc->setObjectName("picNFC");
        nfc->Show("NFC", kConferenceNFC);
        afc->setObjectName("picAFC");
        afc->Show("AFC", kConferenceAFC);
        row->addStretch();
        row->addWidget(nfc);
        row->addWidget(afc);
        row->addStretch();
    }
    void Show(Conference shown) {
        nfc->setVisible(shown == Conference::NFC);
        afc->setVisible(shown == Conference::AFC);
    }
    TeamEmblem* nfc;
    TeamEmblem* afc;
    QHBoxLayout* row;
};

}  // namespace gm::ui
