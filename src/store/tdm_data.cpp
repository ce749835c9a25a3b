#include "store/tdm_data.h"

#include "store/misc_ops.h"

#include <QFileInfo>

namespace quillox::store {
namespace {

using db::ftDate;
using db::ftInteger;
using db::ftString;

struct ColumnDefinition {
    const char* name;
    db::TFieldType type;
    int size;
    bool required;
};

// The columns of each table after ID, in their order.
const std::vector<ColumnDefinition> documentsColumns = {
    {"Document_Name", ftString, 100, true}, {"Tag_Words", ftString, 500, false},
    {"Description", ftString, 144, false},  {"Path", ftString, 500, true},
    {"InputDate", ftDate, 0, true},         {"Folder", ftString, 100, true},
};
const std::vector<ColumnDefinition> foldersColumns = {
    {"Name", ftString, 100, true},
    {"Parent", ftString, 100, true},
    {"Picture", ftInteger, 0, true},
};
const std::vector<ColumnDefinition> searchTermsColumns = {{"Term", ftString, 100, true}};

void openTable(db::TDbTable& table, const QString& name,
               const std::vector<ColumnDefinition>& columns) {
    table.SetDatabaseName("Main");
    table.SetTableName(name);
    if (!table.Exists()) {
        table.FieldDefs().Clear();
        table.FieldDefs().Add("ID", ftInteger, 0, true);
        for (const ColumnDefinition& column : columns)
            table.FieldDefs().Add(column.name, column.type, column.size, column.required);
        table.IndexDefs().Clear();
        table.IndexDefs().Add("_ID", "ID", db::ixPrimary | db::ixUnique);
        table.CreateTable();
    }
    table.Open();
}

void openQuery(db::TDbQuery& query) {
    query.SetDatabaseName("Main");
    query.SQL().Add("SELECT * FROM Documents");
    query.Open();
}

} // namespace

TdmData::TdmData() {
    setObjectName("dmData");
}

TdmData::~TdmData() = default;

void TdmData::DataModuleCreate() {
    const QString file = getDatabaseFile();
    dbMain.SetDatabaseName("Main");
    dbMain.SetDatabaseFileName(file);
    if (QFileInfo::exists(file))
        dbMain.Open();
    else
        dbMain.CreateDatabase();
    openTable(tDocuments, "Documents", documentsColumns);
    openTable(tFolders, "Folders", foldersColumns);
    openTable(tSearchTerms, "SearchTerms", searchTermsColumns);
    openQuery(qQuery);
    openQuery(qQuery2);
    openQuery(qQuery3);
}

void TdmData::DataModuleDestroy() {
    tDocuments.Close();
    tFolders.Close();
    qQuery.Close();
    qQuery2.Close();
    qQuery3.Close();
    dbMain.Close();
}

} // namespace quillox::store
