#include "db/row_cursor.h"

#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"

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
    columnList_ = "rowid";
    for (int column : columns_)
        columnList_ += ", " + quoted(schema.columns[static_cast<std::size_t>(column)].name);
    point_ = std::make_unique<SqliteStatement>(connection_, "SELECT " + columnList_ + " FROM " +
                                                                table_ + " WHERE rowid = ?");
    prepare();
}

RowCursor::~RowCursor() = default;

void RowCursor::prepare() {
    const std::string where = condition_.sql.empty() ? "" : " AND " + condition_.sql;
    scan_ = std::make_unique<SqliteStatement>(connection_, "SELECT " + columnList_ + " FROM " +
                                                               table_ + " WHERE rowid > ?" + where +
                                                               " ORDER BY rowid LIMIT ?");
    before_ = std::make_unique<SqliteStatement>(connection_, "SELECT rowid FROM " + table_ +
                                                                 " WHERE rowid < ?" + where +
                                                                 " ORDER BY rowid DESC LIMIT 1");
}

void RowCursor::setCondition(CompiledCondition condition) {
    condition_ = std::move(condition);
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
    int number = 1;
    scan_->bind(number++, rowid);
    for (const Value& parameter : condition_.parameters)
        scan_->bind(number++, parameter);
    scan_->bind(number, static_cast<std::int64_t>(limit));
}

void RowCursor::fetchAfter(std::int64_t rowid, std::size_t limit) {
    ScopedReset reset(*scan_);
    bindScan(rowid, limit);
    std::vector<std::int64_t> rowids;
    std::vector<Value> values;
    while (scan_->step()) {
        rowids.push_back(scan_->columnInt(0));
        for (std::size_t i = 0; i < columns_.size(); ++i)
            values.push_back(scan_->column(static_cast<int>(i) + 1));
    }
    readAt_ = connection_.changeCount();
    if (rowids.empty()) {
        eof_ = true;
        return;
    }
    rowids_ = std::move(rowids);
    values_ = std::move(values);
    position_ = 0;
    eof_ = false;
    batchFromStart_ = false;
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
    int number = 1;
    before_->bind(number++, rowid);
    for (const Value& parameter : condition_.parameters)
        before_->bind(number++, parameter);
    if (before_->step())
        return before_->columnInt(0);
    return std::nullopt;
}

} // namespace quillox::db
