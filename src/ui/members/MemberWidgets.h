#pragma once

#include <QPushButton>
#include <QString>
#include <string>
#include <string_view>

#include "ui/shell/QtText.h"

// Small pieces shared by the members and selections windows.
namespace gm::ui::memberui {

using ui::Q;
using ui::S;

// A push button that never becomes the default: Enter belongs to the boxes.
inline QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace gm::ui::memberui
