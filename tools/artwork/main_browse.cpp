#include "drawing_kit.h"
#include "filing_shapes.h"
#include "main_pictures.h"
#include "picture_card.h"
#include "soft_shadow.h"

#include <QPainter>
#include <QtMath>

namespace quillox::artwork {
namespace {

constexpr QRectF folderBody(84, 330, 509, 440);

void paintTiltedSheet(QPainter& painter, QPointF centre, qreal degrees) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    paintWrittenSheet(painter, QRectF(-165, -160, 330, 320), 5, 18);
    painter.restore();
}

void paintMagnifier(QPainter& painter, QPointF centre, qreal radius) {
    const QColor frame = blueHue().deep;
    const QPointF along(M_SQRT1_2, M_SQRT1_2);
    const QPainterPath magnifier = circlePath(centre, radius + 18);
    paintSoftShadow(painter, magnifier, {12, 30, 0.3});
    QColor glass = blueHue().tint;
    glass.setAlpha(235);
    painter.fillPath(circlePath(centre, radius), glass);
    painter.setPen(roundPen(paper(), 14));
    painter.drawArc(QRectF(centre.x() - radius + 30, centre.y() - radius + 30, 2 * radius - 60,
                           2 * radius - 60),
                    100 * 16, 70 * 16);
    painter.setPen(roundPen(frame, 52));
    painter.drawLine(centre + along * (radius + 30), centre + along * (radius + 150));
    painter.setPen(roundPen(frame, 36));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

QImage mainBrowsePicture() {
    const Hue& hue = yellowHue();
    return pictureCard(hue, [&hue](QPainter& painter) {
        const QPainterPath back = folderBack(folderBody, 210, 44, 34);
        paintSoftShadow(painter, back, {10, 30, 0.3});
        painter.fillPath(back, hue.deep);
        paintTiltedSheet(painter, {318, 420}, -5);
        paintTiltedSheet(painter, {362, 430}, 4);
        const QPainterPath front =
            openFolderFront(folderBody, folderBody.top() + 150, folderBody.top() + 110, 34);
        painter.fillPath(front, hue.main);
        paintLabelHolder(painter, QRectF(140, 660, 190, 56), hue);
        paintMagnifier(painter, {430, 580}, 112);
    });
}

} // namespace quillox::artwork
