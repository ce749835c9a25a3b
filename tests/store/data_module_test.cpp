#include "store/tdm_data.h"
#include "temp_home.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace quillox;

namespace {

struct ExpectedColumn {
    const char* table;
    const char* name;
    db::TFieldType type;
    int size;
    bool required;
};

void execute(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

void appendFolder(db::TDbTable& folders, int id, const QString& name) {
    folders.Append();
    folders.FieldByName("ID").SetAsInteger(id);
    folders.FieldByName("Name").SetAsString(name);
    folders.FieldByName("Parent").SetAsString("-");
    folders.FieldByName("Picture").SetAsInteger(-1);
    folders.Post();
}

} // namespace

TEST(DataModule, FirstStartCreatesTheDatabaseWithEmptyTablesOfTheSchema) {
    quillox::testing::TempHome home;
    store::TdmData data;
    data.DataModuleCreate();

    EXPECT_TRUE(QFile::exists(home.databaseFolder() + "main.abs"));
    EXPECT_FALSE(QDir(home.storeFolder()).exists()) << "made by the first filing, not at start";

    const ExpectedColumn columns[] = {
        {"Documents", "ID", db::ftInteger, 0, true},
        {"Documents", "Document_Name", db::ftString, 100, true},
        {"Documents", "Tag_Words", db::ftString, 500, false},
        {"Documents", "Description", db::ftString, 144, false},
        {"Documents", "Path", db::ftString, 500, true},
        {"Documents", "InputDate", db::ftDate, 0, true},
        {"Documents", "Folder", db::ftString, 100, true},
        {"Folders", "ID", db::ftInteger, 0, true},
        {"Folders", "Name", db::ftString, 100, true},
        {"Folders", "Parent", db::ftString, 100, true},
        {"Folders", "Picture", db::ftInteger, 0, true},
        {"SearchTerms", "ID", db::ftInteger, 0, true},
        {"SearchTerms", "Term", db::ftString, 100, true},
    };
    std::map<QString, db::TDbTable*> tables = {{"Documents", &data.tDocuments},
                                               {"Folders", &data.tFolders},
                                               {"SearchTerms", &data.tSearchTerms}};
    std::map<QString, int> counts;
    for (const ExpectedColumn& expected : columns) {
        db::TDbTable& table = *tables.at(expected.table);
        const db::TDbField& field = table.FieldByName(expected.name);
        EXPECT_EQ(field.FieldIndex(), counts[expected.table]++) << expected.name;
        EXPECT_EQ(field.DataType(), expected.type) << expected.name;
        EXPECT_EQ(field.Size(), expected.size) << expected.name;
        EXPECT_EQ(field.Required(), expected.required) << expected.name;
    }
    for (auto& [name, table] : tables) {
        EXPECT_TRUE(table->Active()) << name.toStdString();
        EXPECT_EQ(table->FieldCount(), counts[name]) << name.toStdString();
        EXPECT_TRUE(table->Eof()) << name.toStdString();
    }
    for (db::TDbQuery* query : {&data.qQuery, &data.qQuery2, &data.qQuery3}) {
        EXPECT_TRUE(query->Active());
        EXPECT_EQ(query->SQL().Text(), "SELECT * FROM Documents");
    }

    data.DataModuleDestroy();
    EXPECT_FALSE(data.dbMain.Connected());
    EXPECT_FALSE(data.tSearchTerms.Active()) << "closed with the database";
}

TEST(DataModule, ALostTableComesBackEmptyAndTheOthersKeepTheirRows) {
    quillox::testing::TempHome home;
    {
        store::TdmData data;
        data.DataModuleCreate();
        appendFolder(data.tFolders, 1, "TAX FOLDER");
        data.tSearchTerms.Append();
        data.tSearchTerms.FieldByName("ID").SetAsInteger(1);
        data.tSearchTerms.FieldByName("Term").SetAsString("TAX");
        data.tSearchTerms.Post();
        data.DataModuleDestroy();
    }
    execute(home.databaseFolder() + "main.abs", "DROP TABLE SearchTerms");

    store::TdmData data;
    data.DataModuleCreate();
    EXPECT_TRUE(data.tSearchTerms.Active());
    EXPECT_TRUE(data.tSearchTerms.Eof());
    EXPECT_EQ(data.tSearchTerms.FieldByName("Term").Size(), 100);
    EXPECT_EQ(data.tFolders.FieldByName("Name").AsString(), "TAX FOLDER");
}

TEST(DataModule, LongTextsAreCutToTheirColumnsAtACharacterBoundary) {
    quillox::testing::TempHome home;
    store::TdmData data;
    data.DataModuleCreate();
    db::TDbTable& documents = data.tDocuments;
    documents.Append();
    documents.FieldByName("ID").SetAsInteger(1);
    documents.FieldByName("Document_Name").SetAsString(QString(120, 'a'));
    // Two bytes a character: 144 bytes hold 72 of them.
    documents.FieldByName("Description").SetAsString(QString(200, QChar(0x00E9)));
    // Three bytes a character, so 100 bytes hold 33 of them and one byte is left unused.
    documents.FieldByName("Folder").SetAsString(QString(40, QChar(0x20AC)));
    documents.FieldByName("Path").SetAsString("/store/a.pdf");
    documents.FieldByName("InputDate").SetAsDateTime(QDateTime(QDate(2014, 1, 2), QTime(13, 5)));
    documents.Post();

    data.DataModuleDestroy();
    store::TdmData reopened;
    reopened.DataModuleCreate();
    db::TDbTable& stored = reopened.tDocuments;
    EXPECT_EQ(stored.FieldByName("Document_Name").AsString(), QString(100, 'a'));
    EXPECT_EQ(stored.FieldByName("Description").AsString(), QString(72, QChar(0x00E9)));
    EXPECT_EQ(stored.FieldByName("Folder").AsString(), QString(33, QChar(0x20AC)));
    EXPECT_EQ(stored.FieldByName("InputDate").AsDateTime(),
              QDateTime(QDate(2014, 1, 2), QTime(0, 0)));
}

TEST(DataModule, AFolderThatCannotBeMadeStopsStartUpWithTheFileSystemsMessage) {
    quillox::testing::TempHome home;
    // The data folder's place is taken by a file, so no folder can be made there.
    QFile blocker(home.path() + "/data");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    store::TdmData data;
    try {
        data.DataModuleCreate();
        FAIL() << "start-up went on without a database";
    } catch (const std::exception& error) {
        const std::string message = error.what();
        EXPECT_TRUE(message.starts_with("Cannot create file: '" + home.path().toStdString() +
                                        "/data/Quillox/main.abs' Error code: 20."))
            << message;
        EXPECT_NE(message.find(" - Native error: 10030.\n\nQuillox cannot file or show documents "
                               "without its store."),
                  std::string::npos)
            << message;
    }
    EXPECT_FALSE(data.tDocuments.Active());
    EXPECT_FALSE(data.qQuery3.Active());
}

TEST(DataModule, ADamagedDatabaseFileIsReportedAndLeftAsItWas) {
    quillox::testing::TempHome home;
    ASSERT_TRUE(QDir().mkpath(home.databaseFolder()));
    const QString file = home.databaseFolder() + "main.abs";
    const QByteArray garbage = QByteArray("not a database at all, just some bytes ").repeated(200);
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(garbage);
    }

    store::TdmData data;
    try {
        data.DataModuleCreate();
        FAIL() << "a damaged file was opened";
    } catch (const std::exception& error) {
        EXPECT_TRUE(
            std::string(error.what()).starts_with("Cannot open file:'" + file.toStdString()))
            << error.what();
    }
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), garbage);
}
