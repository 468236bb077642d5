#pragma once

// Pieces the NFL standings windows share.

#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/nfl/DivisionStandings.h"
#include "ui/nfl/TeamEmblem.h"
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
