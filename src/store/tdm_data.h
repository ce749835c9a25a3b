#pragma once

#include "db/tdb_database.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"
#include "store/open_store_file.h"
#include "store/start_kind.h"

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
    // tables and the three queries. After an unclean end the file is checked first, and an
    // empty file becomes a store only on confirm's yes (see openStoreFile). Throws
    // platform::UserError with the reason and what the user can do; the store then stays
    // unavailable, every dataset closed.
    void DataModuleCreate(StartKind previousRun = StartKind::AfterCleanEnd,
                          const ConfirmFreshStart& confirm = {});
    // Closes the datasets and the database.
    void DataModuleDestroy();

    // Whether DataModuleCreate opened the store.
    bool Available() const { return failure_.isEmpty(); }
    // Throws platform::UserError with DataModuleCreate's message while the store is unavailable.
    void RequireAvailable() const;
    // What the user is told once at start when the open store can only be read: browsing and
    // searching work, every change is refused. Empty when the store can be written.
    QString ReadOnlyNotice();

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

private:
    QString failure_ = "The store is not open";
};

} // namespace quillox::store
