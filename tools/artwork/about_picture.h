#pragma once

#include <QImage>

namespace quillox::artwork {

// The about window's picture: the application icon on a blue panel beside the product's name,
// its tagline and its version. 886 x 663, true colour without alpha. The bottom-right corner
// stays plain, because the window lays its help button over it.
QImage aboutPicture();

} // namespace quillox::artwork
