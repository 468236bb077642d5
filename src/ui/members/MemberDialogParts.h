#pragma once

#include <QColor>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Pieces the members window and its add and edit windows share.
namespace gm::ui {

struct UiContext;

// A label that stays readable on the blended backgrounds.
QLabel* OpaqueLabel(const QString& text, QWidget* parent);

// The add and edit windows: a caption over one name box, then the button
// that takes the name (on only while the box holds a character) and the one
// that leaves.
void LayOutNameDialog(QDialog* dialog, const char* formName, const QString& title, const QString& caption,
                      QLineEdit* box, const char* boxName, QPushButton* take, const QString& leave);

// The window's blended background, on screens with more than 256 colours.
void PaintBackground(QWidget* w, UiContext& ctx, QColor from, QColor to, int pattern);

}  // namespace gm::ui
