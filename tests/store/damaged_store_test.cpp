// Store files that cannot be used as they are: each is refused with what was found and what the
// user can do, and is left exactly as it was, its journal too.

#include "store/store_unavailable.h"
#include "store/tdm_data.h"
#include "store_damage.h"
#include "temp_home.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillox;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::string hashOf(const QString& path) {
    return QCryptographicHash::hash(read(path), QCryptographicHash::Sha256).toHex().toStdString();
}

// Runs SQL with SQLite itself, as another program would; returns the first column of the first
// row.
QByteArray sqlite(const QString& path, const char* sql) {
    try {
        return quillox::testing::runWithSqlite(path, sql);
    } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
        return {};
    }
}

const char* const addDocument =
    "INSERT INTO Documents (ID, Document_Name, Path, InputDate, Folder) "
    "VALUES ((SELECT count(*) + 1 FROM Documents), 'bill', '/store/bill.pdf', '2014-01-01', "
    "'TAX')";

// The store of three documents, closed.
QString makeStore() {
    store::TdmData data;
    data.DataModuleCreate();
    data.DataModuleDestroy();
    const QString file = data.dbMain.DatabaseFileName();
    for (int i = 0; i < 3; ++i)
        sqlite(file, addDocument);
    return file;
}

// A commit that reached the table but not its index: a fourth document whose index page is
// put back as it was before.
void loseTheLastIndexChange(const QString& file) {
    quillox::testing::loseTheIndexChangeOf(file, addDocument);
}

// A run killed in the middle of a large change: more search terms than SQLite keeps in memory,
// so that some reach the file and the journal is needed to take them back.
void dieInTheMiddleOfAChange(const QString& file) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* handle = nullptr;
        sqlite3_open(file.toUtf8().constData(), &handle);
        sqlite3_exec(handle,
                     "PRAGMA cache_size = 10; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                     "SELECT i + 1 FROM n WHERE i < 5000) INSERT INTO SearchTerms SELECT i, "
                     "printf('%.90d', i) FROM n;",
                     nullptr, nullptr, nullptr);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_GT(QFile(file + "-journal").size(), 0);
}

// Asks nothing of the user and answers no.
const store::ConfirmFreshStart answerNo = [](const QString&) { return false; };

TEST(DamagedStore, EachIsRefusedWithWhatWasFoundAndLeftAsItWas) {
    QByteArray noise(16384, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    using store::StartKind;
    struct Case {
        const char* what;
        std::function<void(const QString& file)> damage;
        StartKind previousRun;
        std::string found; // the message up to the store's advice
    };
    const std::vector<Case> cases = {
        {"random bytes", [&](const QString& file) { write(file, noise); }, StartKind::AfterCleanEnd,
         "file is not a database"},
        {"cut short", [](const QString& file) { write(file, read(file).left(5000)); },
         StartKind::AfterUncleanEnd, "is damaged"},
        {"no bytes", [](const QString& file) { write(file, {}); }, StartKind::AfterCleanEnd,
         "' is empty - Native error: 10033. No new store was started in it"},
        {"an empty database of another program",
         [](const QString& file) {
             QFile::remove(file);
             sqlite(file, "PRAGMA user_version = 7");
         },
         StartKind::AfterCleanEnd,
         "' holds an empty database that Quillox did not make - Native error: 10034. No new "
         "store was started in it"},
        {"another program's database",
         [](const QString& file) {
             QFile::remove(file);
             sqlite(file, "CREATE TABLE Notes (Text TEXT); INSERT INTO Notes VALUES ('mine')");
         },
         StartKind::AfterCleanEnd, "' is not a Quillox database - Native error: 10032"},
        {"a folder in the file's place",
         [](const QString& file) {
             QFile::remove(file);
             QDir().mkdir(file);
         },
         StartKind::AfterUncleanEnd,
         "' is a folder, not a database file. Quillox has changed nothing in it. Move that "
         "folder elsewhere or rename it"},
        {"an index page overwritten by its older self, after a copy died", loseTheLastIndexChange,
         StartKind::AfterUncleanEnd,
         "' is damaged (row 4 missing from index Documents._ID). Quillox has written nothing to "
         "it"},
        {"the same damage with a journal left beside it",
         [](const QString& file) {
             loseTheLastIndexChange(file);
             dieInTheMiddleOfAChange(file);
         },
         StartKind::AfterCleanEnd,
         "' is damaged (row 4 missing from index Documents._ID). Quillox has written nothing to "
         "it"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        quillox::testing::TempHome home;
        const QString file = makeStore();
        c.damage(file);
        const QStringList parts = {file, file + "-journal"};
        std::vector<std::string> before;
        for (const QString& part : parts)
            before.push_back(hashOf(part));

        store::TdmData data;
        std::string message = "(none)";
        try {
            data.DataModuleCreate(c.previousRun, answerNo);
        } catch (const std::exception& error) {
            message = error.what();
        }
        EXPECT_THAT(message, HasSubstr(c.found));
        EXPECT_THAT(message, HasSubstr("\"" + store::recoverySection.toStdString() +
                                       "\" of Quillox's README"));
        EXPECT_FALSE(data.Available());
        EXPECT_FALSE(data.dbMain.Connected());
        for (qsizetype i = 0; i < parts.size(); ++i)
            EXPECT_EQ(hashOf(parts[i]), before[std::size_t(i)]) << parts[i].toStdString();
    }
}

TEST(DamagedStore, AJournalLeftByACrashIsPlayedBackAndTheStoreOpens) {
    quillox::testing::TempHome home;
    const QString file = makeStore();
    dieInTheMiddleOfAChange(file);

    store::TdmData data;
    data.DataModuleCreate(store::StartKind::AfterCleanEnd, answerNo);
    EXPECT_TRUE(data.Available());
    EXPECT_TRUE(data.tSearchTerms.Eof()) << "the dead change is taken back";
    data.tDocuments.Last();
    EXPECT_EQ(data.tDocuments.FieldByName("ID").AsInteger(), 3);
    data.DataModuleDestroy();
    EXPECT_FALSE(QFile::exists(file + "-journal"));
    EXPECT_EQ(sqlite(file, "PRAGMA integrity_check"), "ok");
}

TEST(DamagedStore, AStaleJournalIsNoSignOfACrash) {
    quillox::testing::TempHome home;
    const QString file = makeStore();
    {
        // Indexes the rows that SQLite wrote behind the engine's back, so that the opening
        // below has nothing to write.
        store::TdmData data;
        data.DataModuleCreate();
        data.DataModuleDestroy();
    }
    write(file + "-journal", QByteArray(4096, '\0'));
    const std::string before = hashOf(file);

    store::TdmData data;
    data.DataModuleCreate(store::StartKind::AfterCleanEnd, answerNo);
    EXPECT_TRUE(data.Available());
    data.DataModuleDestroy();
    EXPECT_EQ(hashOf(file), before);
}

TEST(DamagedStore, AnEmptyFileBecomesAStoreOnlyOnYes) {
    struct Case {
        const char* what;
        std::function<void(const QString& file)> make;
        const char* question;
    };
    const Case cases[] = {
        {"no bytes", [](const QString& file) { write(file, {}); },
         "' is empty - Native error: 10033.\n\nAn empty store file usually means that the store "
         "was lost"},
        {"an empty database", [](const QString& file) { sqlite(file, "PRAGMA user_version = 7"); },
         "' holds an empty database that Quillox did not make - Native error: 10034.\n\nStart a "
         "new, empty store in this file?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        quillox::testing::TempHome home;
        ASSERT_TRUE(QDir().mkpath(home.databaseFolder()));
        const QString file = home.databaseFolder() + "main.abs";
        c.make(file);

        store::TdmData data;
        QString asked;
        data.DataModuleCreate(store::StartKind::AfterCleanEnd, [&](const QString& question) {
            asked = question;
            return true;
        });
        EXPECT_THAT(asked.toStdString(), StartsWith("The file '" + file.toStdString()));
        EXPECT_THAT(asked.toStdString(), HasSubstr(c.question));
        EXPECT_TRUE(asked.endsWith("Start a new, empty store in this file?"));
        EXPECT_TRUE(data.tDocuments.Active() && data.qQuery3.Active());
        data.DataModuleDestroy();
        EXPECT_EQ(sqlite(file, "PRAGMA application_id").toLongLong(), 0x51756c78);
    }
}

} // namespace
