#pragma once

#include <QString>

namespace quillox::care {

// A restore's database, copied first into a hidden file beside the database file (see
// stagedDatabaseFile: the same file system), where it is checked and rewritten without
// touching the backup, and then renamed into place in one step. Going removes the file unless
// it was put in place; a kill leaves it for the next restore or check --repair to remove.
class StagedDatabase {
public:
    // Copies the open file into the staged file, which must not exist, and flushes it. Throws
    // UserError.
    StagedDatabase(int source, const QString& sourcePath, const QString& databaseFile);
    ~StagedDatabase();
    StagedDatabase(const StagedDatabase&) = delete;
    StagedDatabase& operator=(const StagedDatabase&) = delete;

    const QString& path() const { return path_; }

    // Refuses, with UserError, a copy that SQLite's integrity check finds damaged, that is not
    // a Quillox database, or whose Documents table lacks the columns a restore rewrites.
    void check() const;
    // Flushes the copy, as rewritten since, to the disk. Throws UserError.
    void flush() const;
    // Gives the copy the database file's name. An existing database file is replaced only
    // when told to, and is then kept beside it under a name of its own, which is returned
    // (empty when there was none). Throws UserError; the database file is then as it was.
    QString putInPlace(const QString& databaseFile, bool replace);
    // Flushes the database file's new name to the disk, once the rest of the restore is kept.
    // Throws UserError.
    void flushName(const QString& databaseFile) const;

private:
    QString path_;
    bool placed_ = false;
};

} // namespace quillox::care
