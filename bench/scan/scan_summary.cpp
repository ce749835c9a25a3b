#include "scan_summary.h"

#include "a4_page.h"

#include <cstdio>

namespace {

constexpr double transferTarget = 2.0;
constexpr double saveTarget = 1.5;
// A page held twice would add two pages to the peak.
constexpr double memoryLimit = 2.0;

void printPair(const char* label, const MedianPair& pair, double target) {
    const double ratio = pair.measuredMs / pair.baselineMs;
    std::printf("%-44s %9.2f ms %9.2f ms %7.2f %8.2f %5s\n", label, pair.measuredMs,
                pair.baselineMs, ratio, target, ratio <= target ? "yes" : "NO");
}

void printReported(const char* label, const MedianPair& pair) {
    std::printf("%-44s %9.2f ms %9.2f ms %7.2f\n", label, pair.measuredMs, pair.baselineMs,
                pair.measuredMs / pair.baselineMs);
}

double megabytes(double bytes) {
    return bytes / (1024.0 * 1024.0);
}

void printMemory(const TransferMemory& memory) {
    const char* label = "peak memory added by one transfer";
    if (!memory.measured) {
        std::printf("%-44s not measured\n", label);
        return;
    }
    const double page = megabytes(double(a4Page::pixelBytes));
    const double growth = megabytes(double(memory.peakGrowthKb) * 1024.0);
    std::printf("%-44s %9.1f MB %9.1f MB %7.2f %4s%.2f %5s\n", label, growth, page, growth / page,
                "< ", memoryLimit, growth / page < memoryLimit ? "yes" : "NO");
}

} // namespace

void printScanSummary(const ScanFigures& figures) {
    std::printf("\nA4 page at %d dpi in colour, %d x %d, %zu bytes of pixels, against baselines "
                "(medians of %d, wall clock, order alternating; ratio = measured / baseline)\n",
                a4Page::dotsPerInch, a4Page::width, a4Page::height, a4Page::pixelBytes,
                figures.repetitions);
    std::printf("%-44s %12s %12s %7s %8s %5s\n", "case", "measured", "baseline", "ratio", "target",
                "met");
    printPair("memory transfer, 64 KiB strips", figures.transfer, transferTarget);
    printPair("saving as BMP with writeBmpFile", figures.save, saveTarget);
    printMemory(figures.memory);
    std::printf("transfer: from enabling the source until OnTwainAcquire has the whole bitmap; "
                "baseline memcpy of the page's bytes between two buffers already in memory\n");
    std::printf("saving: writeBmpFile of the transferred page; baseline the same number of bytes "
                "written to a file in the same folder with plain write calls\n");
    std::printf("memory: growth of the peak resident memory (VmHWM) in a fresh process; "
                "baseline one page of pixels\n");

    std::printf("\nReported only, to tell where the time goes (same run, alternating)\n");
    printReported("memcpy into a new allocation / memcpy", figures.freshCopy);
    printReported("writeBmpFile / plain writes and fdatasync", figures.syncedSave);
    std::printf("the scripted source built its page once, untimed, in %.1f s\n",
                figures.sourcePageSeconds);
}
