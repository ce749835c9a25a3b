// The database file: opening and creating it, and files the engine must refuse without
// changing them.

#include "child_process.h"
#include "db_fixtures.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <functional>
#include <sqlite3.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace quillox::db::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// Runs SQL on a file with SQLite itself, as another program would.
void runSqlite(const QString& path, const char* sql) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &handle), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(handle, sql, nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(handle);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

// A database with a table of rows, made through the engine and closed.
class DatabaseFileTest : public EngineTest {
protected:
    DatabaseFileTest() {
        createItems();
        TDbTable items;
        openItems(items);
        for (int id = 1; id <= 200; ++id)
            addItem(items, {id, "row", "note", "2014-01-01"});
        db_.Close();
    }

    // Opens the test database and reads every row of Items.
    void readEverything() {
        db_.Close();
        db_.Open();
        TDbTable items;
        openItems(items);
        idsOf(items);
    }
};

TEST_F(DatabaseFileTest, AMissingFileIsReportedAndNotCreated) {
    const QString missing = dir_.path() + "/missing.abs";
    db_.SetDatabaseFileName(missing);
    const std::string message =
        "dbTest: Database file '" + missing.toStdString() + "' does not exist";
    EXPECT_EQ(errorOf([&] { db_.Open(); }), message);

    TDbTable items("tItems");
    EXPECT_FALSE(items.Exists());
    EXPECT_EQ(errorOf([&] { openItems(items); }), message);
    EXPECT_FALSE(items.Active());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(DatabaseFileTest, AFolderInTheFilesPlaceIsNamedAsAFolder) {
    const QString folder = dir_.path() + "/main.abs";
    ASSERT_TRUE(QDir().mkdir(folder));
    db_.SetDatabaseFileName(folder);
    EXPECT_EQ(errorOf([&] { db_.Open(); }),
              "dbTest: '" + folder.toStdString() +
                  "' is a folder, not a database file. Name the database file itself, or move "
                  "the folder out of the way");
}

TEST_F(DatabaseFileTest, CreateDatabaseNeverReplacesAFile) {
    const QByteArray before = contentsOf(databasePath());
    const std::string path = databasePath().toStdString();
    EXPECT_EQ(errorOf([&] { db_.CreateDatabase(); }),
              "Cannot create file: '" + path +
                  "' Error code: 17. ErrorMessage: File exists - Native error: 10030");
    EXPECT_EQ(contentsOf(databasePath()), before);

    const QString nowhere = dir_.path() + "/no/such/folder/main.abs";
    db_.SetDatabaseFileName(nowhere);
    EXPECT_EQ(errorOf([&] { db_.CreateDatabase(); }),
              "Cannot create file: '" + nowhere.toStdString() +
                  "' Error code: 2. ErrorMessage: No such file or directory - Native error: 10030");
}

TEST_F(DatabaseFileTest, CreateTableRefusesAMissingIndexColumnAndAnExistingTable) {
    struct Case {
        const char* table;
        const char* indexed;
        std::string message;
    };
    const Case cases[] = {
        {"Notes", "ID;Nope", "Cannot find index field 'Nope' - Native error: 10016"},
        {"Items", "ID", "Table 'Items' already exists - Native error: 10014"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        TDbTable table;
        table.SetDatabaseName("Test");
        table.SetTableName(c.table);
        table.FieldDefs().Add("ID", ftInteger, 0, true);
        table.IndexDefs().Add("_ID", c.indexed, ixPrimary | ixUnique);
        EXPECT_EQ(errorOf([&] { table.CreateTable(); }), c.message);
    }
    TDbTable notes;
    notes.SetDatabaseName("Test");
    notes.SetTableName("Notes");
    EXPECT_FALSE(notes.Exists());
    TDbTable items;
    openItems(items);
    EXPECT_EQ(idsOf(items).size(), 200u);
}

TEST_F(DatabaseFileTest, FilesThatAreNoUsableDatabaseAreRefusedUnchanged) {
    const QByteArray database = contentsOf(databasePath());
    QByteArray noise(8192, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
    struct Case {
        const char* what;
        QByteArray contents;
    };
    const Case cases[] = {
        {"random bytes", noise},
        {"a database cut short", database.left(database.size() / 2)},
        {"a database whose header is overwritten", noise.left(100) + database.mid(100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(databasePath(), c.contents);
        const std::string message = errorOf([&] { readEverything(); });
        EXPECT_THAT(message, StartsWith("Cannot open file:'" + databasePath().toStdString() +
                                        "' Error code: "));
        EXPECT_THAT(message, HasSubstr(". ErrorMessage: "));
        EXPECT_THAT(message, EndsWith(" - Native error: 10031"));
        EXPECT_FALSE(db_.Connected());
        EXPECT_EQ(contentsOf(databasePath()), c.contents);
    }
}

TEST_F(DatabaseFileTest, AnotherProgramsDatabaseIsRefusedAndLeftAlone) {
    const QString foreign = dir_.path() + "/foreign.db";
    runSqlite(foreign, "CREATE TABLE Documents (ID INTEGER, Name TEXT); "
                       "INSERT INTO Documents VALUES (1, 'theirs');");
    const QByteArray before = contentsOf(foreign);

    db_.SetDatabaseFileName(foreign);
    EXPECT_EQ(errorOf([&] { db_.Open(); }),
              "The file '" + foreign.toStdString() +
                  "' is not a Quillox database - Native error: 10032");
    EXPECT_FALSE(db_.Connected());
    TDbTable documents;
    documents.SetDatabaseName("Test");
    documents.SetTableName("Documents");
    EXPECT_FALSE(documents.Exists());
    EXPECT_EQ(contentsOf(foreign), before);
}

TEST_F(DatabaseFileTest, FilesWithoutRightsAreRefusedWithTheSystemsReason) {
    const QFileDevice::Permissions readOnly =
        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const QFileDevice::Permissions enterOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                               QFileDevice::ExeOther;
    const QString unreadable = dir_.path() + "/unreadable.abs";
    const QString lockedFolder = dir_.path() + "/locked";
    ASSERT_TRUE(QFile::copy(databasePath(), unreadable));
    ASSERT_TRUE(QFile::setPermissions(unreadable, QFileDevice::WriteOwner));
    ASSERT_TRUE(QDir().mkdir(lockedFolder));
    ASSERT_TRUE(QFile::setPermissions(lockedFolder, readOnly | QFileDevice::ExeOwner |
                                                        QFileDevice::ExeGroup |
                                                        QFileDevice::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(databasePath(), readOnly));
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), enterOnly));
    const QByteArray before = contentsOf(databasePath());

    const auto report = quillox::testing::reportWithoutRoot([&] {
        TDbTable items("tItems");
        openItems(items);
        std::string text = "rows " + std::to_string(idsOf(items).size()) + "\n";
        items.Append();
        items.FieldByName("ID").SetAsInteger(1000);
        items.FieldByName("Name").SetAsString("new");
        text += "post: " + errorOf([&] { items.Post(); });
        text += items.State() == TDataSetState::dsInsert ? " (inserting)\n" : "\n";
        items.Cancel();
        items.First();
        text += "delete: " + errorOf([&] { items.Delete(); }) + "\n";

        db_.SetDatabaseFileName(unreadable);
        text += "open: " + errorOf([&] { db_.Open(); }) + "\n";
        db_.SetDatabaseFileName(lockedFolder + "/new.abs");
        text += "create: " + errorOf([&] { db_.CreateDatabase(); }) + "\n";
        return text;
    });
    if (!report)
        GTEST_SKIP() << "running as root without a way to give it up";

    const std::string refused = "The database file '" + databasePath().toStdString() +
                                "' can only be read, so nothing can be changed in it. Check the "
                                "permissions of the file and of its folder - Native error: 20008";
    const std::string denied = "' Error code: 13. ErrorMessage: Permission denied - Native error: ";
    EXPECT_THAT(
        linesOf(*report),
        ElementsAre("rows 200", "post: " + refused + " (inserting)", "delete: " + refused,
                    "open: Cannot open file:'" + unreadable.toStdString() + denied + "10031",
                    "create: Cannot create file: '" + lockedFolder.toStdString() + "/new.abs" +
                        denied + "10030"));
    EXPECT_EQ(contentsOf(databasePath()), before);
    EXPECT_FALSE(QFile::exists(lockedFolder + "/new.abs"));
}

TEST(StoreDatabaseTest, ALostTableComesBackEmptyAndTheOthersKeepTheirRows) {
    quillox::testing::TempHome home;
    const QString path = home.databaseFolder() + "main.abs";
    {
        store::TdmData dm;
        dm.DataModuleCreate();
        EXPECT_TRUE(QFile::exists(path));
        for (TDbTable* table : {&dm.tDocuments, &dm.tFolders, &dm.tSearchTerms})
            EXPECT_TRUE(idsOf(*table).empty()) << table->TableName().toStdString();

        dm.tFolders.Append();
        dm.tFolders.FieldByName("ID").SetAsInteger(1);
        dm.tFolders.FieldByName("Name").SetAsString("TAX FOLDER");
        dm.tFolders.FieldByName("Parent").SetAsString("-");
        dm.tFolders.FieldByName("Picture").SetAsInteger(-1);
        dm.tFolders.Post();
        dm.tSearchTerms.Append();
        dm.tSearchTerms.FieldByName("ID").SetAsInteger(1);
        dm.tSearchTerms.FieldByName("Term").SetAsString("TAX");
        dm.tSearchTerms.Post();
        dm.DataModuleDestroy();
    }
    runSqlite(path, "DROP TABLE SearchTerms");

    store::TdmData dm;
    dm.DataModuleCreate();
    EXPECT_THAT(idsOf(dm.tFolders), ElementsAre(1));
    EXPECT_THAT(idsOf(dm.tSearchTerms), ElementsAre());
    // The table is made whole again: its columns and its unique index.
    TDbTable& terms = dm.tSearchTerms;
    ASSERT_EQ(terms.FieldCount(), 2);
    EXPECT_EQ(terms.Fields(1).FieldName(), "Term");
    EXPECT_EQ(terms.Fields(1).Size(), 100);
    for (int i = 0; i < 2; ++i) {
        terms.Append();
        terms.FieldByName("ID").SetAsInteger(1);
        terms.FieldByName("Term").SetAsString("BANK");
        if (i == 0)
            terms.Post();
    }
    EXPECT_EQ(errorOf([&] { terms.Post(); }),
              "Primary Key constraint '_ID' violated. Duplicate found. - Native error: 10020");
    terms.Cancel();
    dm.DataModuleDestroy();
}

TEST(StoreDatabaseTest, TheDataModuleRefusesAnotherProgramsFileAtItsPlace) {
    quillox::testing::TempHome home;
    const QString path = home.databaseFolder() + "main.abs";
    ASSERT_TRUE(QDir().mkpath(home.databaseFolder()));
    runSqlite(path, "CREATE TABLE Notes (Text TEXT); INSERT INTO Notes VALUES ('keep me');");
    const QByteArray before = contentsOf(path);

    store::TdmData dm;
    std::string message;
    try {
        dm.DataModuleCreate();
    } catch (const std::exception& error) {
        message = error.what();
    }
    EXPECT_THAT(message, StartsWith("The file '" + path.toStdString() +
                                    "' is not a Quillox database - Native error: 10032.\n\n"));
    EXPECT_FALSE(dm.tDocuments.Active());
    EXPECT_EQ(contentsOf(path), before);
}

} // namespace
} // namespace quillox::db::testing
