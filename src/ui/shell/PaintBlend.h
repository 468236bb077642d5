#pragma once

#include <QColor>
#include <QSizeF>

class QPainter;

namespace gm::ui {

// The two-colour blend painter used by the main window's team schemes and by
// several dialogs. `scale` is the drawing area in the caller's logical units
// (the painter's transform maps it onto the widget); the painter's current pen
// width and style are used for every box and line. Patterns: -1 vertical
// bands; 2 two fans meeting at the bottom; 3 two crossing fans.
void PaintBlend(QPainter& painter, QSizeF scale, QColor start, QColor end, int pattern);

// Convenience: paints `widget`-sized blend into `painter` in twips (15 per
// pixel), with a pen of `penWidthPixels`, the way the windows use it.
void PaintBlendTwips(QPainter& painter, QSize pixels, QColor start, QColor end, int pattern, int penWidthPixels = 2);

}  // namespace gm::ui
