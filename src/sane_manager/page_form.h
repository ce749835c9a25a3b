#pragma once

#include "scan/twain/twain_protocol.h"

#include <cstddef>

namespace quillox::sane_manager {

// The rows a scan hands to the transfers: the top row first, each padded to 4 bytes, colour as
// red, green and blue bytes, black and white with 0 for black.
struct PageForm {
    twain::TW_INT16 pixelType = twain::TWPT_RGB;
    int bitsPerPixel = 24; // 1, 8 or 24
    int width = 0;
    int height = -1;       // -1 while the device does not know it
    double resolution = 0; // dots an inch

    std::size_t stride() const {
        return (std::size_t(width) * std::size_t(bitsPerPixel) + 31) / 32 * 4;
    }
};

} // namespace quillox::sane_manager
