#pragma once

#include <QImage>

namespace quillox::retrieval {

// The picture of a folder's tile: the folder's icon (the blank sheet for a folder without a
// chosen one, Picture -1), see-through around the icon so that it stands on the panel's own
// background. An index outside the icons gives a see-through picture.
QImage folderTilePicture(int picture);

} // namespace quillox::retrieval
