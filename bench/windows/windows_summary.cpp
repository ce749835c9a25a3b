#include "windows_summary.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr double browseTarget = 3.0;
constexpr double searchTarget = 1.5;
constexpr double startupTarget = 2.0;

void printPair(const std::string& label, double windowMs, double baselineMs,
               std::optional<double> target = std::nullopt) {
    const double ratio = windowMs / baselineMs;
    std::printf("%-52s %9.2f ms %9.2f ms %7.2f", label.c_str(), windowMs, baselineMs, ratio);
    if (target)
        std::printf(" %7.2f %5s\n", *target, ratio <= *target ? "yes" : "NO");
    else
        std::printf(" %7s %5s\n", "-", "-");
}

void printMs(const std::string& label, double ms, const std::string& note) {
    std::printf("%-52s %9.2f ms %s\n", label.c_str(), ms, note.c_str());
}

double megabytes(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

std::string searchText(const SearchChoice& choice) {
    return (choice.words.isEmpty() ? QString("no word") : choice.words.join(' ')).toStdString() +
           ", " + choice.from.toString(Qt::ISODate).toStdString() + " to " +
           choice.to.toString(Qt::ISODate).toStdString();
}

std::string rowsText(const SearchPair& pair) {
    return std::to_string(pair.rows) + " documents";
}

void printPairs(const WindowsFigures& figures) {
    const BrowseFigures& browse = figures.browseTimes;
    const SearchFigures& search = figures.searchTimes;
    const StartupFigures& startup = figures.startup;
    const DatabaseFigures& filing = figures.filing;
    std::printf("\nWindows against their baselines on %d documents (medians, wall clock, order "
                "alternating; ratio = window / baseline)\n",
                figures.documents);
    std::printf("%-52s %12s %12s %7s %7s %5s\n", "case", "window", "baseline", "ratio", "target",
                "met");
    printPair("browse: " + std::to_string(browse.tiles) + " subfolders, " +
                  std::to_string(browse.rows) + " documents",
              browse.windowMs, browse.engineMs, browseTarget);
    printPair("search: 2 words, 10 years, " + rowsText(search.tenYears), search.tenYears.windowMs,
              search.tenYears.baselineMs, searchTarget);
    printPair("search: 2 words, 6 months, " + rowsText(search.sixMonths) + " *",
              search.sixMonths.windowMs, search.sixMonths.baselineMs);
    printPair("start-up until the main window is painted", startup.programMs, startup.plainMs,
              startupTarget);
    printPair("filing's database work: " + std::to_string(filing.words) + " tag words, " +
                  std::to_string(filing.newWords) + " new *",
              filing.engineMs, filing.plainMs, databaseWorkTarget);
    std::printf("baselines: the engine's query alone, reading the shown columns; * plain SQLite (a "
                "search on the plain table without further indexes, a filing with the store "
                "file's indexes and durability); a plain Qt program showing a 483x210 window\n");
    std::printf("searches: until the grid holds its first screen of rows; the baselines read "
                "every row\n");
    std::printf("repetitions: browse %d, search %d, start-up %d, filing %d\n", browse.repetitions,
                search.repetitions, startup.repetitions, filing.repetitions);
}

void printTimes(const WindowsFigures& figures) {
    const BrowseFigures& browse = figures.browseTimes;
    const SearchFigures& search = figures.searchTimes;
    const SearchFirstShow& firstShow = figures.searchFirstShow;
    std::printf("\nReported only\n");
    std::printf("%-52s %s; %s; %s\n", "searches",
                searchText(figures.searches.twoWordsTenYears).c_str(),
                searchText(figures.searches.twoWordsSixMonths).c_str(),
                searchText(figures.searches.oneWordAllDates).c_str());
    std::printf("%-52s %d and %d documents (engine alone %d, plain SQLite %d), %d folders\n",
                "search results, 2 words", search.tenYears.rows, search.sixMonths.rows,
                search.tenYears.baselineRows, search.sixMonths.baselineRows, search.folderRows);
    printMs("search: 1 word, every date", search.oneWordMs,
            "(" + std::to_string(search.oneWordRows) + " documents)");
    printMs("search window's first showing, until painted and free", firstShow.ms,
            "(median of " + std::to_string(firstShow.runs) + " fresh runs)");
    std::printf("%-52s %+9.1f MB (resident %.1f MB before, %.1f MB after)\n",
                "resident memory across that first showing", megabytes(firstShow.growthKb),
                megabytes(firstShow.residentBeforeKb), megabytes(firstShow.residentAfterKb));
    printMs("browse window on the top level, until usable", browse.topLevelMs,
            "(" + std::to_string(browse.topLevelTiles) + " tiles)");
    std::printf("%-52s %d documents (engine alone %d)\n", "browse result", browse.rows,
                browse.engineRows);
    const ScrollFigures& scroll = search.scroll;
    const std::string spread =
        scroll.pagesPerTimedStep > 1
            ? "one timed every " + std::to_string(scroll.pagesPerTimedStep) + " pages"
            : "every page";
    std::printf("%-52s %9.2f ms median a step, slowest %.2f ms; %d steps of %d rows, %d "
                "painted; %s of %d rows\n",
                "scrolling the search grid through", scroll.medianMs, scroll.slowestMs,
                scroll.steps, scroll.rowsPerStep, scroll.paintedSteps, spread.c_str(), scroll.rows);
}

void printMemoryAndFiling(const WindowsFigures& figures) {
    const StartupFigures& startup = figures.startup;
    std::printf("%-52s %9.1f MB (the plain window program: %.1f MB)\n",
                "peak memory of the program at start-up", megabytes(startup.programPeakKb),
                megabytes(startup.plainPeakKb));
    const BrowseMemory& memory = figures.memory;
    std::printf("%-52s %9.1f MB (resident there %.1f MB; peak %.1f MB with the main window, "
                "%.1f MB on the top level)\n",
                "peak memory, browse window on the folder", megabytes(memory.folderPeakKb),
                megabytes(memory.folderKb), megabytes(memory.mainWindowPeakKb),
                megabytes(memory.topLevelPeakKb));
    std::printf("%-52s %9.1f MB\n", "peak memory, every window shown once",
                megabytes(figures.allWindowsPeakKb));
    const DatabaseFigures& filing = figures.filing;
    std::printf("%-52s %9.2f ms addSearchTerms, %.2f ms nextId, %.2f ms Append and Post; "
                "%.2f ms addSearchTerms with every word known\n",
                "filing's database work on the engine, in parts", filing.addSearchTermsMs,
                filing.nextIdMs, filing.postMs, filing.knownWordsMs);
}

} // namespace

void printWindowsSummary(const WindowsFigures& figures) {
    printPairs(figures);
    printTimes(figures);
    printMemoryAndFiling(figures);
}
