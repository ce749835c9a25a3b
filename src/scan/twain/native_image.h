#pragma once

#include "platform/device_independent_bitmap.h"

#include <cstddef>
#include <cstdint>

namespace quillox::twain {

// The page in a native transfer's block of that many bytes: a TIFF file, as TWAIN 2 drivers on
// Linux often deliver it, or else a packed bitmap. A page that cannot be read throws UserError.
platform::DeviceIndependentBitmap nativeImage(const std::uint8_t* block, std::size_t size);

} // namespace quillox::twain
