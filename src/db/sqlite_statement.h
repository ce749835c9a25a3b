#pragma once

#include "db/value.h"

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace quillox::db {

class SqliteConnection;

// One prepared SQLite statement. Bind numbers count from 1. Every use ends with reset(), so
// no statement stays in the middle of a result between two calls of the engine: SQLite
// commits a change only when no statement of the connection is still running.
class SqliteStatement {
public:
    SqliteStatement(SqliteConnection& connection, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int number, const Value& value);
    void bind(int number, std::int64_t value);
    // True while a row is there to read; false at the end. Throws DbError on failure.
    bool step();
    void reset();

    int columnCount() const;
    Value column(int index) const;
    std::int64_t columnInt(int index) const;
    std::string columnText(int index) const;

private:
    SqliteConnection& connection_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace quillox::db

namespace quillox::db {

// Resets a statement when a use of it ends, however it ends.
class ScopedReset {
public:
    explicit ScopedReset(SqliteStatement& statement) : statement_(statement) {}
    ~ScopedReset() { statement_.reset(); }
    ScopedReset(const ScopedReset&) = delete;
    ScopedReset& operator=(const ScopedReset&) = delete;

private:
    SqliteStatement& statement_;
};

} // namespace quillox::db
