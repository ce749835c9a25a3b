#pragma once

#include <QImage>

namespace quillox::artwork {

// The application icon: a quill writing on a sheet filed in a folder. 128 x 128.
QImage appIcon();

} // namespace quillox::artwork
