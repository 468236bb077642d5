#pragma once

#include "ui/shell/UiContext.h"

class QWidget;

namespace gm::ui {

// Reads the current season again after an editing window has closed, and
// says so when the file cannot be read.
void RereadSeasonAfterEditing(UiContext& ctx, QWidget* parent);

}  // namespace gm::ui
