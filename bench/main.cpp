// Builds a large store, times the engine against plain SQLite on it, and prints a summary.
// "--documents N" sets the store's size (100,000 documents unless told); flags of Google
// Benchmark pass through; repetitions of different cases are interleaved
// unless told otherwise, so that a change of load on the machine touches both sides of a pair.

#include "bench_store.h"
#include "open_memory.h"
#include "report_errors.h"
#include "store_generator.h"
#include "store_size.h"
#include "summary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char* const interleaving = "--benchmark_enable_random_interleaving=true";

int run(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--open-store") == 0)
        return printOpenMemory(QString::fromLocal8Bit(argv[2]));
    const int documents = takeDocumentCount(argc, argv);

    std::vector<char*> args(argv, argv + argc);
    bool interleavingGiven = false;
    for (char* arg : args)
        interleavingGiven |= std::strstr(arg, "random_interleaving") != nullptr;
    if (!interleavingGiven)
        args.push_back(const_cast<char*>(interleaving));
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    QTemporaryDir folder(QDir::tempPath() + "/quillox-bench-XXXXXX");
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                     qPrintable(folder.errorString()));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    setBenchStore(generateStore(folder.path(), documents));
    const BenchStore& store = benchStore();
    std::printf("Store of %d documents generated in %.1f s in %s\nsearch words %s and %s, browse "
                "folder %s\n\n",
                documents, static_cast<double>(timer.elapsed()) / 1000.0, qPrintable(folder.path()),
                qPrintable(store.searchWords[0]), qPrintable(store.searchWords[1]),
                qPrintable(store.browseFolder));
    std::fflush(stdout);

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const long peakKb = peakMemoryKb();
    printSummary(reporter.medians(), measureOpenMemory(store.home), peakKb);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_engine_bench", run, argc, argv);
}
