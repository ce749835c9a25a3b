// Times the browse and search windows on a generated store against the engine's query alone,
// and the program's start-up against a plain Qt program, with the memory the program takes;
// prints a summary. Arguments: "--documents N" makes the store of N documents (100,000 unless
// told); a number gives the repetitions.

#include "app/quillox_application.h"
#include "bench_home.h"
#include "browse_memory.h"
#include "report_errors.h"
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

void measureInProcess(int& argc, char** argv, WindowsFigures& figures, int repetitions) {
    quillox::app::QuilloxApplication application(argc, argv);
    WindowsSession session(application);
    session.throwIfReported();
    figures.browseTimes = compareBrowse(session, figures.folder, repetitions);
    std::printf("browse measured\n");
    std::fflush(stdout);
    figures.searchTimes = compareSearch(session, figures.search, repetitions);
    std::printf("search measured\n");
    std::fflush(stdout);
}

int run(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--browse-memory") == 0)
        return printBrowseMemory(argc, argv, QString::fromLocal8Bit(argv[2]));
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
    figures.folder = addBigFolder(store.engineFile, documents);
    figures.search = chooseSearch(store.engineFile);
    std::printf("Store of %d documents generated in %.1f s in %s\nbrowse folder %s, search words "
                "%s\n",
                documents, static_cast<double>(timer.elapsed()) / 1000.0, qPrintable(folder.path()),
                qPrintable(figures.folder.name), qPrintable(figures.search.words.join(' ')));
    std::fflush(stdout);

    figures.startup =
        compareStartup(QUILLOX_PROGRAM, PLAIN_WINDOW_PROGRAM, FIRST_PAINT_REPORT, repetitions);
    std::printf("start-up measured\n");
    std::fflush(stdout);
    figures.memory = measureBrowseMemory(figures.folder.name);
    measureInProcess(argc, argv, figures, repetitions);
    printWindowsSummary(figures);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_windows_bench", run, argc, argv);
}
