// Times the browse and search windows on a generated store against the engine's query alone
// and plain SQLite, the program's start-up against a plain Qt program, the memory the program
// takes, and one filing's database work against plain SQLite; prints a summary. Arguments:
// "--documents N" makes the store of N documents (100,000 unless told); a number gives the
// repetitions.

#include "all_windows_memory.h"
#include "app/quillox_application.h"
#include "bench_home.h"
#include "browse_memory.h"
#include "report_errors.h"
#include "search_first_show.h"
#include "store_generator.h"
#include "store_size.h"
#include "windows_session.h"
#include "windows_summary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int defaultRepetitions = 15;

// Where the program keeps what a run needs beside the store, away from the user's own.
void useRuntimeFolder(const QString& folder) {
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder.toUtf8());
}

void measured(const char* what) {
    std::printf("%s measured\n", what);
    std::fflush(stdout);
}

void measureInProcess(int& argc, char** argv, WindowsFigures& figures, const QString& plainFile,
                      int repetitions) {
    quillox::app::QuilloxApplication application(argc, argv);
    WindowsSession session(application);
    session.throwIfReported();
    figures.browseTimes = compareBrowse(session, figures.folder, repetitions);
    measured("browse");
    figures.searchTimes = compareSearch(session, figures.searches, plainFile, repetitions);
    measured("search");
}

// The modes in which this program runs itself for the figures of a fresh process; -1 when
// the arguments ask for none of them.
int runMode(int& argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--browse-memory") == 0)
        return printBrowseMemory(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "--search-first-show") == 0)
        return printSearchFirstShow(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--all-windows-memory") == 0)
        return printAllWindowsMemory(argc, argv, QString::fromLocal8Bit(argv[2]));
    return -1;
}

int run(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const int status = runMode(argc, argv); status >= 0)
        return status;
    const int documents = takeDocumentCount(argc, argv);
    const int repetitions = argc == 2 ? std::atoi(argv[1]) : defaultRepetitions;
    if (argc > 2 || repetitions < 1) {
        std::fprintf(stderr, "usage: %s [--documents N] [repetitions]\n", argv[0]);
        return 2;
    }

    QTemporaryDir folder(QDir::tempPath() + "/quillox-windows-bench-XXXXXX");
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                     qPrintable(folder.errorString()));
        return 1;
    }
    useRuntimeFolder(folder.path() + "/runtime");
    QElapsedTimer timer;
    timer.start();
    const BenchStore store = generateStore(folder.path(), documents);
    WindowsFigures figures;
    figures.documents = documents;
    figures.folder = addBigFolder(store.engineFile, documents);
    figures.searches = chooseSearches(store.engineFile);
    std::printf("Store of %d documents generated in %.1f s in %s\nbrowse folder %s, search words "
                "%s\n",
                documents, static_cast<double>(timer.elapsed()) / 1000.0, qPrintable(folder.path()),
                qPrintable(figures.folder.name),
                qPrintable(figures.searches.twoWordsTenYears.words.join(' ')));
    std::fflush(stdout);

    figures.startup =
        compareStartup(QUILLOX_PROGRAM, PLAIN_WINDOW_PROGRAM, FIRST_PAINT_REPORT, repetitions);
    measured("start-up");
    figures.memory = measureBrowseMemory(figures.folder.name);
    figures.searchFirstShow = measureSearchFirstShow(repetitions);
    figures.allWindowsPeakKb = measureAllWindowsPeakKb(figures.folder.name);
    measured("memory and the search window's first showing");
    measureInProcess(argc, argv, figures, store.plainFile, repetitions);
    // Last, since it adds documents and terms to the store.
    figures.filing = compareDatabaseWork(store, folder.path(), repetitions);
    measured("filing");
    printWindowsSummary(figures);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_windows_bench", run, argc, argv);
}
