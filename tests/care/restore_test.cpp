#include "care_run.h"
#include "filed_documents.h"
#include "platform/sha256.h"
#include "platform/sha256_bytes.h"
#include "platform/user_error.h"
#include "store/add_folder.h"
#include "store/file_document.h"
#include "store/table_names.h"
#include "store/tdm_data.h"
#include "store_damage.h"
#include "temp_home.h"
#include "test_files.h"

#include "child_process.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillox::testing {
namespace {

// Copies a folder of files, one level of folders deep, as a backup is.
void copyBackup(const QString& from, const QString& to) {
    QDir().mkpath(to + "/documents");
    for (const QString& name : QDir(from).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(from + "/" + name, to + "/" + name));
    for (const QString& name : QDir(from + "/documents").entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(from + "/documents/" + name, to + "/documents/" + name));
}

// Points the manifest's first stored copy at the path, and puts a file of the copy's bytes
// there, so that only the path itself can be refused.
void nameCopyAs(const QString& backup, const QString& path) {
    const care::BackupManifest manifest = manifestOf(backup);
    care::ManifestFile copy = manifest.files[1];
    writeFile(path.startsWith('/') ? path : backup + "/" + path,
              contentsOf(backup + "/" + QString::fromUtf8(copy.path)));
    copy.path = path.toUtf8();
    writeManifest(backup, withFile(manifest, 1, copy));
}

// A backup of a store of documents 1 and 2, taken in a home of its own; then the home that
// restores, with a store of document 10.
class Restore : public ::testing::Test {
protected:
    Restore() {
        {
            TempHome source;
            makeStore(source, 1, 2);
            const CareRun run =
                runQuilloxDb({"backup", source.databaseFolder() + "main.abs", backup()});
            EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        }
        target.emplace();
        makeStore(*target, 10, 10);
    }

    QString backup() const { return work.path() + "/backup"; }
    // The backup's stored copy of document N, by its name in the manifest.
    QString copyName(int number) const {
        for (const care::ManifestFile& file : manifestOf(backup()).files) {
            if (contentsOf(backup() + "/" + QString::fromUtf8(file.path)) == documentBytes(number))
                return QString::fromUtf8(file.path).mid(QString("documents/").size());
        }
        return {};
    }

    QTemporaryDir work;
    std::optional<TempHome> target;
};

struct Refusal {
    const char* name;
    bool replace;
    std::function<void(const QString& backup, const QString& outside)> damage;
    const char* message;
};

TEST_F(Restore, refusesAndChangesNothing) {
    const auto firstCopy = [](const QString& backup) {
        return backup + "/" + QString::fromUtf8(manifestOf(backup).files[1].path);
    };
    const std::vector<Refusal> refusals = {
        {"an existing store without --replace", false, [](const QString&, const QString&) {},
         "A store is there already"},
        {"a changed copy", true,
         [&](const QString& backup, const QString&) {
             QByteArray bytes = contentsOf(firstCopy(backup));
             bytes[1000] = static_cast<char>(bytes[1000] ^ 1);
             QFile::remove(firstCopy(backup));
             writeFile(firstCopy(backup), bytes);
         },
         "differs from what the manifest says"},
        {"a missing copy", true,
         [&](const QString& backup, const QString&) { QFile::remove(firstCopy(backup)); },
         "is missing"},
        {"a copy that is a link", true,
         [&](const QString& backup, const QString& outside) {
             writeFile(outside + "/linked", contentsOf(firstCopy(backup)));
             QFile::remove(firstCopy(backup));
             QFile::link(outside + "/linked", firstCopy(backup));
         },
         "symbolic link"},
        {"a documents folder that is a link", true,
         [](const QString& backup, const QString& outside) {
             ASSERT_TRUE(QDir().rename(backup + "/documents", outside + "/documents"));
             ASSERT_TRUE(QFile::link(outside + "/documents", backup + "/documents"));
         },
         "\"documents\" is a symbolic link, which a backup never holds"},
        {"a path out of the backup", true,
         [](const QString& backup, const QString&) { nameCopyAs(backup, "documents/../../x"); },
         "not well formed"},
        {"a path out of the documents", true,
         [](const QString& backup, const QString&) { nameCopyAs(backup, "../x"); },
         "not well formed"},
        {"an absolute path", true,
         [](const QString& backup, const QString& outside) { nameCopyAs(backup, outside + "/x"); },
         "not well formed"},
        {"a damaged database", true,
         [](const QString& backup, const QString&) {
             const QString database = backup + "/main.abs";
             loseTheIndexChangeOf(database, "INSERT INTO Documents (ID, Document_Name, Path, "
                                            "InputDate, Folder) VALUES (99, 'lost', "
                                            "'/lost.pdf', '2014-01-01', 'FILED')");
             const platform::FileDigest digest = platform::digestFile(database);
             writeManifest(backup, withFile(manifestOf(backup), 0,
                                            {care::backupDatabaseName, digest.size,
                                             platform::sha256FromText(digest.sha256).value()}));
         },
         "is damaged"},
        // Last: the journal stays for the cases after it.
        {"a journal beside the database", true,
         [&](const QString&, const QString&) {
             writeFile(target->databaseFolder() + "main.abs-journal", QByteArray(512, 'j'));
         },
         "lies beside its database"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        QTemporaryDir place;
        const QString damaged = place.path() + "/backups/damaged";
        copyBackup(backup(), damaged);
        refusal.damage(damaged, place.path());
        const QStringList before = listingOf(target->path());
        QStringList arguments = {"restore", damaged};
        if (refusal.replace)
            arguments << "--replace";
        const CareRun run = runQuilloxDb(arguments);
        EXPECT_EQ(run.exitCode, 2) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(refusal.message)) << run.err.toStdString();
        EXPECT_EQ(listingOf(target->path()), before);
    }
}

// A link below the store folder on the way to a copy is refused before anything is written; a
// store folder that is itself a link is the user's own choice, and is restored into.
TEST_F(Restore, writesNothingThroughALinkBelowTheStoreFolder) {
    const QString elsewhere = work.path() + "/elsewhere";
    QDir().mkpath(elsewhere);
    nameCopyAs(backup(), "documents/sub/evil.pdf");
    for (const char* link : {"sub", "deeper/sub"}) {
        SCOPED_TRACE(link);
        const QString at = target->storeFolder() + link;
        QDir().mkpath(QFileInfo(at).absolutePath());
        ASSERT_TRUE(QFile::link(elsewhere, at));
        if (QByteArray(link) == "deeper/sub")
            nameCopyAs(backup(), "documents/deeper/sub/evil.pdf");
        const QStringList before = listingOf(target->path());
        const CareRun run = runQuilloxDb({"restore", backup(), "--replace"});
        EXPECT_EQ(run.exitCode, 2) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("\"" + at + "\" is a symbolic link")) << run.err.toStdString();
        EXPECT_EQ(listingOf(target->path()), before);
        EXPECT_EQ(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList());
        QFile::remove(at);
    }

    const QString realStore = work.path() + "/real-store";
    QDir().mkpath(realStore);
    ASSERT_TRUE(QDir(target->storeFolder()).removeRecursively());
    ASSERT_TRUE(QFile::link(realStore, target->storeFolder().chopped(1)));
    const CareRun run = runQuilloxDb({"restore", backup(), "--replace"});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(realStore + "/deeper/sub/evil.pdf"));
}

// SQLite plays back no journal that is empty or whose header is zeroed, as a kill while a change
// began leaves it: the restore goes on.
TEST_F(Restore, aJournalThatWouldNotBePlayedBackIsNoReasonToRefuse) {
    for (const QByteArray& journal : {QByteArray(), QByteArray(512, '\0')}) {
        SCOPED_TRACE(journal.size());
        writeFile(target->databaseFolder() + "main.abs-journal", journal);
        const CareRun run = runQuilloxDb({"restore", backup(), "--replace"});
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("Restored 2 documents")) << run.out.toStdString();
    }
}

// The replaced database stays beside the new one; the store folder's files stay as they were,
// one of the same bytes is taken for the backup's copy, and a copy whose name another file of
// its size has takes a new one, which its document then names.
TEST_F(Restore, replacesKeepingWhatWasThere) {
    const QString database = target->databaseFolder() + "main.abs";
    const QByteArray replaced = contentsOf(database);
    const QString clashing = target->storeFolder() + copyName(1);
    const QString same = target->storeFolder() + copyName(2);
    QByteArray otherBytes = documentBytes(1);
    otherBytes[0] = 'D';
    writeFile(clashing, otherBytes);
    writeFile(same, documentBytes(2));
    const QStringList storeBefore = listingOf(target->storeFolder());

    const CareRun run = runQuilloxDb({"restore", backup(), "--replace"});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();

    const QStringList kept = QDir(target->databaseFolder()).entryList({"main.abs.replaced-*"});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(contentsOf(target->databaseFolder() + kept[0]), replaced);
    for (const QString& line : storeBefore)
        EXPECT_TRUE(listingOf(target->storeFolder()).contains(line)) << line.toStdString();
    const QString restoredName = QString(copyName(1)).replace(".pdf", " (restored).pdf");
    EXPECT_EQ(contentsOf(target->storeFolder() + restoredName), documentBytes(1));
    const CareRun paths =
        runQuilloxDb({database, "-c", "SELECT Document_Name, Path FROM Documents"});
    EXPECT_EQ(paths.out, QString("Document_Name\tPath\nDocument 1\t%1\nDocument 2\t%2\n")
                             .arg(target->storeFolder() + restoredName, same));
}

// The peak memory, in KiB, of a quillox-db restore of the folder, run from a child of its own so
// that no earlier run counts.
long restorePeakKib(const QString& folder) {
    const std::string report = reportFromChild([&] {
        const QByteArray path = QFile::encodeName(folder);
        const pid_t restore = fork();
        if (restore == 0) {
            execl(QUILLOX_DB_PATH, "quillox-db", "restore", path.constData(), nullptr);
            _exit(127);
        }
        int status = 0;
        if (restore < 0 || waitpid(restore, &status, 0) != restore || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 2)
            return std::string("the restore was not refused");
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return std::to_string(usage.ru_maxrss);
    });
    try {
        return std::stol(report);
    } catch (const std::exception&) {
        ADD_FAILURE() << report;
        return -1;
    }
}

// A manifest of one line far longer than any a backup writes is refused having read little of
// it: a restore stays within 64 MiB.
TEST(RestoreMemory, anOverlongManifestLineIsRefusedEarly) {
    QTemporaryDir folder;
    QFile manifest(folder.filePath("manifest"));
    ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
    manifest.write("Quillox backup manifest, version 1\nstore\t/");
    const QByteArray chunk(1 << 20, 'a');
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(manifest.write(chunk), chunk.size());
    manifest.close();
    const long peak = restorePeakKib(folder.path());
    EXPECT_GT(peak, 0);
    EXPECT_LE(peak, 64 * 1024) << peak << " KiB";
}

// A real backup's manifest with a million records of made-up files added is refused at the
// first of them: a restore stays within 64 MiB.
TEST(RestoreMemory, aMillionRecordsOfMissingFilesAreRefusedEarly) {
    QTemporaryDir work;
    const QString backup = work.filePath("backup");
    {
        TempHome source;
        makeStore(source, 1, 2);
        ASSERT_EQ(runQuilloxDb({"backup", source.databaseFolder() + "main.abs", backup}).exitCode,
                  0);
    }
    // Written through one small buffer: the restore's peak counts this process's memory at the
    // fork too, and a sanitizer keeps freed memory resident for a while.
    {
        const QString manifestPath = backup + "/" + care::manifestName;
        QByteArray head = contentsOf(manifestPath);
        const auto files = static_cast<qsizetype>(manifestOf(backup).files.size());
        head.truncate(head.lastIndexOf("end\t"));
        QFile::remove(manifestPath);
        QFile manifest(manifestPath);
        ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
        manifest.write(head);
        constexpr qsizetype madeUp = 1'000'000;
        const std::string digest(64, 'a');
        char record[128];
        for (qsizetype i = 0; i < madeUp; ++i) {
            const int length =
                std::snprintf(record, sizeof record, "file\tdocuments/missing-%lld\t1\t%s\n",
                              static_cast<long long>(i), digest.c_str());
            manifest.write(record, length);
        }
        manifest.write("end\t" + QByteArray::number(files + madeUp) + "\n");
        ASSERT_TRUE(manifest.flush());
    }
    const TempHome home;
    const long peak = restorePeakKib(backup);
    EXPECT_GT(peak, 0);
    EXPECT_LE(peak, 64 * 1024) << peak << " KiB";
}

// What a killed restore left in the home: whether the marker, the database and the staged
// database are there, and how many files the store folder holds.
QString stateOf(const TempHome& home) {
    const QString database = home.databaseFolder() + "main.abs";
    const auto there = [](const QString& path) { return QFileInfo(path).exists() ? "1" : "0"; };
    return QString("marker %1 database %2 staged %3 copies %4")
        .arg(there(database + ".restoring"), there(database),
             there(home.databaseFolder() + ".main.abs.restoring"))
        .arg(QDir(home.storeFolder()).entryList(QDir::Files).size());
}

// Kills the restore once the condition holds, or lets it end first.
void killWhen(QProcess& restore, const std::function<bool()>& condition) {
    // Taken while it runs: once it ended, the process id reads 0, which kill takes as every
    // process of the group.
    const auto pid = static_cast<pid_t>(restore.processId());
    ASSERT_GT(pid, 0);
    // Waiting a little at a time is what tells the QProcess that the process ended.
    while (!condition() && !restore.waitForFinished(1)) {
    }
    if (restore.state() == QProcess::Running)
        ::kill(pid, SIGKILL);
    restore.waitForFinished(60000);
}

// A restore of many small copies killed at many moments, into a home without a store: each
// time, the next start either works without any restored copy, or says that the restore was
// interrupted and creates nothing; the same command run again then finishes it, and the store
// checks clean with no leftovers.
TEST(InterruptedRestore, isRecognisedAtTheNextStartAndFinishedByTheSameCommand) {
    constexpr int documents = 80;
    QTemporaryDir work;
    const QString backup = work.path() + "/backup";
    {
        TempHome source;
        store::TdmData data;
        data.DataModuleCreate();
        store::addFolder(data.tFolders, filedFolder, store::topLevelMarker, 0);
        for (int number = 1; number <= documents; ++number) {
            const QString file = source.path() + QString("/incoming/%1.pdf").arg(number);
            writeFile(file, "small document " + QByteArray::number(number));
            ASSERT_TRUE(store::fileDocument(data,
                                            {file, QString("Document %1").arg(number), "", "SMALL",
                                             QDateTime::currentDateTime(), filedFolder},
                                            {}));
        }
        data.DataModuleDestroy();
        const CareRun run = runQuilloxDb({"backup", source.databaseFolder() + "main.abs", backup});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }

    std::vector<std::function<bool(const TempHome&)>> moments = {
        [](const TempHome&) { return true; },
        [](const TempHome& home) {
            return QFile::exists(home.databaseFolder() + ".main.abs.restoring");
        },
        [](const TempHome& home) {
            return QFile::exists(home.databaseFolder() + "main.abs.restoring");
        },
        [](const TempHome& home) { return QFile::exists(home.databaseFolder() + "main.abs"); },
    };
    for (int copies : {1, 3, 8, 15, 25, 35, 45, 55, 65, 75, documents}) {
        moments.push_back([copies](const TempHome& home) {
            return QDir(home.storeFolder()).entryList(QDir::Files).size() >= copies;
        });
    }
    QSet<QString> states;
    for (std::size_t moment = 0; moment < moments.size(); ++moment) {
        SCOPED_TRACE(moment);
        TempHome home;
        QProcess restore;
        restore.start(QUILLOX_DB_PATH, {"restore", backup});
        ASSERT_TRUE(restore.waitForStarted(30000));
        killWhen(restore, [&] { return moments[moment](home); });
        const QString state = stateOf(home);
        SCOPED_TRACE(state.toStdString());
        states.insert(state);
        const QString database = home.databaseFolder() + "main.abs";
        const bool databaseWasThere = QFile::exists(database);

        store::TdmData data;
        if (!QFile::exists(database + ".restoring")) {
            const bool finished = databaseWasThere;
            EXPECT_TRUE(finished || QDir(home.storeFolder()).entryList(QDir::Files).isEmpty());
            EXPECT_NO_THROW(data.DataModuleCreate());
            continue;
        }
        try {
            data.DataModuleCreate();
            ADD_FAILURE() << "the start-up opened a store whose restore was interrupted";
        } catch (const platform::UserError& error) {
            EXPECT_TRUE(QString(error.what()).contains("quillox-db restore \"" + backup + "\""))
                << error.what();
        }
        EXPECT_EQ(QFile::exists(database), databaseWasThere);

        const CareRun rerun = runQuilloxDb({"restore", backup});
        ASSERT_EQ(rerun.exitCode, 0) << rerun.err.toStdString();
        const CareRun check = runQuilloxDb({"check", database});
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
        EXPECT_EQ(QDir(home.databaseFolder())
                      .entryList({"*.restoring*"}, QDir::AllEntries | QDir::Hidden),
                  QStringList());
    }
    EXPECT_GE(states.size(), 10) << QStringList(states.values()).join("\n").toStdString();
}

} // namespace
} // namespace quillox::testing
