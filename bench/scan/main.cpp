// Times the memory transfer of a scanned A4 page at 600 dpi in colour against memcpy of its
// bytes, and saving it as BMP against plain writes of as many bytes, with the memory a transfer
// adds; prints a summary. An argument gives the number of repetitions.

#include "bmp_saving.h"
#include "page_transfer.h"
#include "plain_copy.h"
#include "report_errors.h"
#include "scan_summary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int defaultRepetitions = 7;

void announce(const char* what) {
    std::printf("%s\n", what);
    std::fflush(stdout);
}

int run(int argc, char** argv) {
    // The component reads the pointer's position, which needs an application object; no
    // window is shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--transfer-memory") == 0)
        return printTransferMemory();
    const int repetitions = argc == 2 ? std::atoi(argv[1]) : defaultRepetitions;
    if (argc > 2 || repetitions < 1) {
        std::fprintf(stderr, "usage: %s [repetitions]\n", argv[0]);
        return 2;
    }

    ScanFigures figures;
    figures.repetitions = repetitions;
    QElapsedTimer built;
    built.start();
    PageTransfer transfer;
    figures.sourcePageSeconds = static_cast<double>(built.elapsed()) / 1000.0;
    announce("source page built");
    {
        PlainCopy copy;
        figures.transfer = interleavedMedians(
            repetitions, [&] { return transfer.transferMs(); }, [&] { return copy.copyMs(); });
        figures.freshCopy = interleavedMedians(
            repetitions, [&] { return copy.freshCopyMs(); }, [&] { return copy.copyMs(); });
    }
    announce("transfer measured");

    // Beside the build, on its disk.
    QTemporaryDir folder(QCoreApplication::applicationDirPath() + "/scan-bench-XXXXXX");
    if (!folder.isValid())
        throw std::runtime_error("cannot make a folder: " + folder.errorString().toStdString());
    const quillox::platform::DeviceIndependentBitmap page = transfer.keptPage();
    BmpSaving saving(page, folder.path());
    figures.save = interleavedMedians(
        repetitions, [&] { return saving.bmpMs(); }, [&] { return saving.plainWriteMs(); });
    figures.syncedSave = interleavedMedians(
        repetitions, [&] { return saving.bmpMs(); }, [&] { return saving.syncedPlainWriteMs(); });
    announce("saving measured");

    figures.memory = measureTransferMemory();
    printScanSummary(figures);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_scan_bench", run, argc, argv);
}
