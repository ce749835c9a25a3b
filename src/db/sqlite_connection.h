#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3;

namespace quillox::db {

class SqliteStatement;

// An open SQLite database file, set up for the engine: synchronous writes up to the journal's
// removal, so that each committed change survives a crash or a power cut; defensive mode and an
// untrusted schema, since a database file is input like any other.
class SqliteConnection {
public:
    // Opens an existing file for reading and writing (reading only when the file is write
    // protected). Throws DbError with the "Cannot open file" message.
    explicit SqliteConnection(const std::string& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return db_; }
    const std::string& path() const { return path_; }

    // Runs statements that return no rows.
    void execute(const std::string& sql);
    // Runs one statement that returns no rows, prepared at its first use and kept while the
    // connection lives: for the statements that every write runs.
    void executeKept(const std::string& sql);

    // Ends a transaction that a failed statement left open, dropping its changes.
    void rollbackIfOpen();

    // Counts the changes of this connection; a cursor holding rows read at an older count
    // reads them again.
    std::uint64_t changeCount() const { return changes_; }
    void noteChange() { ++changes_; }

    // True when the file could be opened for reading only.
    bool readOnly() const;

    // SQLite's extended code for the last failure.
    int lastErrorCode() const;
    std::int64_t lastInsertRowid() const;
    // How many rows the last INSERT, UPDATE or DELETE changed.
    int lastChangedRows() const;

    // The last failure as an engine message: SQLite's text and its native number.
    [[noreturn]] void fail() const;

private:
    sqlite3* db_ = nullptr;
    std::string path_;
    std::unordered_map<std::string, std::unique_ptr<SqliteStatement>> kept_;
    std::uint64_t changes_ = 0;
};

// The message of a write refused because the file can only be read: it names the file and says
// what to check.
std::string readOnlyFailure(const std::string& path);

} // namespace quillox::db
