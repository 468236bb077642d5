#include "PaintBlend.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace gm::ui {
namespace {

// Colour entries 1..n from start towards end, components below 0 clamped.
std::vector<QColor> ColourTable(int n, QColor start, QColor end) {
    const double s[3] = {double(start.red()), double(start.green()), double(start.blue())};
    const double e[3] = {double(end.red()), double(end.green()), double(end.blue())};
    double step[3];
    for (int c = 0; c < 3; ++c) step[c] = s[c] == e[c] ? 0.0 : (e[c] - s[c]) / n;
    std::vector<QColor> table(static_cast<std::size_t>(n) + 1);
    double cur[3] = {s[0], s[1], s[2]};
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            for (int c = 0; c < 3; ++c) cur[c] = std::max(0.0, cur[c] + step[c]);
        auto comp = [&](int c) { return std::clamp(static_cast<int>(std::lround(cur[c])), 0, 255); };
        table[static_cast<std::size_t>(i)] = QColor(comp(0), comp(1), comp(2));
    }
    return table;
}

void Box(QPainter& p, QColor colour, QRectF r) {
    QPen pen = p.pen();
    pen.setColor(colour);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void Line(QPainter& p, QColor colour, QPointF a, QPointF b) {
    QPen pen = p.pen();
    pen.setColor(colour);
    p.setPen(pen);
    p.drawLine(a, b);
}

}  // namespace

void PaintBlend(QPainter& p, QSizeF scale, QColor start, QColor end, int pattern) {
    const double W = scale.width(), H = scale.height();
    const int nx = std::max(2, static_cast<int>(W / 10));
    const int ny = std::max(2, static_cast<int>(H / 10));
    const double dx = W / nx, dy = H / ny;
    const int n = pattern == -1 ? ny : nx;
    const std::vector<QColor> entry = ColourTable(n, start, end);

    if (pattern == -1) {
        // Each band is filled so that no gap shows whatever the pen width.
        for (int i = 1; i <= ny; ++i) {
            p.fillRect(QRectF(0, i * dy - dy, W, dy + 1), entry[i]);
            Box(p, entry[i], QRectF(0, i * dy, W, dy));
        }
        return;
    }
    Box(p, entry[1], QRectF(0, 0, 2 * dx, H));
    p.fillRect(QRectF(0, 0, 2 * dx, H), entry[1]);
    if (pattern == 2) {
        for (int i = 1; i <= nx; ++i) Line(p, entry[i], {dx, 0}, {i * dx + dx, H});
        for (int i = 1; i <= nx; ++i) Line(p, entry[nx + 1 - i], {i * dx, 0}, {nx * dx + dx, H});
    } else {
        for (int i = 1; i <= nx; ++i) Line(p, entry[i], {i * dx, 0}, {2 * dx, H});
        for (int i = 1; i <= nx; ++i) Line(p, entry[nx + 1 - i], {nx * dx, 0}, {i * dx + dx, H});
    }
}

void PaintBlendTwips(QPainter& painter, QSize pixels, QColor start, QColor end, int pattern, int penWidthPixels) {
    constexpr double kTwipsPerPixel = 15.0;
    painter.save();
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    QPen pen(start);
    pen.setWidthF(penWidthPixels * kTwipsPerPixel);
    painter.setPen(pen);
    PaintBlend(painter, QSizeF(pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel), start, end,
               pattern);
    painter.restore();
}

}  // namespace gm::ui
