#pragma once

#include "db/tdb_database.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"

#include <QObject>

namespace quillox::store {

// The data module: the database and the six datasets every window works on, open from
// DataModuleCreate to DataModuleDestroy.
class TdmData : public QObject {
    Q_OBJECT

public:
    TdmData();
    ~TdmData() override;

    // Opens the database file, or creates it, creates any missing table, and opens the three
    // tables and the three queries. Throws at the failing step; later datasets stay closed.
    void DataModuleCreate();
    // Closes the datasets and the database.
    void DataModuleDestroy();

    // Deletes the folder, every folder below it and the documents of them all: rows only, the
    // stored files stay. Terminates on a damaged table whose parents form a cycle.
    void deleteFolder(const QString& name);

    // Declared first, so that it is destroyed after the datasets.
    db::TDbDatabase dbMain{"dbMain"};
    db::TDbTable tDocuments{"tDocuments"};
    db::TDbTable tFolders{"tFolders"};
    db::TDbTable tSearchTerms{"tSearchTerms"};
    db::TDbQuery qQuery{"qQuery"};
    db::TDbQuery qQuery2{"qQuery2"};
    db::TDbQuery qQuery3{"qQuery3"};
};

} // namespace quillox::store
