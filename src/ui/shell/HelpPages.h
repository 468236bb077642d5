#pragma once

#include "core/shell/Displays.h"

class QWidget;

namespace gm::ui {

struct UiContext;

// Opens the display's help page (its row in core/shell/Displays.h), or the
// contents, in the desktop's browser. Says so when the pages are missing.
void ShowHelp(UiContext& ctx, QWidget* parent, Display display);
void ShowHelpContents(UiContext& ctx, QWidget* parent);

// The help pages' list of topics (the Help menu's "Search").
void ShowHelpIndex(UiContext& ctx, QWidget* parent);

}  // namespace gm::ui
