#include "TeamEmblem.h"

#include <QPainter>
#include <QPainterPath>

#include "core/data/Teams.h"

namespace gm::ui {

TeamEmblem::TeamEmblem(QWidget* parent) : QWidget(parent) { setMinimumSize(64, 64); }

void TeamEmblem::Show(const QString& text, int conference) {
    text_ = text;
    conference_ = conference;
    setToolTip(text);
    update();
}

void TeamEmblem::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 4;
    const QRectF badge((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const QColor main = conference_ == kConferenceAFC ? QColor(178, 24, 36) : QColor(20, 52, 140);
    p.setPen(QPen(QColor(230, 190, 60), side / 16.0));
    p.setBrush(main);
    p.drawEllipse(badge.adjusted(2, 2, -2, -2));
    p.setPen(Qt::white);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(8, static_cast<int>(side / (text_.size() > 3 ? 4.5 : 3.2))));
    p.setFont(f);
    p.drawText(badge, Qt::AlignCenter, text_.toUpper());
}

}  // namespace gm::ui
