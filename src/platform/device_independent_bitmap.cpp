#include "platform/device_independent_bitmap.h"

#include "platform/user_error.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace quillox::platform {
namespace {

// The largest picture taken: far beyond any scanner's page, small enough to allocate.
constexpr std::uint64_t largestPixelBytes = std::uint64_t(1) << 31;

[[noreturn]] void refuse(const char* why) {
    throw UserError(QString("The scanner delivered an image that cannot be read: %1.").arg(why));
}

template <typename T> T readAt(const std::uint8_t* block, std::size_t offset) {
    return qFromLittleEndian<T>(block + offset);
}

int defaultColours(int bitsPerPixel) {
    return bitsPerPixel <= 8 && (bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8)
               ? 1 << bitsPerPixel
               : 0;
}

} // namespace

std::size_t DeviceIndependentBitmap::strideFor(int width, int bitsPerPixel) {
    return ((std::size_t(width) * std::size_t(bitsPerPixel) + 31) / 32) * 4;
}

DeviceIndependentBitmap DeviceIndependentBitmap::fromPacked(const std::uint8_t* block,
                                                            std::size_t size) {
    if (!block || size < 12)
        refuse("no header");
    const std::uint32_t headerSize = readAt<std::uint32_t>(block, 0);
    DeviceIndependentBitmap bitmap;
    std::int64_t height = 0;
    std::uint32_t colours = 0;
    std::size_t entrySize = 4;
    if (headerSize == 12) {
        bitmap.width = readAt<std::uint16_t>(block, 4);
        height = readAt<std::uint16_t>(block, 6);
        bitmap.bitsPerPixel = readAt<std::uint16_t>(block, 10);
        colours = std::uint32_t(defaultColours(bitmap.bitsPerPixel));
        entrySize = 3;
    } else if (headerSize >= 40 && headerSize <= size) {
        bitmap.width = readAt<std::int32_t>(block, 4);
        height = readAt<std::int32_t>(block, 8);
        bitmap.bitsPerPixel = readAt<std::uint16_t>(block, 14);
        if (readAt<std::uint32_t>(block, 16) != 0)
            refuse("compressed pixels");
        bitmap.xPelsPerMeter = readAt<std::int32_t>(block, 24);
        bitmap.yPelsPerMeter = readAt<std::int32_t>(block, 28);
        const std::uint32_t used = readAt<std::uint32_t>(block, 32);
        colours = used != 0 ? used : std::uint32_t(defaultColours(bitmap.bitsPerPixel));
    } else {
        refuse("an unknown header");
    }
    const int bits = bitmap.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        refuse("an unknown number of bits a pixel");
    if (bitmap.width <= 0 || height == 0 || height == INT32_MIN)
        refuse("no pixels");
    if (colours > 256 || (bits <= 8 && colours > (1u << bits)))
        refuse("too many colours");
    const bool topDown = height < 0;
    bitmap.height = int(topDown ? -height : height);
    const std::uint64_t pixelBytes = std::uint64_t(bitmap.stride()) * std::uint64_t(bitmap.height);
    const std::uint64_t tableBytes = std::uint64_t(colours) * entrySize;
    if (pixelBytes > largestPixelBytes)
        refuse("too large a picture");
    if (headerSize + tableBytes + pixelBytes > size)
        refuse("more pixels than the memory holds");

    const std::uint8_t* table = block + headerSize;
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::uint8_t* entry = table + i * entrySize;
        bitmap.colorTable.push_back(qRgb(entry[2], entry[1], entry[0]));
    }
    const std::uint8_t* pixels = table + tableBytes;
    bitmap.pixels.resize(std::size_t(pixelBytes));
    const std::size_t stride = bitmap.stride();
    for (int row = 0; row < bitmap.height; ++row) {
        // Kept bottom-up whatever the block's order.
        const int from = topDown ? bitmap.height - 1 - row : row;
        std::memcpy(bitmap.pixels.data() + std::size_t(row) * stride,
                    pixels + std::size_t(from) * stride, stride);
    }
    return bitmap;
}

DeviceIndependentBitmap DeviceIndependentBitmap::fromImage(const QImage& image) {
    DeviceIndependentBitmap bitmap;
    QImage page;
    switch (image.format()) {
    case QImage::Format_Invalid:
        return bitmap;
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        page = image.convertToFormat(QImage::Format_Mono);
        bitmap.bitsPerPixel = 1;
        break;
    case QImage::Format_Indexed8:
        page = image;
        bitmap.bitsPerPixel = 8;
        break;
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        page = image.convertToFormat(QImage::Format_Grayscale8);
        bitmap.bitsPerPixel = 8;
        for (int i = 0; i < 256; ++i)
            bitmap.colorTable.push_back(qRgb(i, i, i));
        break;
    default:
        page = image.convertToFormat(QImage::Format_BGR888);
        bitmap.bitsPerPixel = 24;
        break;
    }
    if (page.isNull())
        return {};
    if (bitmap.colorTable.empty()) {
        const QList<QRgb> table = page.colorTable();
        bitmap.colorTable.assign(table.begin(), table.end());
    }
    bitmap.width = page.width();
    bitmap.height = page.height();
    bitmap.xPelsPerMeter = page.dotsPerMeterX();
    bitmap.yPelsPerMeter = page.dotsPerMeterY();
    const std::size_t rowBytes = bitmap.stride();
    bitmap.pixels.assign(rowBytes * std::size_t(bitmap.height), 0);
    for (int y = 0; y < bitmap.height; ++y)
        std::memcpy(bitmap.pixels.data() + std::size_t(bitmap.height - 1 - y) * rowBytes,
                    page.constScanLine(y),
                    std::min<std::size_t>(rowBytes, std::size_t(page.bytesPerLine())));
    return bitmap;
}

QImage DeviceIndependentBitmap::toImage() const {
    QImage::Format format = QImage::Format_Invalid;
    switch (bitsPerPixel) {
    case 1:
        format = QImage::Format_Mono;
        break;
    case 4:
    case 8:
        format = QImage::Format_Indexed8;
        break;
    case 16:
        format = QImage::Format_RGB555;
        break;
    case 24:
        format = QImage::Format_BGR888;
        break;
    case 32:
        format = QImage::Format_RGB32;
        break;
    default:
        return {};
    }
    QImage image(width, height, format);
    if (image.isNull())
        return image;
    if (bitsPerPixel <= 8) {
        QList<QRgb> table(colorTable.begin(), colorTable.end());
        table.resize(1 << std::min(bitsPerPixel, 8), qRgb(0, 0, 0));
        image.setColorTable(table);
    }
    const std::size_t rowBytes = stride();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = pixels.data() + std::size_t(height - 1 - y) * rowBytes;
        std::uint8_t* target = image.scanLine(y);
        if (bitsPerPixel == 4) {
            for (int x = 0; x < width; ++x)
                target[x] = (source[x / 2] >> ((x % 2) ? 0 : 4)) & 0x0F;
        } else {
            std::memcpy(target, source,
                        std::min<std::size_t>(rowBytes, std::size_t(image.bytesPerLine())));
        }
    }
    if (xPelsPerMeter > 0)
        image.setDotsPerMeterX(xPelsPerMeter);
    if (yPelsPerMeter > 0)
        image.setDotsPerMeterY(yPelsPerMeter);
    return image;
}

} // namespace quillox::platform
