#include "care_run.h"
#include "db/filing_intents.h"
#include "db/sqlite_connection.h"
#include "filed_documents.h"
#include "temp_home.h"
#include "test_files.h"

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

} // namespace
} // namespace quillox::testing
