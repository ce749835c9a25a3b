#pragma once

#include "platform/device_independent_bitmap.h"

#include <QString>

namespace quillox::platform {

// Saves the bitmap as a BMP file with its width, height, bits per pixel, colour table and
// resolution, replacing a file of that name in one step. Throws UserError naming the file.
void writeBmpFile(const DeviceIndependentBitmap& bitmap, const QString& path);

} // namespace quillox::platform
