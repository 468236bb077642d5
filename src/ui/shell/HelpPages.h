#pragma once

class QWidget;

namespace gm::ui {

struct UiContext;

// Opens the help page of `topic` (see core/shell/Help.h) in the desktop's
// browser; topic 0 opens the contents. Says so when the pages are missing.
void ShowHelp(UiContext& ctx, QWidget* parent, int topic);

// The help pages' list of topics (the Help menu's "Search").
void ShowHelpIndex(UiContext& ctx, QWidget* parent);

}  // namespace gm::ui
