#include "platform/tiff_image.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstring>

namespace quillox::platform {
namespace {

// Megabytes a decoded page may take: far beyond any scanner's page, where Qt's own limit is
// below a colour page at 600 dots an inch.
constexpr int largestPageMegabytes = 1024;

} // namespace

bool startsAsTiff(const std::uint8_t* block, std::size_t size) {
    // The signature and the offset of the first directory.
    constexpr std::size_t headerSize = 8;
    return block && size >= headerSize &&
           (std::memcmp(block, "II*\0", 4) == 0 || std::memcmp(block, "MM\0*", 4) == 0);
}

bool canReadTiff() {
    return QImageReader::supportedImageFormats().contains("tiff");
}

QImage readTiff(const std::uint8_t* block, std::size_t size) {
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(block), qsizetype(size)));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "tiff");
    reader.setAllocationLimit(largestPageMegabytes);
    return reader.read();
}

} // namespace quillox::platform
