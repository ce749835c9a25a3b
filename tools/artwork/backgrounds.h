#pragma once

#include <QImage>

namespace quillox::artwork {

// The new document window's background: a soft gradient with a stack of sheets at the foot,
// between the two buttons. 429 x 612, 256 colours.
QImage documentBackground();

// The new folder window's decoration: a large faint folder holding sheets. 429 x 612,
// 256 colours.
QImage folderWatermark();

} // namespace quillox::artwork
