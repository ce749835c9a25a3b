#pragma once

#include "db/condition_compiler.h"
#include "db/row_block.h"
#include "db/value.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillox::db {

class SqliteConnection;
class SqliteStatement;

// A cursor over the rows of one table that satisfy a condition, in storage order (SQLite's
// row id), reading chosen columns. It reads rows in batches and resets its statements after
// each, so it never holds the file between two calls; a batch read before a change of the
// connection is read again.
class RowCursor {
public:
    RowCursor(SqliteConnection& connection, const TableSchema& schema, std::vector<int> columns);
    ~RowCursor();

    // A new condition. The current row stays current; rows after it follow the new condition.
    void setCondition(CompiledCondition condition);

    void first();
    // Makes the last visible row current and sets the end flag.
    void last();
    void next();
    // Makes the row with this row id current, whatever the condition says of it.
    void positionAt(std::int64_t rowid);
    // Leaves no current row, at the end.
    void clear();
    // Reads the current row again if the connection changed it since; a row that is gone
    // leaves no current row.
    void refresh();

    bool eof() const { return eof_; }
    bool hasRow() const { return position_ < rowCount(); }
    std::int64_t rowid() const { return rowids_[position_]; }
    // A column of the current row; null when there is none.
    const Value& value(std::size_t column) const;

    // Reads visible rows as they are now, without moving the current row: for a view that
    // shows a window of a long result. Counting asks SQLite once, without reading the rows;
    // with a budget, a count that takes longer is given up and answers nothing. A count of
    // many rows, or one given up, makes the reads after it walk in row id order (see
    // CompiledCondition::sqlInRowidOrder). Throws DbError.
    std::optional<std::int64_t> count(std::optional<std::chrono::milliseconds> budget = {});
    // Up to limit rows after a row id, from the first row without one.
    RowBlock rowsAfter(std::optional<std::int64_t> rowid, std::size_t limit);
    // Up to limit rows before a row id, the nearest last.
    RowBlock rowsBefore(std::int64_t rowid, std::size_t limit);
    // Up to limit rows from a position counted from 0; SQLite steps over the rows before it.
    RowBlock rowsFrom(std::int64_t position, std::size_t limit);

    // The visible rows next to a row, for the row that takes a deleted row's place.
    std::optional<std::int64_t> visibleAfter(std::int64_t rowid);
    std::optional<std::int64_t> visibleBefore(std::int64_t rowid);

private:
    std::size_t rowCount() const { return rowids_.size(); }
    bool driven() const;
    std::string readFrom() const;
    std::string readRowid() const;
    std::string readWhere(const std::string& bound) const;
    // Binds the read's leading parameters; answers the number of the next one.
    int bindRead(SqliteStatement& statement, std::optional<std::int64_t> rowid) const;
    void prepare();
    void bindScan(std::int64_t rowid, std::size_t limit);
    RowBlock read(SqliteStatement& statement);
    void fetchAfter(std::int64_t rowid, std::size_t limit);
    bool stale() const;

    SqliteConnection& connection_;
    std::string table_;
    std::string columnList_;
    std::vector<int> columns_;
    CompiledCondition condition_;
    std::unique_ptr<SqliteStatement> scan_;
    std::unique_ptr<SqliteStatement> before_;
    std::unique_ptr<SqliteStatement> point_;
    std::unique_ptr<SqliteStatement> count_;
    std::unique_ptr<SqliteStatement> backward_;
    std::unique_ptr<SqliteStatement> offset_;

    std::vector<std::int64_t> rowids_;
    std::vector<Value> values_; // rowCount() rows of columns_.size() values
    std::size_t position_ = 0;
    std::size_t batchSize_ = 0;
    std::uint64_t readAt_ = 0;    // the connection's change count when the batch was read
    bool batchFromStart_ = false; // the batch holds the first visible rows
    bool eof_ = true;
    bool manyRows_ = false; // the last count found many rows: read them in row id order
};

} // namespace quillox::db
