#include "care_run.h"
#include "db/content_fingerprints.h"
#include "db/tdb_database.h"
#include "db/tdb_query.h"
#include "filed_documents.h"
#include "platform/sha256.h"
#include "temp_home.h"
#include "test_files.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillox::testing {
namespace {

// Reads the filer's lines until it says it filed the document: false when it stops first.
bool waitUntilFiled(QProcess& filer, int number) {
    const QByteArray wanted = "filed " + QByteArray::number(number) + "\n";
    for (;;) {
        while (filer.canReadLine()) {
            if (filer.readLine() == wanted)
                return true;
        }
        if (!filer.waitForReadyRead(60000))
            return false;
    }
}

int documentNumber(const QString& name) {
    const QRegularExpressionMatch match = QRegularExpression("^Document (\\d+)$").match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// A backup taken while another process files, restored into a home of another path: the
// restored store checks clean, and a search finds every document with its own bytes in the new
// store folder.
TEST(BackupWhileFiling, restoresAWholeStoreIntoAnotherHome) {
    QTemporaryDir work;
    std::optional<TempHome> source(std::in_place);
    QProcess filer;
    filer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    filer.start(BACKUP_FILER_PATH, {work.path()});
    ASSERT_TRUE(waitUntilFiled(filer, 3));
    const QString backup = work.path() + "/backup";
    const CareRun backedUp =
        runQuilloxDb({"backup", source->databaseFolder() + "main.abs", backup});
    // Filing went on during the backup and after it.
    const bool filedOn = waitUntilFiled(filer, 8);
    filer.kill();
    filer.waitForFinished();
    ASSERT_TRUE(filedOn);
    ASSERT_EQ(backedUp.exitCode, 0) << backedUp.out.toStdString() << backedUp.err.toStdString();
    const care::BackupManifest manifest = manifestOf(backup);
    source.reset();

    TempHome target;
    const CareRun restored = runQuilloxDb({"restore", backup});
    ASSERT_EQ(restored.exitCode, 0) << restored.out.toStdString() << restored.err.toStdString();
    const QString database = target.databaseFolder() + "main.abs";
    db::TDbDatabase restoredStore;
    restoredStore.SetDatabaseName("Restored");
    restoredStore.SetDatabaseFileName(database);
    // Each restored copy's fingerprint is its file as it is now, so that a check need not read
    // it again.
    const db::ContentFingerprints fingerprints = db::readFingerprints(restoredStore.Connection());
    EXPECT_EQ(fingerprints.size() + 1, manifest.files.size());
    for (const auto& [name, fingerprint] : fingerprints) {
        const platform::FileDigest copy =
            platform::digestFile(target.storeFolder() + QString::fromStdString(name));
        EXPECT_EQ(fingerprint.size, copy.size) << name;
        EXPECT_EQ(fingerprint.modifiedNs, copy.modifiedNs) << name;
        EXPECT_EQ(fingerprint.sha256, copy.sha256) << name;
    }
    restoredStore.Close();
    const CareRun checked = runQuilloxDb({"check", database});
    EXPECT_EQ(checked.exitCode, 0) << checked.out.toStdString() << checked.err.toStdString();

    db::TDbQuery search;
    search.SetDatabaseName("Restored");
    search.SQL().Add(
        "SELECT Document_Name, Path FROM Documents WHERE Tag_Words LIKE '%LOOPFILED%'");
    search.Open();
    qsizetype found = 0;
    for (; !search.Eof(); search.Next(), ++found) {
        const QString path = search.FieldByName("Path").AsString();
        const int number = documentNumber(search.FieldByName("Document_Name").AsString());
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(path.startsWith(target.storeFolder()));
        EXPECT_EQ(contentsOf(path), documentBytes(number));
        EXPECT_EQ(contentsOf(path),
                  contentsOf(backup + "/documents/" + QFileInfo(path).fileName()));
    }
    EXPECT_GE(found, 3);
    EXPECT_EQ(found + 1, static_cast<qsizetype>(manifest.files.size()));
}

} // namespace
} // namespace quillox::testing
