#pragma once

#include <QImage>

class QPainter;

namespace quillox::artwork {

inline constexpr int appIconSize = 128;

// The application icon: a quill writing on a sheet filed in a folder, painted into the square
// from (0, 0) to (appIconSize, appIconSize) of the painter's coordinates, shadow included.
void paintAppIcon(QPainter& painter);

// The application icon on its own, appIconSize square with transparent corners.
QImage appIcon();

} // namespace quillox::artwork
