#include "db/table_schema.h"

#include "db/db_error.h"
#include "db/sql/input_excerpt.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/substring_index.h"
#include "db/text_rules.h"

#include <QStringList>
#include <optional>

namespace quillox::db {
namespace {

std::string typeName(const ColumnSchema& column) {
    switch (column.type) {
    case ftInteger:
        return "INTEGER";
    case ftDate:
        return "DATE";
    case ftString:
        break;
    }
    return "VARCHAR(" + std::to_string(column.size) + ")";
}

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

constexpr int maxTextWidth = 32000;

bool parseType(const std::string& declared, ColumnSchema& column) {
    const std::string type = upper(declared);
    if (type == "INTEGER") {
        column.type = ftInteger;
        return true;
    }
    if (type == "DATE") {
        column.type = ftDate;
        return true;
    }
    const std::string prefix = "VARCHAR(";
    if (type.size() > prefix.size() + 1 && type.starts_with(prefix) && type.back() == ')') {
        const auto width = parseInt32(type.substr(prefix.size(), type.size() - prefix.size() - 1));
        if (width && *width > 0 && *width <= maxTextWidth) {
            column.type = ftString;
            column.size = *width;
            return true;
        }
    }
    return false;
}

// SQLite's index names are shared by all tables, so each is stored under its table's name.
std::string storedIndexName(const std::string& table, const std::string& index) {
    return table + "." + index;
}

std::vector<IndexSchema> readIndexes(SqliteConnection& connection, const std::string& table) {
    std::vector<IndexSchema> indexes;
    SqliteStatement list(connection, "SELECT name, \"unique\" FROM pragma_index_list(?)");
    SqliteStatement info(connection, "SELECT name FROM pragma_index_info(?) ORDER BY seqno");
    ScopedReset listReset(list);
    list.bind(1, Value(table));
    while (list.step()) {
        IndexSchema index;
        const std::string stored = list.columnText(0);
        const std::string prefix = table + ".";
        index.name = stored.starts_with(prefix) ? stored.substr(prefix.size()) : stored;
        index.unique = list.columnInt(1) != 0;
        ScopedReset infoReset(info);
        info.bind(1, Value(stored));
        while (info.step())
            index.columns.push_back(info.columnText(0));
        indexes.push_back(std::move(index));
    }
    return indexes;
}

[[noreturn]] void invalidName(const std::string& what, const std::string& name) {
    throwEngineError("Invalid " + what + " name '" + sql::inputExcerpt(name) + "'",
                     NativeError::InvalidName);
}

} // namespace

int TableSchema::columnIndex(std::string_view column) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (sameName(columns[i].name, column))
            return static_cast<int>(i);
    }
    return -1;
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

namespace {

// The table's name as the file spells it; names are compared without regard to case.
std::optional<std::string> storedTableName(SqliteConnection& connection, const std::string& table) {
    SqliteStatement statement(
        connection,
        "SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ? COLLATE NOCASE");
    ScopedReset reset(statement);
    statement.bind(1, Value(table));
    if (!statement.step())
        return std::nullopt;
    return statement.columnText(0);
}

} // namespace

bool tableExists(SqliteConnection& connection, const std::string& table) {
    return storedTableName(connection, table).has_value();
}

std::vector<std::string> tableNames(SqliteConnection& connection) {
    SqliteStatement statement(connection,
                              "SELECT name FROM sqlite_schema WHERE type = 'table' "
                              "AND name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY rowid");
    ScopedReset reset(statement);
    std::vector<std::string> names;
    while (statement.step()) {
        std::string name = statement.columnText(0);
        if (isBareName(name))
            names.push_back(std::move(name));
    }
    return names;
}

TableSchema readTableSchema(SqliteConnection& connection, const std::string& table) {
    const auto name = isBareName(table) ? storedTableName(connection, table) : std::nullopt;
    if (!name)
        throwEngineError("Table '" + sql::inputExcerpt(table) + "' does not exist",
                         NativeError::UnknownTable);
    TableSchema schema;
    schema.name = *name;
    SqliteStatement statement(
        connection, "SELECT name, type, \"notnull\" FROM pragma_table_info(?) ORDER BY cid");
    ScopedReset reset(statement);
    statement.bind(1, Value(table));
    while (statement.step()) {
        ColumnSchema column;
        column.name = statement.columnText(0);
        column.required = statement.columnInt(2) != 0;
        const std::string declared = statement.columnText(1);
        if (!parseType(declared, column)) {
            throwEngineError("Column '" + sql::inputExcerpt(column.name) + "' of table '" +
                                 sql::inputExcerpt(table) + "' has the unsupported type '" +
                                 sql::inputExcerpt(declared) + "'",
                             NativeError::UnsupportedColumn);
        }
        schema.columns.push_back(std::move(column));
    }
    schema.indexes = readIndexes(connection, schema.name);
    schema.substringIndexed = substringIndexedColumns(connection, schema.name);
    schema.substringInStep =
        substringIndexesInStep(connection, schema.name, schema.substringIndexed);
    return schema;
}

TableSchema schemaFromDefinitions(const std::string& table, const TFieldDefs& fields,
                                  const TIndexDefs& indexes) {
    if (!isBareName(table) || table.starts_with("sqlite_"))
        invalidName("table", table);
    TableSchema schema;
    schema.name = table;
    for (const TFieldDef& def : fields.Items()) {
        ColumnSchema column{def.Name.toStdString(), def.DataType, def.Size, def.Required};
        if (!isBareName(column.name) || schema.columnIndex(column.name) >= 0)
            invalidName("field", column.name);
        if (column.type != ftString)
            column.size = 0;
        else if (column.size <= 0 || column.size > maxTextWidth)
            throwEngineError("Invalid size " + std::to_string(column.size) + " of field '" +
                                 column.name + "'",
                             NativeError::InvalidName);
        schema.columns.push_back(std::move(column));
    }
    if (schema.columns.empty())
        throwEngineError("Table '" + table + "' has no fields", NativeError::InvalidName);
    for (const TIndexDef& def : indexes.Items()) {
        IndexSchema index;
        index.name = def.Name.toStdString();
        if (!isBareName(index.name))
            invalidName("index", index.name);
        index.unique = (def.Options & (ixPrimary | ixUnique)) != 0;
        for (const QString& field : def.Fields.split(';', Qt::SkipEmptyParts)) {
            const std::string column = field.trimmed().toStdString();
            const int position = schema.columnIndex(column);
            if (position < 0)
                throwEngineError("Cannot find index field '" + sql::inputExcerpt(column) + "'",
                                 NativeError::IndexField);
            index.columns.push_back(schema.columns[static_cast<std::size_t>(position)].name);
        }
        if (index.columns.empty())
            throwEngineError("Cannot find index field ''", NativeError::IndexField);
        schema.indexes.push_back(std::move(index));
    }
    return schema;
}

void createTable(SqliteConnection& connection, const TableSchema& schema) {
    if (tableExists(connection, schema.name))
        throwEngineError("Table '" + sql::inputExcerpt(schema.name) + "' already exists",
                         NativeError::TableExists);
    std::string sql = "BEGIN IMMEDIATE; CREATE TABLE " + quoted(schema.name) + " (";
    for (std::size_t i = 0; i < schema.columns.size(); ++i) {
        const ColumnSchema& column = schema.columns[i];
        sql += (i ? ", " : "") + quoted(column.name) + " " + typeName(column) +
               (column.required ? " NOT NULL" : "");
    }
    sql += ");";
    for (const IndexSchema& index : schema.indexes) {
        sql += std::string(" CREATE ") + (index.unique ? "UNIQUE " : "") + "INDEX " +
               quoted(storedIndexName(schema.name, index.name)) + " ON " + quoted(schema.name) +
               " (";
        for (std::size_t i = 0; i < index.columns.size(); ++i)
            sql += (i ? ", " : "") + quoted(index.columns[i]);
        sql += ");";
    }
    sql += " COMMIT;";
    try {
        connection.execute(sql);
    } catch (const DbError&) {
        connection.rollbackIfOpen();
        throw;
    }
}

} // namespace quillox::db
