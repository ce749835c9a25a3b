#pragma once

#include <QImage>
#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillox::platform {

// A device-independent bitmap: rows stored bottom-up, each padded to a whole number of 32-bit
// words; 24-bit pixels in blue-green-red order; a colour table for 8 bits a pixel or less.
struct DeviceIndependentBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::vector<QRgb> colorTable;
    std::vector<std::uint8_t> pixels;

    static std::size_t strideFor(int width, int bitsPerPixel);
    std::size_t stride() const { return strideFor(width, bitsPerPixel); }

    // Reads a packed bitmap (a 40-byte info header or a 12-byte core header, the colour table,
    // the pixels) from a block of that many bytes. Every size is checked against the block;
    // a bitmap that does not fit, or that this reader does not know, throws UserError.
    static DeviceIndependentBitmap fromPacked(const std::uint8_t* block, std::size_t size);

    // The image in the nearest form a bitmap has: 1 bit a pixel stays 1 bit with its two
    // colours, 8-bit gray stays 8 bits with a gray ramp, an indexed image keeps its table, and
    // any other becomes 24-bit colour. The resolution is kept. A null image gives no pixels.
    static DeviceIndependentBitmap fromImage(const QImage& image);

    QImage toImage() const;
};

} // namespace quillox::platform
