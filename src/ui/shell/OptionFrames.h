#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace gm::ui {

// An option button named `name`.
QRadioButton* RadioOption(const char* name, const QString& caption, QWidget* parent);

// A frame holding `options` one under another, exclusive among themselves
// only (the window's other frames keep their own choice).
QGroupBox* OptionFrame(const QString& title, std::initializer_list<QRadioButton*> options, QWidget* parent);
// The same made from (name, caption) pairs.
QGroupBox* OptionFrame(const QString& title,
                       std::initializer_list<std::pair<const char*, const char*>> options, QWidget* parent);

// A frame of exclusive options named name0, name1, ... with `captions`, the
// option `checked` chosen; `chosen` gets the index of each option clicked.
QGroupBox* OptionGroup(const QString& title, const char* name, const QStringList& captions, int checked,
                       QWidget* parent, const std::function<void(int)>& chosen);

// A read-only box showing a figure, right-aligned (the graphs' totals).
QLineEdit* FigureBox(const char* name, QWidget* parent);

}  // namespace gm::ui
