#include "db/row_cursor.h"

#include "db/db_error.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/statement_deadline.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>

namespace quillox::db {
namespace {

// The first batch is small, since most walks stop early; a long walk reads larger ones.
constexpr std::size_t firstBatch = 16;
constexpr std::size_t largestBatch = 1024;

const Value nullValue{};

} // namespace

RowCursor::RowCursor(SqliteConnection& connection, const TableSchema& schema,
                     std::vector<int> columns)
    : connection_(connection), table_(quoted(schema.name)), columns_(std::move(columns)) {
    columnList_ = table_ + ".rowid";
    for (int column : columns_)
        columnList_ +=
            ", " + table_ + "." + quoted(schema.columns[static_cast<std::size_t>(column)].name);
    point_ =
        std::make_unique<SqliteStatement>(connection_, "SELECT " + columnList_ + " FROM " + table_ +
                                                           " WHERE " + table_ + ".rowid = ?");
    prepare();
}

RowCursor::~RowCursor() = default;

// Above this many rows a page of a result is found sooner by walking the table in row id order
// than by sorting what an index finds for a range test.
constexpr std::int64_t manyRows = 1024;

bool RowCursor::driven() const {
    return condition_.driver.has_value();
}

std::string RowCursor::readFrom() const {
    if (!driven())
        return " FROM " + table_;
    const std::string index = quoted(condition_.driver->index);
    return " FROM " + index + " JOIN " + table_ + " ON " + table_ + ".rowid = " + index + ".rowid";
}

std::string RowCursor::readRowid() const {
    return (driven() ? quoted(condition_.driver->index) : table_) + ".rowid";
}

// The WHERE clause of a read: the driving index's query, a bound on the row id when one is
// given ("> ?" or "< ?"), and the condition.
std::string RowCursor::readWhere(const std::string& bound) const {
    std::vector<std::string> tests;
    if (driven())
        tests.push_back(quoted(condition_.driver->index) + " MATCH ?");
    if (!bound.empty())
        tests.push_back(readRowid() + " " + bound);
    const std::string& condition = driven()
                                       ? condition_.driver->sql
                                       : (manyRows_ ? condition_.sqlInRowidOrder : condition_.sql);
    if (!condition.empty())
        tests.push_back(condition);
    std::string where;
    for (const std::string& test : tests)
        where += (where.empty() ? " WHERE " : " AND ") + test;
    return where;
}

int RowCursor::bindRead(SqliteStatement& statement, std::optional<std::int64_t> rowid) const {
    int number = 1;
    if (driven())
        statement.bind(number++, Value(condition_.driver->query));
    if (rowid)
        statement.bind(number++, *rowid);
    for (const Value& parameter : driven() ? condition_.driver->parameters : condition_.parameters)
        statement.bind(number++, parameter);
    return number;
}

void RowCursor::prepare() {
    const std::string order = " ORDER BY " + readRowid();
    scan_ = std::make_unique<SqliteStatement>(
        connection_, "SELECT " + columnList_ + readFrom() + readWhere("> ?") + order + " LIMIT ?");
    before_ = std::make_unique<SqliteStatement>(connection_, "SELECT " + table_ + ".rowid" +
                                                                 readFrom() + readWhere("< ?") +
                                                                 order + " DESC LIMIT 1");
    // The windowed reads are prepared at their first use: most cursors never make them.
    backward_.reset();
    offset_.reset();
}

void RowCursor::setCondition(CompiledCondition condition) {
    condition_ = std::move(condition);
    count_.reset();
    manyRows_ = false;
    prepare();
    // Rows read under the old condition after the current one no longer count.
    if (hasRow()) {
        rowids_.resize(position_ + 1);
        values_.resize(rowids_.size() * columns_.size());
    }
    batchFromStart_ = false;
}

bool RowCursor::stale() const {
    return readAt_ != connection_.changeCount();
}

void RowCursor::bindScan(std::int64_t rowid, std::size_t limit) {
    scan_->bind(bindRead(*scan_, rowid), static_cast<std::int64_t>(limit));
}

RowBlock RowCursor::read(SqliteStatement& statement) {
    RowBlock block;
    while (statement.step()) {
        block.rowids.push_back(statement.columnInt(0));
        for (std::size_t i = 0; i < columns_.size(); ++i)
            block.values.push_back(statement.column(static_cast<int>(i) + 1));
    }
    return block;
}

void RowCursor::fetchAfter(std::int64_t rowid, std::size_t limit) {
    RowBlock block = rowsAfter(rowid, limit);
    readAt_ = connection_.changeCount();
    if (block.rowids.empty()) {
        eof_ = true;
        return;
    }
    rowids_ = std::move(block.rowids);
    values_ = std::move(block.values);
    position_ = 0;
    eof_ = false;
    batchFromStart_ = false;
}

std::optional<std::int64_t> RowCursor::count(std::optional<std::chrono::milliseconds> budget) {
    if (!count_) {
        // SQLite counts a whole table in one step that no deadline interrupts; count(rowid)
        // makes it walk the rows, which a deadline can stop.
        count_ = std::make_unique<SqliteStatement>(
            connection_, condition_.sql.empty()
                             ? "SELECT count(" + table_ + ".rowid) FROM " + table_
                             : "SELECT count(*) FROM " + table_ + " WHERE " + condition_.sql);
    }
    ScopedReset reset(*count_);
    int number = 1;
    for (const Value& parameter : condition_.parameters)
        count_->bind(number++, parameter);
    std::int64_t rows = 0;
    bool givenUp = false;
    try {
        std::optional<StatementDeadline> deadline;
        if (budget)
            deadline.emplace(connection_, *budget);
        rows = count_->step() ? count_->columnInt(0) : 0;
    } catch (const DbError&) {
        if (!budget || (connection_.lastErrorCode() & 0xff) != SQLITE_INTERRUPT)
            throw;
        givenUp = true;
    }
    // A count that does not end quickly means many rows.
    const bool many = givenUp || rows > manyRows;
    if (many != manyRows_) {
        manyRows_ = many;
        prepare();
    }
    return givenUp ? std::nullopt : std::optional(rows);
}

RowBlock RowCursor::rowsAfter(std::optional<std::int64_t> rowid, std::size_t limit) {
    ScopedReset reset(*scan_);
    bindScan(rowid.value_or(std::numeric_limits<std::int64_t>::min()), limit);
    return read(*scan_);
}

RowBlock RowCursor::rowsBefore(std::int64_t rowid, std::size_t limit) {
    if (!backward_)
        backward_ = std::make_unique<SqliteStatement>(
            connection_, "SELECT " + columnList_ + readFrom() + readWhere("< ?") + " ORDER BY " +
                             readRowid() + " DESC LIMIT ?");
    ScopedReset reset(*backward_);
    backward_->bind(bindRead(*backward_, rowid), static_cast<std::int64_t>(limit));
    RowBlock block = read(*backward_);
    std::reverse(block.rowids.begin(), block.rowids.end());
    const std::size_t width = columns_.size();
    for (std::size_t row = 0; row < block.rowids.size() / 2; ++row) {
        const std::size_t mirror = block.rowids.size() - 1 - row;
        std::swap_ranges(block.values.begin() + static_cast<std::ptrdiff_t>(row * width),
                         block.values.begin() + static_cast<std::ptrdiff_t>((row + 1) * width),
                         block.values.begin() + static_cast<std::ptrdiff_t>(mirror * width));
    }
    return block;
}

RowBlock RowCursor::rowsFrom(std::int64_t position, std::size_t limit) {
    if (!offset_)
        offset_ = std::make_unique<SqliteStatement>(
            connection_, "SELECT " + columnList_ + readFrom() + readWhere("") + " ORDER BY " +
                             readRowid() + " LIMIT ? OFFSET ?");
    ScopedReset reset(*offset_);
    const int number = bindRead(*offset_, std::nullopt);
    offset_->bind(number, static_cast<std::int64_t>(limit));
    offset_->bind(number + 1, std::max<std::int64_t>(position, 0));
    return read(*offset_);
}

void RowCursor::first() {
    // Open reads the first rows already; the First that callers make right after it must not
    // scan for them again.
    if (batchFromStart_ && !stale()) {
        position_ = 0;
        eof_ = rowids_.empty();
        return;
    }
    clear();
    batchSize_ = firstBatch;
    fetchAfter(std::numeric_limits<std::int64_t>::min(), batchSize_);
    batchFromStart_ = true;
}

void RowCursor::last() {
    const auto final = visibleBefore(std::numeric_limits<std::int64_t>::max());
    if (final)
        positionAt(*final);
    else
        clear();
    eof_ = true;
}

void RowCursor::next() {
    if (!hasRow()) {
        eof_ = true;
        return;
    }
    if (position_ + 1 < rowCount() && !stale()) {
        ++position_;
        eof_ = false;
        return;
    }
    batchSize_ = std::min(largestBatch, std::max(firstBatch, batchSize_ * 2));
    fetchAfter(rowid(), batchSize_);
}

void RowCursor::positionAt(std::int64_t rowid) {
    clear();
    ScopedReset reset(*point_);
    point_->bind(1, rowid);
    if (point_->step()) {
        rowids_.push_back(point_->columnInt(0));
        for (std::size_t i = 0; i < columns_.size(); ++i)
            values_.push_back(point_->column(static_cast<int>(i) + 1));
        eof_ = false;
    }
    readAt_ = connection_.changeCount();
    batchSize_ = firstBatch;
}

void RowCursor::clear() {
    rowids_.clear();
    values_.clear();
    position_ = 0;
    eof_ = true;
    batchFromStart_ = false;
}

void RowCursor::refresh() {
    if (!hasRow() || !stale())
        return;
    const bool atEnd = eof_;
    positionAt(rowid());
    if (hasRow())
        eof_ = atEnd;
}

const Value& RowCursor::value(std::size_t column) const {
    if (!hasRow() || column >= columns_.size())
        return nullValue;
    return values_[position_ * columns_.size() + column];
}

std::optional<std::int64_t> RowCursor::visibleAfter(std::int64_t rowid) {
    ScopedReset reset(*scan_);
    bindScan(rowid, 1);
    if (scan_->step())
        return scan_->columnInt(0);
    return std::nullopt;
}

std::optional<std::int64_t> RowCursor::visibleBefore(std::int64_t rowid) {
    ScopedReset reset(*before_);
    bindRead(*before_, rowid);
    if (before_->step())
        return before_->columnInt(0);
    return std::nullopt;
}

} // namespace quillox::db
