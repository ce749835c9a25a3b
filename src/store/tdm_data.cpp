#include "store/tdm_data.h"

#include "db/content_fingerprints.h"
#include "db/filing_intents.h"
#include "db/sqlite_connection.h"
#include "platform/user_error.h"
#include "store/misc_ops.h"
#include "store/store_unavailable.h"
#include "store/table_columns.h"
#include "store/table_names.h"

namespace quillox::store {
namespace {

void createTableIfMissing(db::TDbTable& table, const QString& name,
                          const std::vector<ColumnDefinition>& columns) {
    table.SetDatabaseName("Main");
    table.SetTableName(name);
    if (table.Exists())
        return;
    table.FieldDefs().Clear();
    table.FieldDefs().Add(idColumn, db::ftInteger, 0, true);
    for (const ColumnDefinition& column : columns)
        table.FieldDefs().Add(column.name, column.type, column.size, column.required);
    table.IndexDefs().Clear();
    table.IndexDefs().Add("_" + idColumn, idColumn, db::ixPrimary | db::ixUnique);
    table.CreateTable();
}

// What the windows look rows up by: a folder's documents, a date range, a folder by name or
// parent, a term, and tag words by any part of them.
std::vector<db::ManagedIndex> storeIndexes() {
    using db::ManagedIndexKind;
    const auto index = [](QLatin1StringView table, QLatin1StringView column,
                          ManagedIndexKind kind) {
        return db::ManagedIndex{QString(table).toStdString(), QString(column).toStdString(), kind};
    };
    return {index(documentsTable, folderColumn, ManagedIndexKind::Ordered),
            index(documentsTable, inputDateColumn, ManagedIndexKind::Ordered),
            index(documentsTable, tagWordsColumn, ManagedIndexKind::Substring),
            index(foldersTable, nameColumn, ManagedIndexKind::Ordered),
            index(foldersTable, parentColumn, ManagedIndexKind::Ordered),
            index(searchTermsTable, termColumn, ManagedIndexKind::Ordered)};
}

void openQuery(db::TDbQuery& query) {
    query.SetDatabaseName("Main");
    query.SQL().Clear();
    query.SQL().Add("SELECT * FROM " + documentsTable);
    query.Open();
}

} // namespace

TdmData::TdmData() {
    setObjectName("dmData");
}

TdmData::~TdmData() = default;

void TdmData::DataModuleCreate(StartKind previousRun, const ConfirmFreshStart& confirm) {
    try {
        dbMain.SetDatabaseName("Main");
        dbMain.SetDatabaseFileName(getDatabaseFile());
        openStoreFile(dbMain, previousRun, confirm);
        createTableIfMissing(tDocuments, documentsTable, documentsColumns());
        createTableIfMissing(tFolders, foldersTable, foldersColumns());
        createTableIfMissing(tSearchTerms, searchTermsTable, searchTermsColumns());
        dbMain.AddManagedIndexes(storeIndexes());
        db::addFingerprintTable(dbMain.Connection());
        db::addFilingIntentTable(dbMain.Connection());
        for (db::TDbTable* table : {&tDocuments, &tFolders, &tSearchTerms})
            table->Open();
        openQuery(qQuery);
        openQuery(qQuery2);
        openQuery(qQuery3);
        failure_.clear();
    } catch (const std::exception& error) {
        // Half a store would answer every window with another error.
        DataModuleDestroy();
        failure_ = storeUnavailableMessage(QString::fromUtf8(error.what()));
        throw platform::UserError(failure_);
    }
}

void TdmData::RequireAvailable() const {
    if (!Available())
        throw platform::UserError(failure_);
}

QString TdmData::ReadOnlyNotice() {
    if (!Available() || !dbMain.ReadOnly())
        return {};
    return QString::fromStdString(db::readOnlyFailure(dbMain.Connection().path())) +
           ".\n\nQuillox shows and searches the documents, but cannot file, add folders, move "
           "or delete until it can write to the file.";
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
