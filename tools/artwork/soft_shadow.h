#pragma once

#include <QPainterPath>

class QPainter;

namespace quillox::artwork {

// How a shape's shadow falls: how far below the shape, how far it spreads, how dark it is at
// its darkest (0 to 1).
struct ShadowStyle {
    qreal drop;
    int spread;
    qreal strength;
};

// Paints the soft shadow that the shape, given in the painter's coordinates, casts on what lies
// below it. Paint the shape itself afterwards.
void paintSoftShadow(QPainter& painter, const QPainterPath& shape, const ShadowStyle& style);

} // namespace quillox::artwork
