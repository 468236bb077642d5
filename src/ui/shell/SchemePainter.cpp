#include "SchemePainter.h"

#include <QPainter>

#include "core/shell/Schemes.h"
#include "ui/shell/PaintBlend.h"

namespace gm::ui {
namespace {
QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }
}  // namespace

void PaintScheme(QPainter& painter, QSize size, int scheme) {
    const Scheme& s = SchemeFor(scheme);
    if (!s.Banded) {
        PaintBlendTwips(painter, size, ToQColor(s.BlendStart), ToQColor(s.BlendEnd), s.Pattern, 2);
        return;
    }
    // 256 bands over the full height, each from its top edge to the next band's.
    const int h = size.height();
    for (int i = 0; i < 256; ++i) {
        const int top = i * h / 256, bottom = (i + 1) * h / 256;
        if (bottom <= top) continue;
        painter.fillRect(0, top, size.width(), bottom - top, ToQColor(BandColor(scheme, i)));
    }
}

QColor SchemeTitleColor(int scheme) { return ToQColor(SchemeFor(scheme).TitleColor); }
QColor SchemeShadowColor(int scheme) { return ToQColor(SchemeFor(scheme).ShadowColor); }

}  // namespace gm::ui
