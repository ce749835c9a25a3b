#include "care_run.h"
#include "platform/user_error.h"
#include "store/add_folder.h"
#include "store/delete_document.h"
#include "store/file_document.h"
#include "store/tdm_data.h"
#include "store_damage.h"
#include "temp_home.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

using quillox::testing::runWithSqlite;
using quillox::testing::writeFile;

using CheckRun = quillox::testing::CareRun;

CheckRun runCheck(const QStringList& arguments) {
    return quillox::testing::runQuilloxDb(QStringList{"check"} + arguments);
}

// A store as filing leaves it: two folders, three documents filed, one of them deleted since.
class StoreCheck : public ::testing::Test {
public:
    StoreCheck() {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        quillox::store::addFolder(data.tFolders, "HOUSE FOLDER", "-", 3);
        quillox::store::addFolder(data.tFolders, "BILLS SUBFOLDER", "HOUSE FOLDER", 5);
        for (const char* name : {"Invoice", "Letter", "Old"}) {
            const QString source = home.path() + "/incoming/" + name + ".pdf";
            writeFile(source, QByteArray(name).repeated(1000));
            quillox::store::fileDocument(
                data,
                {source, name, "", "WATER BILL", QDateTime::currentDateTime(), "BILLS SUBFOLDER"},
                {});
            copies << data.tDocuments.FieldByName("Path").AsString();
        }
        quillox::store::deleteDocument(data.tDocuments, 3);
        data.DataModuleDestroy();
    }

    CheckRun check(const QStringList& extra = {}) const {
        return runCheck(QStringList{file} + extra);
    }

    void sql(const char* statement) const { runWithSqlite(file, statement); }

    quillox::testing::TempHome home;
    const QString file = home.databaseFolder() + "main.abs";
    QStringList copies; // the stored copies, in filing order
};

TEST_F(StoreCheck, AStoreAsFilingLeavesItIsCleanAndItsDeletedDocumentsCopyIsKnown) {
    const CheckRun run = check();
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Kept copies of deleted documents (1):\n  " + copies[2]))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith("no findings.\n")) << run.out.toStdString();
}

struct Damage {
    const char* what;
    std::function<void(StoreCheck&)> make;
    const char* heading; // of the section that lists it
    const char* line;    // a part of its line
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.what;
}

class StoreCheckDamage : public StoreCheck, public ::testing::WithParamInterface<Damage> {};

TEST_P(StoreCheckDamage, IsReportedUnderItsHeadingAndFailsTheCheck) {
    const Damage& damage = GetParam();
    damage.make(*this);
    const CheckRun run = check();
    EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
    const qsizetype at = run.out.indexOf(QString(damage.heading) + " (");
    ASSERT_GE(at, 0) << run.out.toStdString();
    const QString section = run.out.mid(at, run.out.indexOf("\n\n", at) - at);
    EXPECT_TRUE(section.contains(damage.line)) << section.toStdString();
    EXPECT_TRUE(run.out.contains(QRegularExpression("\\d+ findings?\\.\n$")))
        << run.out.toStdString();
}

const Damage damages[] = {
    {"missing_copy", [](StoreCheck& s) { QFile::remove(s.copies[0]); },
     "Documents whose stored copy is missing", "document 1: "},
    {"stray_file", [](StoreCheck& s) { writeFile(s.home.storeFolder() + "notes.txt", "x"); },
     "Files without a row", "/Documents/Quillox/notes.txt"},
    {"file_in_a_subfolder",
     [](StoreCheck& s) { writeFile(s.home.storeFolder() + "old/scan.bmp", "x"); },
     "Files without a row", "/Documents/Quillox/old/scan.bmp"},
    {"changed_copy",
     [](StoreCheck& s) {
         QByteArray bytes = quillox::testing::contentsOf(s.copies[1]);
         bytes[10] = '!';
         writeFile(s.copies[1], bytes);
     },
     "Documents whose stored copy changed since filing", "document 2: "},
    {"copy_replaced_by_a_link",
     [](StoreCheck& s) {
         QFile::remove(s.copies[0]);
         QFile::link("/etc/hostname", s.copies[0]);
     },
     "Documents whose stored copy cannot be read", "not an ordinary file"},
    {"copy_outside_the_store",
     [](StoreCheck& s) { s.sql("UPDATE Documents SET Path = '/tmp/elsewhere.pdf' WHERE ID = 2"); },
     "Documents whose stored copy is outside the store folder", "/tmp/elsewhere.pdf"},
    {"path_climbing_out_of_the_store",
     [](StoreCheck& s) {
         s.sql("UPDATE Documents SET Path = Path || '/../../secret' WHERE ID = 2");
     },
     "Documents whose stored copy is outside the store folder", "document 2: "},
    {"orphan_folder",
     [](StoreCheck& s) {
         s.sql("INSERT INTO Folders VALUES (3, 'LOST SUBFOLDER', 'GONE FOLDER', 1)");
     },
     "Folders whose parent does not exist", "\"LOST SUBFOLDER\" under \"GONE FOLDER\""},
    {"cycle",
     [](StoreCheck& s) {
         s.sql("INSERT INTO Folders VALUES (3, 'A SUBFOLDER', 'B SUBFOLDER', 1);"
               "INSERT INTO Folders VALUES (4, 'B SUBFOLDER', 'A SUBFOLDER', 1)");
     },
     "Folders that are their own ancestors",
     "\"A SUBFOLDER\" under \"B SUBFOLDER\" under \"A SUBFOLDER\""},
    {"folder_its_own_parent",
     [](StoreCheck& s) { s.sql("UPDATE Folders SET Parent = Name WHERE ID = 1"); },
     "Folders that are their own ancestors", "\"HOUSE FOLDER\" under \"HOUSE FOLDER\""},
    {"duplicate_names",
     [](StoreCheck& s) { s.sql("INSERT INTO Folders VALUES (3, 'HOUSE FOLDER', '-', 1)"); },
     "Names that more than one folder carries", "\"HOUSE FOLDER\""},
    {"document_in_a_missing_folder",
     [](StoreCheck& s) { s.sql("UPDATE Documents SET Folder = 'GONE FOLDER' WHERE ID = 1"); },
     "Documents in a folder that does not exist", "document 1: in \"GONE FOLDER\""},
    {"interrupted_filing",
     [](StoreCheck& s) { writeFile(s.home.storeFolder() + ".quillox-copy-1f2e", "half"); },
     "Temporary files of interrupted filings", ".quillox-copy-1f2e"},
    {"missing_column",
     [](StoreCheck& s) { s.sql("ALTER TABLE SearchTerms RENAME COLUMN Term TO Word"); },
     "Tables that differ from the ones Quillox makes", "SearchTerms.Term is missing"},
    {"damaged_database_file",
     [](StoreCheck& s) {
         quillox::testing::loseTheIndexChangeOf(s.file, "DELETE FROM Documents WHERE ID = 1");
     },
     "The database file is damaged", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, StoreCheckDamage, ::testing::ValuesIn(damages),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(StoreCheck, RepairRemovesOnlyTheInterruptedFilingsFilesAndNotWhileQuilloxRuns) {
    const QString leftover = home.storeFolder() + ".quillox-copy-1f2e";
    writeFile(leftover, "half");
    writeFile(home.storeFolder() + "notes.txt", "mine");
    {
        QLockFile running(file + ".lock");
        ASSERT_TRUE(running.tryLock(0));
        const CheckRun refused = check({"--repair"});
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.err.contains("Quillox is running")) << refused.err.toStdString();
        EXPECT_TRUE(QFile::exists(leftover));
    }
    const CheckRun repaired = check({"--repair"});
    EXPECT_EQ(repaired.exitCode, 1) << "the stray file is still a finding";
    EXPECT_TRUE(repaired.out.contains("Removed the temporary files of interrupted filings (1)"))
        << repaired.out.toStdString();
    EXPECT_FALSE(QFile::exists(leftover));
    for (const QString& copy : copies)
        EXPECT_TRUE(QFile::exists(copy));
    EXPECT_TRUE(QFile::exists(home.storeFolder() + "notes.txt"));
}

// A link of such a name is no filing's: it stays, and is a finding before and after a repair.
TEST_F(StoreCheck, RepairReportsOnlyWhatItRemovedAndALinkOfTheHiddenNameStaysAFinding) {
    const QString outside = home.path() + "/outside.txt";
    writeFile(outside, "someone else's");
    const QString link = home.storeFolder() + ".quillox-copy-abc";
    ASSERT_TRUE(QFile::link(outside, link));
    const QString leftover = home.storeFolder() + ".quillox-copy-1f2e";
    writeFile(leftover, "half");
    const QString linkHeading = "Entries named like temporary files of interrupted filings that "
                                "are not ordinary files (1):\n  " +
                                link;

    const CheckRun before = check();
    EXPECT_TRUE(before.out.contains("Temporary files of interrupted filings (1):\n  " + leftover))
        << before.out.toStdString();
    EXPECT_TRUE(before.out.contains(linkHeading)) << before.out.toStdString();

    const CheckRun repaired = check({"--repair"});
    EXPECT_TRUE(repaired.out.contains(
        "Removed the temporary files of interrupted filings (1):\n  " + leftover))
        << repaired.out.toStdString();
    EXPECT_FALSE(QFile::exists(leftover));
    const CheckRun again = check({"--repair"});
    EXPECT_FALSE(again.out.contains("Removed")) << again.out.toStdString();
    for (const CheckRun& run : {repaired, again}) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.contains(linkHeading)) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains("1 finding.")) << run.out.toStdString();
    }
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), outside);
    EXPECT_EQ(quillox::testing::contentsOf(outside), "someone else's");
}

// A journal whose header a kill left zeroed is ignored by SQLite: no finding, and repair
// removes it; one that SQLite would play back stays.
TEST_F(StoreCheck, RepairRemovesOnlyAJournalThatSQLiteWouldNotPlayBack) {
    const QString journal = file + "-journal";
    writeFile(journal, QByteArray(512, '\0'));
    const CheckRun plain = check();
    EXPECT_EQ(plain.exitCode, 0) << plain.out.toStdString() << plain.err.toStdString();
    EXPECT_TRUE(QFile::exists(journal));
    const CheckRun repaired = check({"--repair"});
    EXPECT_EQ(repaired.exitCode, 0) << repaired.out.toStdString() << repaired.err.toStdString();
    EXPECT_TRUE(repaired.out.contains("Removed a journal that SQLite would not play back (1):\n  " +
                                      journal))
        << repaired.out.toStdString();
    EXPECT_FALSE(QFile::exists(journal));
}

TEST_F(StoreCheck, AStoreFiledBeforeFingerprintsGetsThemAtItsFirstCheck) {
    sql("DROP TABLE \"Documents.fingerprints\"");
    const CheckRun first = check();
    EXPECT_EQ(first.exitCode, 1) << "without a fingerprint, a deleted document's copy is a stray";
    EXPECT_TRUE(first.out.contains("Files without a row (1):\n  " + copies[2]))
        << first.out.toStdString();
    EXPECT_EQ(runWithSqlite(file, "SELECT count(*) FROM \"Documents.fingerprints\""), "2");

    // Bytes unchanged under a new time are no change; changed bytes are.
    QFile::remove(copies[2]);
    ::utimes(QFile::encodeName(copies[0]).constData(), nullptr);
    EXPECT_EQ(check().exitCode, 0);
    writeFile(copies[1], "other bytes");
    const CheckRun run = check();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("changed since filing (1)")) << run.out.toStdString();
}

// A copy changed with its size and time set back: the plain check trusts them, --full reads
// every copy and finds it.
TEST_F(StoreCheck, OnlyAFullCheckFindsACopyChangedUnderItsOldSizeAndTime) {
    quillox::testing::overwriteKeepingTime(copies[1], 10, "changed");
    const CheckRun plain = check();
    EXPECT_EQ(plain.exitCode, 0) << plain.out.toStdString();

    const CheckRun full = check({"--full"});
    EXPECT_EQ(full.exitCode, 1) << full.out.toStdString() << full.err.toStdString();
    EXPECT_TRUE(full.out.contains("Documents whose stored copy changed since filing (1):\n"
                                  "  document 2: " +
                                  copies[1]))
        << full.out.toStdString();
    EXPECT_TRUE(full.out.endsWith("1 finding.\n")) << full.out.toStdString();
}

TEST_F(StoreCheck, WhatCannotBeCheckedEndsWithStatusTwo) {
    const QString foreign = home.path() + "/other.db";
    runWithSqlite(foreign, "CREATE TABLE t (x)");
    const QString text = home.path() + "/notes.txt";
    writeFile(text, "not a database");
    const std::vector<std::pair<QStringList, const char*>> cases = {
        {{}, "No database file is named"},
        {{home.path() + "/none.abs"}, "does not exist"},
        {{foreign}, "not a Quillox database"},
        {{text}, ""},
        {{home.path()}, "is a folder, not a database file. Name the database file itself"},
        {{file, "--colour"}, "is not understood"},
    };
    for (const auto& [arguments, message] : cases) {
        const CheckRun run = runCheck(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString() << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
}

TEST_F(StoreCheck, AnotherStoreFolderIsCheckedWhenNamed) {
    const QString moved = home.path() + "/moved";
    ASSERT_TRUE(QDir().rename(home.storeFolder(), moved));
    const CheckRun run = check({"--store", moved});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("outside the store folder (2)")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Files without a row (2)")) << run.out.toStdString();
}

TEST(QuilloxDbHelp, NamesEveryCommandAndTheVersion) {
    const auto help = quillox::testing::runQuilloxDb({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* usage : {"quillox-db FILE [-c COMMAND]", "quillox-db check FILE [--full]",
                              "quillox-db backup FILE DEST", "quillox-db restore BACKUP"})
        EXPECT_TRUE(help.out.contains(usage)) << usage;
    const auto version = quillox::testing::runQuilloxDb({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("quillox-db ")) << version.out.toStdString();
}

} // namespace
