#include "app_icon.h"

#include "drawing_kit.h"
#include "filing_shapes.h"
#include "palette.h"
#include "soft_shadow.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

namespace quillox::artwork {
namespace {

QPainterPath iconFolderBack() {
    QPainterPath tab = roundedRectPath(QRectF(8, 20, 44, 24), 7);
    return roundedRectPath(QRectF(8, 30, 112, 84), 10).united(tab);
}

QPainterPath folderFront() {
    return roundedRectPath(QRectF(8, 58, 112, 56), 10);
}

// The quill lies along its own axis from the nib at the origin, then is turned into place.
void paintQuill(QPainter& painter, QPointF nib, QPointF end) {
    const QPointF axis = end - nib;
    const qreal length = std::hypot(axis.x(), axis.y());
    painter.save();
    painter.translate(nib);
    painter.rotate(qRadiansToDegrees(std::atan2(axis.y(), axis.x())));

    const Hue& hue = yellowHue();
    QPainterPath vane;
    vane.moveTo(14, 0);
    vane.cubicTo(28, -13, 52, -15, length, -3);
    vane.cubicTo(length - 6, 6, 44, 11, 14, 0);
    fillRounded(painter, vane, hue.main, 2);
    painter.setPen(roundPen(paper(), 2));
    painter.drawLine(QPointF(44, -11), QPointF(50, -6));
    painter.drawLine(QPointF(58, 7), QPointF(52, 3));
    painter.setPen(roundPen(hue.deep, 2.5));
    painter.drawLine(QPointF(6, 0), QPointF(length + 3, -1.5));
    fillRounded(painter, polygonPath({{0, 0}, {13, -3.5}, {13, 3.5}}), hue.deep, 1.5);
    painter.restore();
}

} // namespace

void paintAppIcon(QPainter& painter) {
    const Hue& hue = blueHue();
    paintSoftShadow(painter, iconFolderBack(), {2.5, 7, 0.35});
    painter.fillPath(iconFolderBack(), hue.deep);
    paintWrittenSheet(painter, QRectF(26, 12, 80, 74), 3, 4);
    painter.setPen(roundPen(hue.deep, 2));
    painter.drawLine(QPointF(58, 48), QPointF(64, 48));
    paintQuill(painter, {64, 49}, {117, 6});
    painter.fillPath(folderFront(), hue.main);
    paintLabelHolder(painter, QRectF(44, 78, 40, 14), hue);
}

QImage appIcon() {
    return appIcon(appIconSize);
}

QImage appIcon(int size) {
    if (size < appIconSize)
        return appIcon().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage icon = transparentCanvas(size, size);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / appIconSize, qreal(size) / appIconSize);
    paintAppIcon(painter);
    return icon;
}

} // namespace quillox::artwork
