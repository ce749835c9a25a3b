#include "windows_summary.h"

#include <cstdio>
#include <string>

namespace {

constexpr double browseTarget = 3.0;
constexpr double searchTarget = 1.5;
constexpr double startupTarget = 2.0;

void printPair(const std::string& label, double windowMs, double baselineMs, double target) {
    const double ratio = windowMs / baselineMs;
    std::printf("%-46s %9.2f ms %9.2f ms %7.2f %7.2f %5s\n", label.c_str(), windowMs, baselineMs,
                ratio, target, ratio <= target ? "yes" : "NO");
}

double megabytes(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

} // namespace

void printWindowsSummary(const WindowsFigures& figures) {
    const BrowseFigures& browse = figures.browseTimes;
    const SearchFigures& search = figures.searchTimes;
    const StartupFigures& startup = figures.startup;
    std::printf("\nWindows against their baselines (medians, wall clock, order alternating; "
                "ratio = window / baseline)\n");
    std::printf("%-46s %12s %12s %7s %7s %5s\n", "case", "window", "baseline", "ratio", "target",
                "met");
    printPair("browse: " + std::to_string(browse.tiles) + " subfolders, " +
                  std::to_string(browse.rows) + " documents",
              browse.windowMs, browse.engineMs, browseTarget);
    printPair("search: 2 words, " + std::to_string(search.rows) + " documents", search.windowMs,
              search.engineMs, searchTarget);
    printPair("start-up until the main window is painted", startup.programMs, startup.plainMs,
              startupTarget);
    std::printf("baselines: the engine's query alone, reading the shown columns; a plain Qt "
                "program showing a 483x210 window\n");
    std::printf("repetitions: browse %d, search %d, start-up %d\n", browse.repetitions,
                search.repetitions, startup.repetitions);

    std::printf("\nReported only\n");
    std::printf("%-46s %s, %s to %s\n", "search words and dates",
                qPrintable(figures.search.words.join(' ')),
                qPrintable(figures.search.from.toString(Qt::ISODate)),
                qPrintable(figures.search.to.toString(Qt::ISODate)));
    std::printf("%-46s %d documents (engine alone %d), %d folders\n", "search result", search.rows,
                search.engineRows, search.folderRows);
    std::printf("%-46s %d documents (engine alone %d)\n", "browse result", browse.rows,
                browse.engineRows);
    std::printf("%-46s %9.2f ms (%d top-level tiles)\n", "browse window, first show",
                browse.topLevelMs, browse.topLevelTiles);
    std::printf("%-46s %9.2f ms (word list and every document)\n", "search window, first show",
                search.firstShowMs);
    const ScrollFigures& scroll = search.scroll;
    std::printf("%-46s %9.2f ms median a step, slowest %.2f ms; %d steps of %d rows, %d "
                "painted\n",
                "scrolling the search grid through", scroll.medianMs, scroll.slowestMs,
                scroll.steps, scroll.rowsPerStep, scroll.paintedSteps);
    std::printf("%-46s %9.1f MB (the plain window program: %.1f MB)\n",
                "peak memory of the program at start-up", megabytes(startup.programPeakKb),
                megabytes(startup.plainPeakKb));
    const BrowseMemory& memory = figures.memory;
    if (memory.measured) {
        std::printf("%-46s %9.1f MB (resident there %.1f MB; peak %.1f MB with the main window, "
                    "%.1f MB on the top level)\n",
                    "peak memory, browse window on the folder", megabytes(memory.folderPeakKb),
                    megabytes(memory.folderKb), megabytes(memory.mainWindowPeakKb),
                    megabytes(memory.topLevelPeakKb));
    } else {
        std::printf("%-46s not measured\n", "peak memory, browse window on the folder");
    }
}
