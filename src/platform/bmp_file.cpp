#include "platform/bmp_file.h"

#include "platform/user_error.h"

#include <QSaveFile>
#include <QtEndian>

namespace quillox::platform {
namespace {

template <typename T> void put(QByteArray& bytes, int offset, T value) {
    qToLittleEndian<T>(value, bytes.data() + offset);
}

} // namespace

void writeBmpFile(const DeviceIndependentBitmap& bitmap, const QString& path) {
    constexpr int fileHeader = 14;
    constexpr int infoHeader = 40;
    const auto colours = std::uint32_t(bitmap.colorTable.size());
    const std::uint32_t pixelOffset = fileHeader + infoHeader + 4 * colours;
    const std::uint64_t fileSize = pixelOffset + std::uint64_t(bitmap.pixels.size());
    if (fileSize > UINT32_MAX)
        throw UserError(QString("The scanned page is too large to save as \"%1\".").arg(path));

    QByteArray headers(int(pixelOffset), '\0');
    headers[0] = 'B';
    headers[1] = 'M';
    put<std::uint32_t>(headers, 2, std::uint32_t(fileSize));
    put<std::uint32_t>(headers, 10, pixelOffset);
    put<std::uint32_t>(headers, 14, infoHeader);
    put<std::int32_t>(headers, 18, bitmap.width);
    put<std::int32_t>(headers, 22, bitmap.height);
    put<std::uint16_t>(headers, 26, 1);
    put<std::uint16_t>(headers, 28, std::uint16_t(bitmap.bitsPerPixel));
    put<std::uint32_t>(headers, 34, std::uint32_t(bitmap.pixels.size()));
    put<std::int32_t>(headers, 38, bitmap.xPelsPerMeter);
    put<std::int32_t>(headers, 42, bitmap.yPelsPerMeter);
    put<std::uint32_t>(headers, 46, colours);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const QRgb colour = bitmap.colorTable[i];
        const int at = int(fileHeader + infoHeader + 4 * i);
        headers[at] = char(qBlue(colour));
        headers[at + 1] = char(qGreen(colour));
        headers[at + 2] = char(qRed(colour));
    }

    // Written beside the old file and renamed over it, so a failed save leaves the old one.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(headers) == headers.size() &&
                         file.write(reinterpret_cast<const char*>(bitmap.pixels.data()),
                                    qint64(bitmap.pixels.size())) == qint64(bitmap.pixels.size()) &&
                         file.commit();
    if (!written)
        throw UserError(QString("The scanned page could not be saved as \"%1\": %2")
                            .arg(path, file.errorString()));
}

} // namespace quillox::platform
