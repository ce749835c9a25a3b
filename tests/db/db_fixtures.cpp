#include "db_fixtures.h"

namespace quillox::db::testing {

EngineTest::EngineTest() {
    db_.SetDatabaseName("Test");
    db_.SetDatabaseFileName(databasePath());
    db_.CreateDatabase();
}

void EngineTest::createItems() {
    TDbTable table;
    table.SetDatabaseName("Test");
    table.SetTableName("Items");
    table.FieldDefs().Add("ID", ftInteger, 0, true);
    table.FieldDefs().Add("Name", ftString, 10, true);
    table.FieldDefs().Add("Note", ftString, 6, false);
    table.FieldDefs().Add("Day", ftDate, 0, false);
    table.IndexDefs().Add("_ID", "ID", ixPrimary | ixUnique);
    table.CreateTable();
}

void EngineTest::openItems(TDbTable& table) {
    table.SetDatabaseName("Test");
    table.SetTableName("Items");
    table.Open();
}

void EngineTest::addItem(TDbTable& table, const Item& item) {
    table.Append();
    table.FieldByName("ID").SetAsInteger(item.id);
    table.FieldByName("Name").SetAsString(item.name);
    table.FieldByName("Note").SetAsString(item.note);
    table.FieldByName("Day").SetAsString(item.day);
    table.Post();
}

void EngineTest::addItems(TDbTable& table, const std::vector<Item>& items) {
    for (const Item& item : items)
        addItem(table, item);
}

void EngineTest::moveTo(TDbTable& table, int id) {
    table.First();
    while (!table.Eof() && table.FieldByName("ID").AsInteger() != id)
        table.Next();
    ASSERT_EQ(table.FieldByName("ID").AsInteger(), id);
}

QStringList EngineTest::select(const QString& statement, const QString& column) {
    TDbQuery query("qTest");
    query.SetDatabaseName("Test");
    query.SQL().Add(statement);
    query.Open();
    return columnOf(query, column);
}

void StoreTest::addDocuments(const std::vector<Document>& documents) {
    TDbTable& table = dm_.tDocuments;
    for (const Document& document : documents) {
        table.Append();
        table.FieldByName("ID").SetAsInteger(document.id);
        table.FieldByName("Document_Name").SetAsString(document.name);
        table.FieldByName("Tag_Words").SetAsString(document.tags);
        table.FieldByName("Description").SetAsString(document.description);
        table.FieldByName("Path").SetAsString("/store/" + document.name);
        table.FieldByName("InputDate").SetAsString(document.date);
        table.FieldByName("Folder").SetAsString(document.folder);
        table.Post();
    }
}

QStringList StoreTest::select(const QString& statement, const QString& column) {
    TDbQuery& query = dm_.qQuery;
    query.Close();
    query.SQL().Clear();
    query.SQL().Add(statement);
    query.Open();
    return columnOf(query, column);
}

QStringList columnOf(TDbDataset& dataset, const QString& column) {
    QStringList values;
    for (dataset.First(); !dataset.Eof(); dataset.Next())
        values.append(dataset.FieldByName(column).AsString());
    return values;
}

std::vector<int> idsOf(TDbDataset& dataset) {
    std::vector<int> ids;
    for (dataset.First(); !dataset.Eof(); dataset.Next())
        ids.push_back(dataset.FieldByName("ID").AsInteger());
    return ids;
}

std::optional<int> currentId(TDbDataset& dataset) {
    TDbField& id = dataset.FieldByName("ID");
    if (id.IsNull())
        return std::nullopt;
    return id.AsInteger();
}

} // namespace quillox::db::testing
