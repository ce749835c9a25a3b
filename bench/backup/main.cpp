// Times quillox-db backup against what the system's own tools take for the same copies: cp -r
// of the store folder plus sqlite3's .backup of the database, on a store of 1 GiB of copies
// filed with their fingerprints. Both run once before the timing, so that the page cache holds
// the store, and every run starts with nothing waiting to be written (sync, untimed), so that
// no run pays for the one before. cp leaves its copies in the page cache for the kernel to
// write later, where the backup ends with them on the disk; the same baseline followed by
// sync is timed too. Then restore, for information. Prints medians and their ratio.
// An argument gives the repetitions (9 unless told).

#include "copies_store.h"
#include "quiet_command.h"
#include "report_errors.h"
#include "timing.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

constexpr int defaultRepetitions = 9;
constexpr double target = 1.3;

struct Timed {
    const char* name;
    std::function<void()> run;
    std::vector<double> seconds;
};

void removeFolder(const QString& path) {
    QDir(path).removeRecursively();
}

// Times each action the given number of times, in an order that turns by one every repetition,
// after running each once untimed; before every run, untimed, its outputs go and everything
// waiting is written.
void timeInTurns(std::vector<Timed>& actions, int repetitions, const std::function<void()>& clear) {
    const auto runOne = [&](Timed& action, bool timed) {
        clear();
        ::sync();
        const double seconds = secondsOf(action.run);
        if (timed)
            action.seconds.push_back(seconds);
    };
    for (Timed& action : actions)
        runOne(action, false);
    for (int i = 0; i < repetitions; ++i) {
        for (std::size_t j = 0; j < actions.size(); ++j)
            runOne(actions[(i + j) % actions.size()], true);
    }
    clear();
}

int run(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : defaultRepetitions;
    if (argc > 2 || repetitions < 1) {
        std::fprintf(stderr, "usage: %s [repetitions]\n", argv[0]);
        return 2;
    }
    QTemporaryDir folder(QDir::tempPath() + "/quillox-backup-bench-XXXXXX");
    if (!folder.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    std::printf("Working in %s\nFiling the store...\n", qPrintable(folder.path()));
    std::fflush(stdout);
    const CopiesStore store = makeCopiesStore(folder.path() + "/store");
    const std::string database = store.databaseFile.toStdString();
    const std::string backup = (folder.path() + "/backup").toStdString();
    const std::string copies = (folder.path() + "/cp-copies").toStdString();
    const std::string databaseCopy = (folder.path() + "/sqlite3-copy.abs").toStdString();
    const auto baseline = [&] {
        runQuietly({"cp", "-r", store.storeFolder.toStdString(), copies});
        runQuietly({"sqlite3", database, ".backup '" + databaseCopy + "'"});
    };
    std::vector<Timed> backups = {
        {"quillox-db backup",
         [&] {
             runQuietly({QUILLOX_DB_PATH, "backup", database, backup});
         },
         {}},
        {"cp -r + sqlite3 .backup", baseline, {}},
        {"the same + sync",
         [&] {
             baseline();
             ::sync();
         },
         {}},
    };
    timeInTurns(backups, repetitions, [&] {
        removeFolder(QString::fromStdString(backup));
        removeFolder(QString::fromStdString(copies));
        QFile::remove(QString::fromStdString(databaseCopy));
    });

    // Restore puts the backup into a home of its own each time.
    runQuietly({QUILLOX_DB_PATH, "backup", database, backup});
    const std::string home = (folder.path() + "/restored").toStdString();
    std::vector<Timed> restores = {
        {"quillox-db restore",
         [&] {
             runQuietly({QUILLOX_DB_PATH, "restore", backup},
                        {{"HOME", home},
                         {"XDG_DATA_HOME", home + "/data"},
                         {"XDG_CONFIG_HOME", home + "/config"}});
         },
         {}},
    };
    timeInTurns(restores, repetitions, [&] { removeFolder(QString::fromStdString(home)); });

    const double backupSeconds = median(backups[0].seconds);
    const double baselineSeconds = median(backups[1].seconds);
    const double syncedSeconds = median(backups[2].seconds);
    std::printf(
        "\nA store of %d documents, %s of copies; median of %d, order turning, page cache "
        "warm:\n",
        store.documents,
        qPrintable(QLocale::c().formattedDataSize(store.bytes, 2, QLocale::DataSizeIecFormat)),
        repetitions);
    std::printf("  quillox-db backup             %8.3f s  (ends with the backup on the disk)\n",
                backupSeconds);
    std::printf("  cp -r + sqlite3 .backup       %8.3f s  (leaves the copies to be written)\n",
                baselineSeconds);
    std::printf("  ratio                         %8.2f    (target <= %.2f: %s)\n",
                backupSeconds / baselineSeconds, target,
                backupSeconds / baselineSeconds <= target ? "met" : "MISSED");
    std::printf("  cp -r + sqlite3 .backup + sync%8.3f s  (the copies on the disk too)\n",
                syncedSeconds);
    std::printf("  ratio to that                 %8.2f\n", backupSeconds / syncedSeconds);
    std::printf("  quillox-db restore            %8.3f s  (for information; a flush per copy)\n",
                median(restores[0].seconds));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return runReportingErrors("quillox_backup_bench", run, argc, argv);
}
