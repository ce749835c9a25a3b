// Times a colour page at 300 dpi, the test backend's whole 200 x 200 mm glass, from SANE's test
// backend through our manager and the scanner component until the bitmap is complete, by
// memory and by native transfer, against scanimage scanning the same page to a file. Each
// scan starts from nothing, as scanimage does: the manager is opened, SANE started and the
// device opened within the time. An argument gives the number of repetitions.

#include "interleaved_medians.h"
#include "report_errors.h"
#include "scan/twain/twain_component.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

using namespace quillox::twain;

namespace {

constexpr int defaultRepetitions = 9;

// The test backend alone, scanning its colour pattern at 300 dpi over its whole glass.
void configureSane(const QString& folder) {
    const QByteArray settings =
        "number_of_devices 1\nmode Color\ndepth 8\nresolution 300\n"
        "test-picture \"Color pattern\"\ntl_x 0\ntl_y 0\nbr_x 200\nbr_y 200\n";
    for (const auto& [name, text] :
         {std::pair<QString, QByteArray>{"dll.conf", "test\n"}, {"test.conf", settings}}) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            throw std::runtime_error("cannot write the SANE configuration");
    }
    qputenv("SANE_CONFIG_DIR", folder.toLocal8Bit());
}

// Milliseconds from opening our manager until the component holds the whole page.
double componentScanMs(TTwainTransferMode mode, QSize& page) {
    QElapsedTimer timer;
    timer.start();
    TTwainComponent component;
    component.SetLibraryFolders({SANE_MANAGER_FOLDER});
    QEventLoop loop;
    double ms = 0;
    component.OnTwainAcquire = [&](TTwainComponent&, int,
                                   const quillox::platform::DeviceIndependentBitmap& bitmap,
                                   bool& cancel) {
        ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        page = QSize(bitmap.width, bitmap.height);
        cancel = true;
        loop.quit();
    };
    if (!component.LoadLibrary())
        throw std::runtime_error("our manager did not load from " SANE_MANAGER_FOLDER);
    component.SetSourceManagerLoaded(true);
    TTwainSource* source = component.SourceAt(0);
    if (!source)
        throw std::runtime_error("SANE lists no test device");
    source->SetTransferMode(mode);
    source->SetShowUI(false);
    source->SetLoaded(true);
    source->SetEnabled(true);
    QTimer::singleShot(60000, &loop, [&loop] { loop.exit(1); });
    if (loop.exec() != 0)
        throw std::runtime_error("the scan did not complete in a minute");
    return ms;
}

// scanimage now and then hangs on the test backend, for reasons of its own; such a run is
// stopped after ten seconds, counted, and scanned again.
int hungScanimageRuns = 0;

double scanimageMs(const QString& file) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start("scanimage", {"-d", "test:0", "--format=pnm", "-o", file});
        if (process.waitForFinished(10000) && process.exitCode() == 0)
            return static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (process.state() == QProcess::NotRunning)
            throw std::runtime_error("scanimage failed: " + process.errorString().toStdString() +
                                     " " + process.readAllStandardError().toStdString());
        process.kill();
        process.waitForFinished();
        ++hungScanimageRuns;
    }
    throw std::runtime_error("scanimage hung three times in a row");
}

int run(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repetitions = argc == 2 ? std::atoi(argv[1]) : defaultRepetitions;
    if (argc > 2 || repetitions < 1) {
        std::fprintf(stderr, "usage: %s [repetitions]\n", argv[0]);
        return 2;
    }
    // Beside the build, on its disk, where scanimage writes its file.
    QTemporaryDir folder(QDir(QString::fromLocal8Bit(argv[0])).absoluteFilePath("..") +
                         "/sane-bench-XXXXXX");
    if (!folder.isValid())
        throw std::runtime_error("cannot make a folder: " + folder.errorString().toStdString());
    configureSane(folder.path());
    QGuiApplication application(argc, argv);
    const QString file = folder.filePath("page.pnm");

    QSize page;
    std::printf("A colour page at 300 dpi from SANE's test backend, medians of %d, same run\n",
                repetitions);
    std::printf("%-28s %12s %14s %7s\n", "way", "component", "scanimage", "ratio");
    for (const auto& [mode, name] :
         {std::pair{ttmMemory, "memory transfer"}, std::pair{ttmNative, "native transfer"}}) {
        const MedianPair times = interleavedMedians(
            repetitions, [&] { return componentScanMs(mode, page); },
            [&] { return scanimageMs(file); });
        std::printf("%-28s %9.1f ms %11.1f ms %7.2f\n", name, times.measuredMs, times.baselineMs,
                    times.measuredMs / times.baselineMs);
    }
    std::printf("page: %d x %d pixels, %lld bytes written by scanimage\n", page.width(),
                page.height(), static_cast<long long>(QFileInfo(file).size()));
    std::printf("scanimage runs stopped as hung and scanned again: %d\n", hungScanimageRuns);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_sane_scan_bench", run, argc, argv);
}
