#pragma once

#include <QColor>
#include <QSize>

class QPainter;

namespace gm::ui {

// Paints background scheme `scheme` (1 to 12) over an area of `size` pixels:
// 256 bands for schemes 1 to 7, the blend painter for 8 to 12.
void PaintScheme(QPainter& painter, QSize size, int scheme);

// The title colours of a scheme: the top text and its shadow.
QColor SchemeTitleColor(int scheme);
QColor SchemeShadowColor(int scheme);

}  // namespace gm::ui
