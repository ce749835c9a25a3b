#include "image_files.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <stdexcept>

namespace quillox::artwork {
namespace {

[[noreturn]] void fail(const QString& path, const QString& problem) {
    throw std::runtime_error((path + ": " + problem).toStdString());
}

QImage readBack(const QString& path, QSize expectedSize) {
    const QImage written(path);
    if (written.isNull())
        fail(path, "cannot be read back");
    if (written.size() != expectedSize)
        fail(path, "was read back with another size");
    return written;
}

// The bit count field of the BMP info header, which the reader does not report.
int bmpBitsPerPixel(const QString& path) {
    constexpr int bitCountOffset = 28;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, "cannot be opened");
    const QByteArray header = file.read(bitCountOffset + 2);
    if (header.size() < bitCountOffset + 2)
        fail(path, "has no BMP header");
    return qFromLittleEndian<quint16>(header.constData() + bitCountOffset);
}

// The BMP writer copies whole scanlines, the bytes that pad them to 32 bits included, and those
// are left uninitialised by conversions; clearing them makes the same picture give the same file.
QImage withClearedPadding(const QImage& picture) {
    QImage cleared(picture.size(), picture.format());
    cleared.setColorTable(picture.colorTable());
    std::memset(cleared.bits(), 0, static_cast<std::size_t>(cleared.sizeInBytes()));
    const auto rowBytes = static_cast<std::size_t>((picture.width() * picture.depth() + 7) / 8);
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(cleared.scanLine(y), picture.constScanLine(y), rowBytes);
    return cleared;
}

// Files record a resolution, which new pictures take from the screen; one fixed resolution
// keeps the files the same whatever machine draws them.
QImage atFixedResolution(QImage picture) {
    constexpr int dotsPerMeter = 3937; // 100 dots per inch
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    return picture;
}

} // namespace

void writePng(const QImage& picture, const QString& path, PngCompression compression) {
    // Qt's PNG writer stores the data without deflating it at quality 100.
    const int quality = compression == PngCompression::None ? 100 : -1;
    if (!atFixedResolution(picture.convertToFormat(QImage::Format_ARGB32))
             .save(path, "PNG", quality))
        fail(path, "cannot be written");
    if (!readBack(path, picture.size()).hasAlphaChannel())
        fail(path, "lost its alpha channel");
}

void writeBmp(const QImage& picture, const QString& path, int bitsPerPixel) {
    const QImage::Format format =
        bitsPerPixel == 8 ? QImage::Format_Indexed8 : QImage::Format_RGB888;
    if (picture.format() != format)
        fail(path, "is not in the form of its file");
    if (!atFixedResolution(withClearedPadding(picture)).save(path, "BMP"))
        fail(path, "cannot be written");
    readBack(path, picture.size());
    if (bmpBitsPerPixel(path) != bitsPerPixel)
        fail(path, QString("was not written with %1 bits per pixel").arg(bitsPerPixel));
}

void writeJpeg(const QImage& picture, const QString& path) {
    // High enough that lettering keeps clean edges, low enough to keep the file small.
    constexpr int quality = 92;
    if (!atFixedResolution(picture.convertToFormat(QImage::Format_RGB32))
             .save(path, "JPEG", quality))
        fail(path, "cannot be written");
    const QImage written = readBack(path, picture.size());
    if (written.isGrayscale() || written.hasAlphaChannel())
        fail(path, "was not written in colour");
}

} // namespace quillox::artwork
