#pragma once

#include <QImage>
#include <QString>

namespace quillox::artwork {

// Each writer saves the picture in the stated form, reads the file back and throws
// std::runtime_error when the file does not hold that form.

// 32 bits per pixel with alpha. An uncompressed file trades size for decoding time, for the
// pictures the program waits for at start-up.
enum class PngCompression { Full, None };
void writePng(const QImage& picture, const QString& path,
              PngCompression compression = PngCompression::Full);

// A BMP of 24 bits per pixel (true colour) or 8 (256-colour palette).
void writeBmp(const QImage& picture, const QString& path, int bitsPerPixel);

// A colour JPEG: three components, no alpha.
void writeJpeg(const QImage& picture, const QString& path);

} // namespace quillox::artwork
