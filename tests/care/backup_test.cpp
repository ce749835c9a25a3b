#include "care_run.h"
#include "db/content_fingerprints.h"
#include "db/filing_intents.h"
#include "db/sqlite_connection.h"
#include "filed_documents.h"
#include "platform/sha256.h"
#include "platform/sha256_bytes.h"
#include "store/file_document.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "test_files.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillox::testing {
namespace {

TEST(Backup, refusesAFolderThatIsNotEmpty) {
    TempHome home;
    makeStore(home, 1, 1);
    QTemporaryDir work;
    writeFile(work.path() + "/dest/notes.txt", "mine");
    const QStringList before = listingOf(work.path());

    const CareRun run =
        runQuilloxDb({"backup", home.databaseFolder() + "main.abs", work.path() + "/dest"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("is not empty")) << run.err.toStdString();
    EXPECT_EQ(listingOf(work.path()), before);
}

// A document whose copy is gone is listed and the rest backed up, which restores; files that
// no row names are left out and said to be, and an unfinished copy is not even mentioned.
TEST(Backup, leavesOutWhatItCannotTakeAndBacksUpTheRest) {
    QTemporaryDir work;
    const QString backup = work.path() + "/backup";
    CareRun run;
    {
        TempHome home;
        makeStore(home, 1, 2);
        const QStringList copies = QDir(home.storeFolder()).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(copies.size(), 2);
        ASSERT_TRUE(QFile::remove(home.storeFolder() + copies[0]));
        writeFile(home.storeFolder() + "stray.txt", "not filed");
        writeFile(home.storeFolder() + ".quillox-copy-1f2e", "half a copy");
        run = runQuilloxDb({"backup", home.databaseFolder() + "main.abs", backup});
    }
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("document 1: ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("stray.txt")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(".quillox-copy")) << run.out.toStdString();
    EXPECT_EQ(QDir(backup + "/documents").entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(manifestOf(backup).files.size(), 2U);

    TempHome target;
    const CareRun restored = runQuilloxDb({"restore", backup});
    EXPECT_EQ(restored.exitCode, 0) << restored.out.toStdString() << restored.err.toStdString();
    EXPECT_TRUE(restored.out.contains("document 1: ")) << restored.out.toStdString();
    const QStringList copies = QDir(target.storeFolder()).entryList(QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(contentsOf(target.storeFolder() + copies[0]), documentBytes(2));
}

// A filing under way when the backup is made names its copy only later, in the store, where a
// restore leaves that copy; the start after the restore must not take it for the copy of a
// filing that a kill interrupted.
TEST(Backup, leavesOutTheNamesThatFilingsUnderWayRecorded) {
    TempHome home;
    makeStore(home, 1, 1);
    {
        db::SqliteConnection store(
            QFile::encodeName(home.databaseFolder() + "main.abs").toStdString());
        db::recordFilingIntent(store, "Under way 2013-03-04 10.00.pdf");
    }
    QTemporaryDir work;
    const CareRun run =
        runQuilloxDb({"backup", home.databaseFolder() + "main.abs", work.path() + "/dest"});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    db::SqliteConnection copy(QFile::encodeName(work.path() + "/dest/main.abs").toStdString());
    EXPECT_TRUE(db::readFilingIntents(copy).empty());
}

QByteArray sha256Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Every file the manifest names holds the bytes whose SHA-256 it gives.
void expectManifestMatchesFiles(const QString& backup) {
    const care::BackupManifest manifest = manifestOf(backup);
    ASSERT_FALSE(manifest.files.empty());
    for (const care::ManifestFile& file : manifest.files) {
        const QString path = backup + "/" + QString::fromUtf8(file.path);
        EXPECT_EQ(QByteArray::fromStdString(platform::sha256Text(file.sha256)),
                  sha256Of(contentsOf(path)))
            << path.toStdString();
    }
}

// The source changes in place as soon as its last chunk is copied, keeping its size and time:
// the fingerprint, the backup's manifest and the restored copy all hold the bytes filed.
TEST(Backup, aDocumentWhoseSourceChangedAsItWasFiledBacksUpAndRestores) {
    QTemporaryDir work;
    const QString backup = work.path() + "/backup";
    const QByteArray bytes = patternBytes(64 * 1024 * 1024);
    {
        TempHome home;
        store::TdmData data;
        data.DataModuleCreate();
        const QString source = home.path() + "/incoming/large.pdf";
        writeFile(source, bytes);
        ASSERT_TRUE(store::fileDocument(
            data, {source, "Large", "", "", QDateTime::currentDateTime(), filedFolder},
            [&](qint64 copied, qint64 total) {
                if (copied == total)
                    overwriteKeepingTime(source, total - 4096, QByteArray(4096, '!'));
                return true;
            }));
        const auto fingerprints = db::readFingerprints(data.dbMain.Connection());
        ASSERT_EQ(fingerprints.size(), 1U);
        EXPECT_EQ(QByteArray::fromStdString(fingerprints.begin()->second.sha256), sha256Of(bytes));
        data.DataModuleDestroy();

        const CareRun run = runQuilloxDb({"backup", home.databaseFolder() + "main.abs", backup});
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    }
    expectManifestMatchesFiles(backup);

    TempHome target;
    const CareRun restored = runQuilloxDb({"restore", backup});
    ASSERT_EQ(restored.exitCode, 0) << restored.out.toStdString() << restored.err.toStdString();
    const QStringList copies = QDir(target.storeFolder()).entryList(QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(contentsOf(target.storeFolder() + copies[0]), bytes);
}

// A stored copy changed since filing, its size and time set back, is a finding of the backup,
// which still takes it as it is now under its true SHA-256, so that the backup restores.
TEST(Backup, takesACopyChangedSinceFilingAsItIsAndReportsIt) {
    QTemporaryDir work;
    const QString backup = work.path() + "/backup";
    QByteArray changed;
    {
        TempHome home;
        makeStore(home, 1, 2);
        const QStringList copies = QDir(home.storeFolder()).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(copies.size(), 2);
        overwriteKeepingTime(home.storeFolder() + copies[1], 10, "changed");
        changed = contentsOf(home.storeFolder() + copies[1]);
        const CareRun run = runQuilloxDb({"backup", home.databaseFolder() + "main.abs", backup});
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
        const qsizetype at = run.out.indexOf("changed since filing");
        ASSERT_GE(at, 0) << run.out.toStdString();
        const QString section = run.out.mid(at, run.out.indexOf("\n\n", at) - at);
        EXPECT_TRUE(section.contains("document 2: ")) << section.toStdString();
        EXPECT_FALSE(section.contains("document 1: ")) << section.toStdString();
    }
    expectManifestMatchesFiles(backup);

    TempHome target;
    const CareRun restored = runQuilloxDb({"restore", backup});
    ASSERT_EQ(restored.exitCode, 0) << restored.out.toStdString() << restored.err.toStdString();
    const QStringList copies = QDir(target.storeFolder()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(contentsOf(target.storeFolder() + copies[0]), documentBytes(1));
    EXPECT_EQ(contentsOf(target.storeFolder() + copies[1]), changed);
}

} // namespace
} // namespace quillox::testing
