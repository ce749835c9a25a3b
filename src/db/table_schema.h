#pragma once

#include "db/field_defs.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillox::db {

class SqliteConnection;

struct ColumnSchema {
    std::string name;
    TFieldType type = ftString;
    int size = 0;
    bool required = false;
};

struct IndexSchema {
    std::string name;
    std::vector<std::string> columns;
    bool unique = false;
};

// A table's definition as the database file keeps it: SQLite's own schema, with the column
// types VARCHAR(n), INTEGER and DATE standing for the engine's three types.
struct TableSchema {
    std::string name;
    std::vector<ColumnSchema> columns;
    std::vector<IndexSchema> indexes;
    // Columns with a substring index, and whether every row is indexed; only an index in step
    // may answer a condition.
    std::vector<std::string> substringIndexed;
    bool substringInStep = false;

    // Position of a column, names compared without regard to case; -1 when there is none.
    int columnIndex(std::string_view column) const;
};

bool tableExists(SqliteConnection& connection, const std::string& table);
// The tables that statements can name, in the order they were made; the tables that the
// engine keeps for its indexes are left out.
std::vector<std::string> tableNames(SqliteConnection& connection);

// Throws DbError when the table is missing or has a column of a type the engine does not know.
TableSchema readTableSchema(SqliteConnection& connection, const std::string& table);

// Creates the table and its indexes in one transaction. Throws DbError.
void createTable(SqliteConnection& connection, const TableSchema& schema);

// The schema described by a component's definitions, checked. Throws DbError.
TableSchema schemaFromDefinitions(const std::string& table, const TFieldDefs& fields,
                                  const TIndexDefs& indexes);

// A name between double quotes, for SQL text; names are checked to be bare before.
std::string quoted(const std::string& name);

} // namespace quillox::db
