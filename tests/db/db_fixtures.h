#pragma once

#include "db/db_error.h"
#include "db/tdb_database.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"
#include "store/tdm_data.h"
#include "temp_home.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quillox::db::testing {

// One row of the Items table; an empty text leaves its column without a value.
struct Item {
    int id;
    QString name;
    QString note = {};
    QString day = {};
};

// A fresh database file in a temporary folder under the alias "Test", with a small table of
// all three column types: Items (ID integer required, Name VARCHAR(10) required, Note
// VARCHAR(6), Day DATE), primary index "_ID" on ID.
class EngineTest : public ::testing::Test {
protected:
    EngineTest();

    QString databasePath() const { return dir_.path() + "/test.abs"; }

    void createItems();
    // Opens a table component on Items.
    void openItems(TDbTable& table);
    // Appends and posts one row.
    static void addItem(TDbTable& table, const Item& item);
    static void addItems(TDbTable& table, const std::vector<Item>& items);
    // Walks a table to the row with this ID; fails the test when there is none.
    static void moveTo(TDbTable& table, int id);

    // Runs a statement on the test database and returns one column of its result.
    QStringList select(const QString& statement, const QString& column = "ID");

    QTemporaryDir dir_;
    TDbDatabase db_{"dbTest"};
};

// One row of the Documents table; an empty text leaves its column without a value.
struct Document {
    int id;
    QString name;
    QString tags;
    QString date;
    QString folder = "TAX FOLDER";
    QString description = {};
};

// The application's own data module, created in a temporary home: the real schema under the
// alias "Main", with all six datasets open.
class StoreTest : public ::testing::Test {
protected:
    StoreTest() { dm_.DataModuleCreate(); }
    ~StoreTest() override { dm_.DataModuleDestroy(); }

    void addDocuments(const std::vector<Document>& documents);
    // Runs a statement through qQuery and returns one column of its result.
    QStringList select(const QString& statement, const QString& column = "Document_Name");

    quillox::testing::TempHome home_;
    store::TdmData dm_;
};

// One column of every visible row, from First until Eof.
QStringList columnOf(TDbDataset& dataset, const QString& column = "ID");

// The ID of every visible row, from First until Eof.
std::vector<int> idsOf(TDbDataset& dataset);

// The ID of the current row, or nothing when the dataset has no current row.
std::optional<int> currentId(TDbDataset& dataset);

// The message of the DbError that an action throws, or a note that it threw none.
template <typename Action> std::string errorOf(Action action) {
    try {
        action();
    } catch (const DbError& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace quillox::db::testing
