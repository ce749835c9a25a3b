// Times filing against what the system's own tools and plain SQLite take for the same work:
// a large file through fileDocument against cp and sync, and the database work of one filing
// on a generated store against plain SQLite. Prints medians and their ratios. Arguments:
// "copy" or "database" runs one part only; "--documents N" makes the store of N documents
// (100,000 unless told).

#include "big_file_filing.h"
#include "database_work.h"
#include "report_errors.h"
#include "store_generator.h"
#include "store_size.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace {

constexpr int copyRepetitions = 5;
constexpr int databaseRepetitions = 15;
constexpr double copyTarget = 1.25;

void printRatio(double ratio, double target) {
    std::printf("  ratio                  %8.2f   (target <= %.2f: %s)\n\n", ratio, target,
                ratio <= target ? "met" : "MISSED");
}

void reportCopy(const QString& folder) {
    const BigFileFigures figures = compareBigFileFiling(folder, copyRepetitions);
    std::printf("Filing a file of %lld bytes (%.2f GiB), median of %d, order alternating:\n",
                static_cast<long long>(figures.bytes),
                static_cast<double>(figures.bytes) / (1 << 30), figures.repetitions);
    std::printf("  fileDocument           %8.3f s\n", figures.filingSeconds);
    std::printf("  cp + sync of the copy  %8.3f s\n", figures.cpSeconds);
    printRatio(figures.filingSeconds / figures.cpSeconds, copyTarget);
}

void reportDatabase(const QString& folder, int documents) {
    const BenchStore store = generateStore(folder, documents);
    const DatabaseFigures figures = compareDatabaseWork(store, folder, databaseRepetitions);
    std::printf("Database work of one filing, %d tag words of which %d new, on %d documents "
                "and 20,000 terms; median of %d, order alternating:\n",
                figures.words, figures.newWords, documents, figures.repetitions);
    std::printf("  engine                 %8.2f ms\n", figures.engineMs);
    std::printf("    addSearchTerms       %8.2f ms  (one look-up of the words, %d posts)\n",
                figures.addSearchTermsMs, figures.newWords);
    std::printf("    nextId on Documents  %8.2f ms  (largest ID from the index)\n",
                figures.nextIdMs);
    std::printf("    Append and Post      %8.2f ms\n", figures.postMs);
    std::printf("  addSearchTerms again, every word known: %.2f ms (the look-up alone)\n",
                figures.knownWordsMs);
    std::printf("  plain SQLite           %8.2f ms  (the store file's indexes, %d autocommitted "
                "inserts)\n",
                figures.plainMs, figures.newWords + 1);
    printRatio(figures.engineMs / figures.plainMs, databaseWorkTarget);
}

int run(int argc, char** argv) {
    const int documents = takeDocumentCount(argc, argv);
    const bool copy = argc < 2 || std::strcmp(argv[1], "copy") == 0;
    const bool database = argc < 2 || std::strcmp(argv[1], "database") == 0;
    if (argc > 2 || (!copy && !database)) {
        std::fprintf(stderr, "usage: %s [--documents N] [copy|database]\n", argv[0]);
        return 2;
    }
    QTemporaryDir folder(QDir::tempPath() + "/quillox-filing-bench-XXXXXX");
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                     qPrintable(folder.errorString()));
        return 1;
    }
    std::printf("Working in %s\n\n", qPrintable(folder.path()));
    std::fflush(stdout);
    if (copy) {
        reportCopy(folder.path() + "/copy");
        std::fflush(stdout);
    }
    if (database)
        reportDatabase(folder.path() + "/database", documents);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_filing_bench", run, argc, argv);
}
