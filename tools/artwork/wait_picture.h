#pragma once

#include <QImage>

namespace quillox::artwork {

// The scan preview's picture while the scanner's own window is open: the scanner card on a
// calm ground with a line of advice. 690 x 900, 24 bits.
QImage waitPicture();

} // namespace quillox::artwork
