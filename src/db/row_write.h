#pragma once

#include <cstdint>
#include <functional>

namespace quillox::db {

class SqliteConnection;
class SqliteStatement;
struct TableSchema;

struct RowWriteResult {
    std::int64_t insertedRowid = 0; // of an INSERT
    int changedRows = 0;
};

// Runs one prepared INSERT, UPDATE or DELETE of the table's rows as one committed transaction,
// with the table's substring indexes brought up to date in it. On failure nothing is left
// written: onFailure gets SQLite's extended code, then the DbError goes on.
RowWriteResult writeRow(SqliteConnection& connection, const TableSchema& schema,
                        SqliteStatement& statement,
                        const std::function<void(int code)>& onFailure = {});

} // namespace quillox::db
