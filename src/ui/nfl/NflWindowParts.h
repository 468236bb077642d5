#pragma once

// Pieces the NFL standings windows share.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <utility>

#include "core/nfl/DivisionStandings.h"
#include "ui/nfl/TeamEmblem.h"
#include "ui/shell/HeadingFrame.h"
#include "ui/shell/OptionFrames.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

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

// A check box named `name`; each toggle calls `toggled` with the new state.
inline QCheckBox* ToggleBox(const char* name, const QString& caption, QWidget* window,
                            const std::function<void(bool)>& toggled) {
    auto* box = new QCheckBox(caption, window);
    box->setObjectName(name);
    QObject::connect(box, &QCheckBox::toggled, window, toggled);
    return box;
}

// The Last 3 Weeks box (ckLast3) of the league, conference and
// favourite/underdog windows: a toggle counts again and shows the lists.
inline QCheckBox* Last3Box(QWidget* window, WeekStandings& model, const std::function<void()>& redisplay) {
    return ToggleBox("ckLast3", "&Last 3 Weeks", window, [&model, redisplay](bool on) {
        model.SetLast3(on);
        redisplay();
    });
}

// Their week frame: the week label over SpinButton1. A step the model refuses
// beeps; one it takes shows the lists again.
inline QGroupBox* StandingsWeekFrame(QWidget* window, QLabel* label, WeekStandings& model,
                                     const std::function<void()>& redisplay) {
    auto* spin = new SpinButton(window);
    spin->setObjectName("SpinButton1");
    const auto step = [&model, redisplay](int by) {
        if (!model.SpinWeek(by)) {
            QApplication::beep();
            return;
        }
        redisplay();
    };
    QObject::connect(spin, &SpinButton::SpinUp, window, [step] { step(+1); });
    QObject::connect(spin, &SpinButton::SpinDown, window, [step] { step(-1); });
    return WeekFrame("&WEEK", label, spin, window);
}

// The options OpOverall, OpHome and OpRoad of the window's games frame:
// Overall is chosen first, without a call; choosing one later calls `chosen`.
inline void ConnectVenues(QWidget* window, const std::function<void(Venue)>& chosen) {
    window->findChild<QRadioButton*>("OpOverall")->setChecked(true);
    const std::pair<const char*, Venue> venues[] = {
        {"OpOverall", Venue::Overall}, {"OpHome", Venue::Home}, {"OpRoad", Venue::Road}};
    for (const auto& [name, venue] : venues) {
        QObject::connect(window->findChild<QRadioButton*>(name), &QRadioButton::toggled, window,
                         [chosen, venue = venue](bool on) {
                             if (on) chosen(venue);
                         });
    }
}

// One entry of a standings window's side column: a control or a row of them.
struct SideItem {
    SideItem(QWidget* widget) : Widget(widget) {}  // NOLINT: either kind reads naturally in a list
    SideItem(QLayout* layout) : Layout(layout) {}  // NOLINT
    QWidget* Widget = nullptr;
    QLayout* Layout = nullptr;
};

// A standings window's layout: `left` (its lists) side by side, then a column
// of `side` from the top, a stretch, and `buttons` at its foot; the last
// button, Close, is the default.
inline void LayOutStandings(QDialog* window, std::initializer_list<QWidget*> left,
                            std::initializer_list<SideItem> side,
                            std::initializer_list<QPushButton*> buttons) {
    auto* column = new QVBoxLayout;
    for (const SideItem& item : side) {
        if (item.Widget) column->addWidget(item.Widget);
        if (item.Layout) column->addLayout(item.Layout);
    }
    column->addStretch();
    for (QPushButton* button : buttons) column->addWidget(button);
    if (buttons.size() > 0) (*(buttons.end() - 1))->setDefault(true);
    auto* layout = new QHBoxLayout(window);
    for (QWidget* w : left) layout->addWidget(w, left.size() == 1 ? 1 : 0);
    layout->addLayout(column);
}

// Two week frames side by side (the start and end weeks of a range).
inline QHBoxLayout* WeekPair(QGroupBox* start, QGroupBox* end) {
    auto* row = new QHBoxLayout;
    row->addWidget(start);
    row->addWidget(end);
    return row;
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
    LineUpUnderCaption(frame, layout, list);
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
