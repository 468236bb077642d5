#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"

// Small pieces the NFL data-entry windows build their controls from.
namespace gm::ui {

// The week caption (its access key reaching the spin), the week label and the
// spin, in one row.
inline QHBoxLayout* WeekRow(const QString& caption, QLabel* weekLabel, SpinButton* spin, QWidget* parent) {
    weekLabel->setObjectName("lblWeek");
    spin->setObjectName("SpinButton1");
    auto* weekCaption = new QLabel(caption, parent);
    weekCaption->setBuddy(spin);
    auto* row = new QHBoxLayout;
    row->addWidget(weekCaption);
    row->addWidget(weekLabel);
    row->addWidget(spin);
    row->addStretch();
    return row;
}

}  // namespace gm::ui
