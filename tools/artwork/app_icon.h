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

// The sizes, beside appIconSize, in which a desktop's icon theme wants the icon.
inline constexpr int themeIconSizes[] = {16, 24, 32, 48, 64, 256};

// The application icon at another size. Smaller ones are the icon made smaller, since its
// shadow spreads a fixed number of pixels; larger ones are painted at their size.
QImage appIcon(int size);

} // namespace quillox::artwork
