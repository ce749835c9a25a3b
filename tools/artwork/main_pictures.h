#pragma once

#include <QImage>

namespace quillox::artwork {

// The main window's three ways in, as cards of one set (see picture_card.h), 677 x 866.

// A sheet dropping into an in-tray.
QImage mainDropPicture();

// A page coming out of a flatbed scanner under its light bar.
QImage mainScanPicture();

// An open folder of papers under a magnifier.
QImage mainBrowsePicture();

} // namespace quillox::artwork
