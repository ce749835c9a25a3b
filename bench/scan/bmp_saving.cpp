#include "bmp_saving.h"

#include "platform/bmp_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

using quillox::platform::DeviceIndependentBitmap;

namespace {

// The file header and the information header of a BMP file without a colour table.
constexpr std::size_t bmpHeaderBytes = 14 + 40;

double msSince(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void writeAll(int file, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(file, bytes, count);
        if (written <= 0)
            throw std::runtime_error("a plain write failed");
        bytes += written;
        count -= std::size_t(written);
    }
}

void remove(const QString& path) {
    if (!QFile::remove(path))
        throw std::runtime_error("cannot remove " + path.toStdString());
}

} // namespace

BmpSaving::BmpSaving(const DeviceIndependentBitmap& page, const QString& folder)
    : page_(page), bmpPath_(folder + "/page.bmp"), plainPath_(folder + "/plain.bmp") {}

double BmpSaving::bmpMs() {
    QElapsedTimer clock;
    clock.start();
    quillox::platform::writeBmpFile(page_, bmpPath_);
    const double ms = msSince(clock);
    if (QFile(bmpPath_).size() != qint64(bmpHeaderBytes + page_.pixels.size()))
        throw std::runtime_error("writeBmpFile wrote a file of another size");
    remove(bmpPath_);
    return ms;
}

double BmpSaving::plainWriteMs() {
    return plainWrite(false);
}

double BmpSaving::syncedPlainWriteMs() {
    return plainWrite(true);
}

double BmpSaving::plainWrite(bool synced) {
    const char headers[bmpHeaderBytes] = {'B', 'M'};
    QElapsedTimer clock;
    clock.start();
    const int file =
        ::open(QFile::encodeName(plainPath_).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0)
        throw std::runtime_error("cannot create " + plainPath_.toStdString());
    writeAll(file, headers, sizeof headers);
    writeAll(file, reinterpret_cast<const char*>(page_.pixels.data()), page_.pixels.size());
    if (synced && ::fdatasync(file) != 0)
        throw std::runtime_error("cannot flush " + plainPath_.toStdString());
    if (::close(file) != 0)
        throw std::runtime_error("cannot close " + plainPath_.toStdString());
    const double ms = msSince(clock);
    remove(plainPath_);
    return ms;
}
