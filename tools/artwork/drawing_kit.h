#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <initializer_list>

class QPainter;

namespace quillox::artwork {

// The line weight of every symbol, in pixels of a 100 x 100 icon.
inline constexpr qreal lineWeight = 5.0;

// Lettering comes from a font installed nearly everywhere; the pictures would change with any
// stand-in, so a missing font stops the drawing instead.
QFont lettering(int pixelSize, QFont::Weight weight);

// A fully transparent canvas to paint on.
QImage transparentCanvas(int width, int height);

// A pen with round caps and joins, the only kind of line the pictures use.
QPen roundPen(const QColor& colour, qreal width = lineWeight);

// Fills a shape and softens its corners by stroking its outline in the same colour.
void fillRounded(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                 qreal rounding = 3.0);

QPainterPath roundedRectPath(const QRectF& rect, qreal radius);
QPainterPath circlePath(QPointF centre, qreal radius);

// A shape given by its corners, in order.
QPainterPath polygonPath(std::initializer_list<QPointF> corners);

} // namespace quillox::artwork
