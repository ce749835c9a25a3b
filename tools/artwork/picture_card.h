#pragma once

#include "palette.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <functional>

class QPainter;

namespace quillox::artwork {

// The main window's pictures stand side by side and are drawn as one set of cards: a white
// card with rounded corners and a soft shadow, a band of the picture's hue along its top, and
// a scene. They are shown at about a quarter of their size, so scenes use bold shapes only.
inline constexpr QSize cardPictureSize(677, 866);
inline constexpr QRectF cardArea(24, 14, 629, 818);
inline constexpr qreal cardBandHeight = 150;

// Paints a scene over the card, in the picture's own pixel coordinates.
using ScenePainter = std::function<void(QPainter&)>;

// A card picture, transparent around the card.
QImage pictureCard(const Hue& hue, const ScenePainter& paintScene);

} // namespace quillox::artwork
