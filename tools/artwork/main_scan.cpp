#include "drawing_kit.h"
#include "filing_shapes.h"
#include "main_pictures.h"
#include "picture_card.h"
#include "soft_shadow.h"

#include <QLinearGradient>
#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr qreal slot = 588;

QPainterPath scannerTop() {
    return polygonPath({{112, 560}, {565, 560}, {609, 624}, {68, 624}});
}

QPainterPath scannerFront() {
    return roundedRectPath(QRectF(64, 612, 549, 172), 36);
}

// The light bar across the slot, glowing up onto the page it has read.
void paintLightBar(QPainter& painter, const Hue& hue) {
    QLinearGradient glow(0, slot - 130, 0, slot);
    QColor clear = hue.main;
    clear.setAlpha(0);
    QColor bright = hue.main;
    bright.setAlpha(110);
    glow.setColorAt(0, clear);
    glow.setColorAt(1, bright);
    painter.fillRect(QRectF(200, slot - 130, 277, 130), glow);
    painter.fillPath(roundedRectPath(QRectF(150, slot - 14, 377, 28), 14), hue.tint);
    painter.setPen(roundPen(paper(), 10));
    painter.drawLine(QPointF(170, slot), QPointF(507, slot));
}

} // namespace

QImage mainScanPicture() {
    const Hue& hue = greenHue();
    return pictureCard(hue, [&hue](QPainter& painter) {
        paintSoftShadow(painter, scannerFront().united(scannerTop()), {10, 30, 0.3});
        fillRounded(painter, scannerTop(), hue.deep, 20);
        paintWrittenSheet(painter, QRectF(208, 236, 261, slot - 236), 5, 18);
        paintLightBar(painter, hue);
        painter.fillPath(scannerFront(), hue.main);
        paintLabelHolder(painter, QRectF(120, 670, 190, 56), hue);
        painter.fillPath(circlePath({536, 698}, 32), paper());
        painter.fillPath(circlePath({536, 698}, 16), hue.tint);
    });
}

} // namespace quillox::artwork
