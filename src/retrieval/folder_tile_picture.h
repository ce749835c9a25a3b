#pragma once

#include <QImage>

namespace quillox::retrieval {

// The picture of a folder's tile: the folder's icon (the blank sheet for a folder without a
// chosen one, Picture -1) on a magenta ground, which the tile draws as see-through. An index
// outside the icons gives the ground alone.
QImage folderTilePicture(int picture);

} // namespace quillox::retrieval
