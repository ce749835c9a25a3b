#include "drawing_kit.h"

#include <QFontInfo>
#include <QPainter>
#include <QPolygonF>
#include <stdexcept>

namespace quillox::artwork {

QFont lettering(int pixelSize, QFont::Weight weight) {
    const QString family = "DejaVu Sans";
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    if (QFontInfo(font).family() != family)
        throw std::runtime_error("the pictures need the font " + family.toStdString());
    return font;
}

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
