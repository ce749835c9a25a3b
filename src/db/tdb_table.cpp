#include "db/tdb_table.h"

#include "db/condition_compiler.h"
#include "db/db_error.h"
#include "db/row_cursor.h"
#include "db/row_write.h"
#include "db/sql/input_excerpt.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/statement_text.h"
#include "db/table_schema.h"

#include <sqlite3.h>

namespace quillox::db {

TDbTable::TDbTable(const QString& name) : TDbDataset(name) {}

TDbTable::~TDbTable() {
    Close();
}

void TDbTable::SetTableName(const QString& table) {
    if (Active())
        Fail("Cannot perform this operation on an open dataset");
    tableName_ = table;
}

bool TDbTable::Exists() {
    try {
        return tableExists(Connection(), tableName_.toStdString());
    } catch (const DbError&) {
        // A database that cannot be opened has no tables; opening it reports why.
        return false;
    }
}

void TDbTable::CreateTable() {
    if (Active())
        Fail("Cannot perform this operation on an open dataset");
    createTable(Connection(),
                schemaFromDefinitions(tableName_.toStdString(), fieldDefs_, indexDefs_));
}

void TDbTable::OpenCursor(SqliteConnection& connection) {
    auto schema =
        std::make_unique<TableSchema>(readTableSchema(connection, tableName_.toStdString()));
    std::vector<int> columns;
    for (std::size_t i = 0; i < schema->columns.size(); ++i) {
        const ColumnSchema& column = schema->columns[i];
        columns.push_back(static_cast<int>(i));
        AddField(static_cast<int>(i), QString::fromStdString(column.name), column.type, column.size,
                 column.required);
    }
    auto cursor = std::make_unique<RowCursor>(connection, *schema, std::move(columns));
    if (filtered_ && !filter_.trimmed().isEmpty())
        cursor->setCondition(compileCondition(*parseFilterText(filter_), *schema));
    cursor->first();
    schema_ = std::move(schema);
    cursor_ = std::move(cursor);
}

qint64 TDbTable::LargestInteger(const QString& column) {
    CheckActive();
    const int index = schema_->columnIndex(column.toStdString());
    if (index < 0 || schema_->columns[static_cast<std::size_t>(index)].type != ftInteger)
        Fail("Field '" + sql::inputExcerpt(column.toStdString()) + "' is not an integer field");
    SqliteStatement statement(Connection(),
                              "SELECT max(" +
                                  quoted(schema_->columns[static_cast<std::size_t>(index)].name) +
                                  ") FROM " + quoted(schema_->name));
    ScopedReset reset(statement);
    return statement.step() ? statement.columnInt(0) : 0;
}

void TDbTable::CheckBrowseMode() {
    if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert)
        Post();
}

void TDbTable::Append() {
    CheckActive();
    CheckBrowseMode();
    buffer_.assign(static_cast<std::size_t>(FieldCount()), Value{});
    state_ = TDataSetState::dsInsert;
}

void TDbTable::Edit() {
    CheckActive();
    if (state_ != TDataSetState::dsBrowse)
        return;
    // Another component may have changed the row since it was read; the edit starts from the
    // stored row, or its Post would write the old values back.
    cursor_->refresh();
    if (!cursor_->hasRow())
        Fail("Cannot perform this operation on an empty dataset");
    buffer_.clear();
    for (int i = 0; i < FieldCount(); ++i)
        buffer_.push_back(cursor_->value(static_cast<std::size_t>(i)));
    state_ = TDataSetState::dsEdit;
}

void TDbTable::CheckRequired() const {
    for (std::size_t i = 0; i < schema_->columns.size(); ++i) {
        if (schema_->columns[i].required && isNull(buffer_[i]))
            throw DbError("Field '" + sql::inputExcerpt(schema_->columns[i].name) +
                          "' must have a value");
    }
}

void TDbTable::FailDuplicate() const {
    // SQLite names the columns ("UNIQUE constraint failed: T.a, T.b"); the index is the one
    // on those columns.
    const std::string message = sqlite3_errmsg(Connection().handle());
    std::string name;
    for (const IndexSchema& index : schema_->indexes) {
        std::string columns;
        for (const std::string& column : index.columns)
            columns += (columns.empty() ? "" : ", ") + schema_->name + "." + column;
        if (index.unique && (name.empty() || message.ends_with(columns)))
            name = index.name;
    }
    throwEngineError("Primary Key constraint '" + name + "' violated. Duplicate found.",
                     NativeError::DuplicateKey);
}

void TDbTable::Post() {
    CheckActive();
    if (state_ == TDataSetState::dsBrowse)
        return;
    CheckRequired();
    SqliteConnection& connection = Connection();
    const bool inserting = state_ == TDataSetState::dsInsert;
    std::string sql;
    if (inserting) {
        std::string names, marks;
        for (const ColumnSchema& column : schema_->columns) {
            names += (names.empty() ? "" : ", ") + quoted(column.name);
            marks += marks.empty() ? "?" : ", ?";
        }
        sql = "INSERT INTO " + quoted(schema_->name) + " (" + names + ") VALUES (" + marks + ")";
    } else {
        std::string assignments;
        for (const ColumnSchema& column : schema_->columns)
            assignments += (assignments.empty() ? "" : ", ") + quoted(column.name) + " = ?";
        sql = "UPDATE " + quoted(schema_->name) + " SET " + assignments + " WHERE rowid = ?";
    }
    SqliteStatement statement(connection, sql);
    int number = 1;
    for (const Value& value : buffer_)
        statement.bind(number++, value);
    if (!inserting)
        statement.bind(number, cursor_->rowid());
    const RowWriteResult written = writeRow(connection, *schema_, statement, [this](int code) {
        if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
            FailDuplicate();
    });
    // The edited row may have been deleted through another component since Edit.
    if (!inserting && written.changedRows == 0)
        Fail("The row being edited no longer exists");
    const std::int64_t rowid = inserting ? written.insertedRowid : cursor_->rowid();
    buffer_.clear();
    state_ = TDataSetState::dsBrowse;
    cursor_->positionAt(rowid);
}

void TDbTable::Cancel() {
    if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) {
        buffer_.clear();
        state_ = TDataSetState::dsBrowse;
    }
}

void TDbTable::Delete() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert) {
        Cancel();
        return;
    }
    if (!cursor_->hasRow())
        Fail("Cannot perform this operation on an empty dataset");
    SqliteConnection& connection = Connection();
    const std::int64_t rowid = cursor_->rowid();
    const auto after = cursor_->visibleAfter(rowid);
    const auto before = after ? std::nullopt : cursor_->visibleBefore(rowid);
    SqliteStatement statement(connection,
                              "DELETE FROM " + quoted(schema_->name) + " WHERE rowid = ?");
    statement.bind(1, rowid);
    writeRow(connection, *schema_, statement);
    Cancel();
    if (after)
        cursor_->positionAt(*after);
    else if (before)
        cursor_->positionAt(*before);
    else
        cursor_->clear();
}

void TDbTable::SetFilter(const QString& filter) {
    if (Active() && filtered_)
        ApplyFilter(filter, true);
    else
        filter_ = filter;
}

void TDbTable::SetFiltered(bool filtered) {
    if (Active())
        ApplyFilter(filter_, filtered);
    else
        filtered_ = filtered;
}

void TDbTable::ApplyFilter(const QString& filter, bool filtered) {
    CheckBrowseMode();
    CompiledCondition condition;
    if (filtered && !filter.trimmed().isEmpty())
        condition = compileCondition(*parseFilterText(filter), *schema_);
    cursor_->setCondition(std::move(condition));
    filter_ = filter;
    filtered_ = filtered;
    if (filtered)
        cursor_->first();
}

} // namespace quillox::db
