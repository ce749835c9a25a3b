#include "drawing_kit.h"

#include <QPainter>
#include <QPolygonF>

namespace quillox::artwork {

QImage transparentCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QPen roundPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillRounded(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                 qreal rounding) {
    painter.save();
    painter.setPen(roundPen(colour, rounding));
    painter.setBrush(colour);
    painter.drawPath(shape);
    painter.restore();
}

QPainterPath roundedRectPath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circlePath(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

} // namespace quillox::artwork
