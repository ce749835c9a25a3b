// Times `quillox-db check` on a generated store whose every document has a small stored copy,
// against what listing the store folder and reading every row take: `find STORE -type f | wc -l`
// plus the engine's full pass over Documents. The first check, which records a fingerprint for
// every copy, is timed once apart; the timed checks find the fingerprints recorded and read no
// copy. Arguments: "--documents N" (100,000 unless told) and the number of repetitions (9).

#include "engine_session.h"
#include "plain_sqlite.h"
#include "report_errors.h"
#include "row_readers.h"
#include "run_command.h"
#include "store/misc_ops.h"
#include "store_generator.h"
#include "store_size.h"
#include "timing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr double target = 2.0;

// Copies of 1 to 8 KiB, each of its own bytes.
void writeCopies(const QString& storeFolder, int documents) {
    QDir().mkpath(storeFolder);
    std::uint32_t seed = 2463534242u;
    QByteArray bytes;
    for (int id = 1; id <= documents; ++id) {
        bytes.resize(1024 + static_cast<int>((static_cast<std::uint32_t>(id) * 7919u) % 7168u));
        for (char& byte : bytes) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            byte = static_cast<char>(seed);
        }
        QFile file(storeFolder + QString::number(id) + ".pdf");
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write " + file.fileName().toStdString());
    }
}

void pointRowsAtCopies(const QString& databaseFile, const QString& storeFolder) {
    PlainDb db(databaseFile);
    db.exec(("UPDATE Documents SET Path = '" + storeFolder + "' || ID || '.pdf'").toStdString());
}

void shell(const QString& command) {
    runCommand({"sh", "-c", command.toStdString()});
}

int run(int argc, char** argv) {
    const int documents = takeDocumentCount(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
    if (argc > 2 || repetitions < 1) {
        std::fprintf(stderr, "usage: %s [--documents N] [repetitions]\n", argv[0]);
        return 2;
    }
    QTemporaryDir folder(QDir::tempPath() + "/quillox-check-bench-XXXXXX");
    if (!folder.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    const BenchStore store = generateStore(folder.path(), documents);
    const QString storeFolder = quillox::store::storeFolderPath();
    pointRowsAtCopies(store.engineFile, storeFolder);
    writeCopies(storeFolder, documents);
    std::printf("A store of %d documents, each with a stored copy of 1 to 8 KiB, in %s\n",
                documents, qPrintable(folder.path()));

    const QString check = QString(QUILLOX_DB_PATH) + " check '" + store.engineFile + "' >/dev/null";
    const QString find = "find '" + storeFolder + "' -type f | wc -l >/dev/null";
    const double first = secondsOf([&] { shell(check); });
    std::printf("  first check, recording every copy's fingerprint: %.3f s\n", first);
    std::fflush(stdout);

    EngineSession session;
    std::vector<double> checks, finds, passes;
    for (int i = 0; i <= repetitions; ++i) {
        const double c = secondsOf([&] { shell(check); });
        const double f = secondsOf([&] { shell(find); });
        const double p = secondsOf([&] { readEngineRows(session.data.tDocuments); });
        if (i == 0)
            continue; // warms the page cache for both sides
        checks.push_back(c);
        finds.push_back(f);
        passes.push_back(p);
    }
    const double checkS = median(checks), findS = median(finds), passS = median(passes);
    std::printf("Median of %d, order alternating:\n", repetitions);
    std::printf("  quillox-db check                %8.3f s\n", checkS);
    std::printf("  find STORE -type f | wc -l      %8.3f s\n", findS);
    std::printf("  engine's full pass over rows    %8.3f s\n", passS);
    const double ratio = checkS / (findS + passS);
    std::printf("  ratio to find + full pass       %8.2f   (target <= %.2f: %s)\n", ratio, target,
                ratio <= target ? "met" : "MISSED");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_check_bench", run, argc, argv);
}
