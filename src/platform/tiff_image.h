#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

namespace quillox::platform {

// A TIFF file held in a block of memory, read with Qt's TIFF image plugin.

// Whether the block begins with a TIFF file's signature, in either byte order.
bool startsAsTiff(const std::uint8_t* block, std::size_t size);

// Whether the plugin that reads TIFF files is installed.
bool canReadTiff();

// The file's first image, or a null image when the block does not decode as a TIFF file.
QImage readTiff(const std::uint8_t* block, std::size_t size);

} // namespace quillox::platform
