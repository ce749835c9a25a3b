#pragma once

#include "db/managed_indexes.h"

#include <QString>
#include <memory>
#include <vector>

namespace quillox::db {

class SqliteConnection;
class TDbDataset;

// The database component: names one database file, creates or opens it, and closes it with
// every dataset still open on it. Datasets find it by its DatabaseName.
class TDbDatabase {
public:
    explicit TDbDatabase(const QString& name = {});
    ~TDbDatabase();
    TDbDatabase(const TDbDatabase&) = delete;
    TDbDatabase& operator=(const TDbDatabase&) = delete;

    QString Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    QString DatabaseName() const { return alias_; }
    void SetDatabaseName(const QString& alias);
    QString DatabaseFileName() const { return fileName_; }
    void SetDatabaseFileName(const QString& fileName);

    // Opens the existing file, which must hold a Quillox database; opening writes nothing.
    // Throws DbError when it is missing, a folder, unreadable, damaged, empty (EmptyFile, or
    // UnmarkedDatabase for a database without tables that nobody marked) or another program's
    // database.
    void Open();
    // Opens the existing file as Open does, and makes a Quillox database of an empty one, which
    // Open refuses; anything else is refused as Open refuses it.
    void ClaimEmptyFile();
    // Creates a new, empty database in a file that does not exist yet, and opens it; an
    // existing file is never replaced. Throws DbError.
    void CreateDatabase();
    // Adds the indexes the engine keeps beside the tables' own and brings them up to date, in
    // one transaction; open the tables after it, so that they keep the indexes in step. Throws
    // DbError.
    void AddManagedIndexes(const std::vector<ManagedIndex>& indexes);
    // Rebuilds every index of the file from the tables, for rows that another tool wrote.
    // Throws DbError.
    void RebuildIndexes();
    // Closes the queries open on the database, then its tables, then the file.
    void Close();
    bool Connected() const { return connection_ != nullptr; }
    // Whether the open file can only be read, for its permissions or its file system's.
    bool ReadOnly();
    // Throws DbError, as a refused write would, when the file can only be read: for the writes
    // that have work to do before they reach the database.
    void RequireWritable();

    // The open file, opened first when needed; for the datasets.
    SqliteConnection& Connection();
    void Attach(TDbDataset* dataset);
    void Detach(TDbDataset* dataset);

private:
    void openFile(bool claimEmpty);

    QString name_;
    QString alias_;
    QString fileName_;
    std::unique_ptr<SqliteConnection> connection_;
    std::vector<TDbDataset*> datasets_;
};

// The database component registered under an alias, or none.
TDbDatabase* findDatabase(const QString& alias);

} // namespace quillox::db
