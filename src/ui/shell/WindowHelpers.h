#pragma once

#include <QString>

class QWidget;
class QLineEdit;
class QPushButton;

namespace gm::ui {

struct UiContext;
class Prompter;

// "Error:" + number + one blank + description, in a message box.
void ShowError(Prompter& prompts, QWidget* parent, int number, const QString& description);

// A push button named `name` that never becomes the default by itself:
// Enter belongs to the entry boxes unless a window makes a button its default.
QPushButton* Button(const char* name, const QString& caption, QWidget* parent);

// Centres a window on its screen.
void CenterForm(QWidget* window);

// Selects the whole text of an entry box (every entry box does it on focus).
void SelectAllText(QLineEdit* box);
// Makes `box` select its whole text whenever it gets the focus, by mouse too
// (a click would otherwise place the caret over the selection).
void SelectAllOnFocus(QLineEdit* box);

// Number of colours of the display: 2 to the power of its bit depth (or the
// test override of the context).
long long ScreenColors(const UiContext& ctx);

}  // namespace gm::ui
