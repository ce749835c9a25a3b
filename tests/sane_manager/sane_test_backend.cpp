#include "sane_test_backend.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <stdexcept>

// SANE's libraries keep strings from their configuration, and the test backend a buffer of a
// cancelled read, which they never free; only their allocations are left out of the leak
// report. The slow unwinder walks through their frames to ours, so ours stay checked.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libsane.so.1\nleak:libsane-test.so.1\n";
}

extern "C" __attribute__((visibility("default"))) const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

namespace {

class SaneTestBackend {
public:
    SaneTestBackend() {
        for (const char* library : {"libsane.so.1", SANE_TEST_BACKEND})
            ::dlopen(library, RTLD_NOW | RTLD_NODELETE);
        Write("dll.conf", "test\n");
        qputenv("SANE_CONFIG_DIR", folder_.path().toLocal8Bit());
    }

    void Write(const QString& name, const QByteArray& text) {
        QFile file(QDir(folder_.path()).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            throw std::runtime_error("cannot write the SANE configuration");
    }

private:
    QTemporaryDir folder_;
};

// A portable anymap as scanimage writes it: bitmap, graymap or pixmap, 8 or 16 bits.
QImage readAnymap(const QByteArray& data) {
    qsizetype at = 0;
    const auto word = [&] {
        for (;;) {
            while (at < data.size() && QChar(data[at]).isSpace())
                ++at;
            if (at < data.size() && data[at] == '#') {
                while (at < data.size() && data[at] != '\n')
                    ++at;
                continue;
            }
            break;
        }
        const qsizetype start = at;
        while (at < data.size() && !QChar(data[at]).isSpace())
            ++at;
        return data.mid(start, at - start);
    };
    const QByteArray kind = word();
    const int width = word().toInt();
    const int height = word().toInt();
    const int maximum = kind == "P4" ? 1 : word().toInt();
    ++at; // the one white space before the samples
    const int channels = kind == "P6" ? 3 : 1;
    const int sampleBytes = maximum > 255 ? 2 : 1;
    const qsizetype rowBytes =
        kind == "P4" ? (width + 7) / 8 : qsizetype(width) * channels * sampleBytes;
    if (width <= 0 || height <= 0 || data.size() < at + rowBytes * height)
        throw std::runtime_error("scanimage wrote no picture: " + kind.toStdString());
    const auto* samples = reinterpret_cast<const unsigned char*>(data.constData() + at);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = samples + y * rowBytes;
        for (int x = 0; x < width; ++x) {
            int value[3];
            for (int c = 0; c < channels; ++c)
                value[c] = row[(x * channels + c) * sampleBytes]; // the high byte comes first
            if (kind == "P4")
                value[0] = (row[x / 8] >> (7 - x % 8)) & 1 ? 0 : 255;
            if (channels == 1)
                value[1] = value[2] = value[0];
            image.setPixel(x, y, qRgb(value[0], value[1], value[2]));
        }
    }
    return image;
}

} // namespace

void useSaneTestBackend(const QByteArray& settings) {
    static SaneTestBackend backend;
    // The backend keeps a setting its configuration no longer gives, so each is given.
    backend.Write("test.conf", "number_of_devices 2\nmode Color\ndepth 8\nresolution 75\n"
                               "test-picture \"Color pattern\"\nhand-scanner false\n"
                               "three-pass false\nppl-loss 0\nread-limit false\n"
                               "read-status-code \"Default\"\n" +
                                   settings);
}

QImage scanimage(const QStringList& options, const QString& device) {
    QProcess process;
    process.start("scanimage", QStringList{"-d", device, "--format=pnm"} + options);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        throw std::runtime_error("scanimage failed: " +
                                 process.readAllStandardError().toStdString());
    return readAnymap(process.readAllStandardOutput());
}
