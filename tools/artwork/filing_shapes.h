#pragma once

#include "palette.h"

#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace quillox::artwork {

// Shapes of the things people file, shared by pictures of very different sizes.

// A folder's back: the body with a tab rising from its top-left corner.
QPainterPath folderBack(const QRectF& body, qreal tabWidth, qreal tabHeight, qreal radius);

// A folder's front flap reaching from the body's foot up to leftTop at the left and rightTop at
// the right; the left side lower, it looks opened.
QPainterPath openFolderFront(const QRectF& body, qreal leftTop, qreal rightTop, qreal radius);

// The label holder on a folder's or tray's front: a tinted frame round a white label.
void paintLabelHolder(QPainter& painter, const QRectF& holder, const Hue& hue);

// A white sheet carrying lines of writing of the given weight; every third line is short.
void paintWrittenSheet(QPainter& painter, const QRectF& page, int lines, qreal weight);

} // namespace quillox::artwork
