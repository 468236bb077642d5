#pragma once

#include <QPushButton>
#include <QString>
#include <string>
#include <string_view>

#include "ui/shell/QtText.h"
#include "ui/shell/WindowHelpers.h"

// Small pieces shared by the members and selections windows.
namespace gm::ui::memberui {

using ui::Button;
using ui::Q;
using ui::S;

}  // namespace gm::ui::memberui
