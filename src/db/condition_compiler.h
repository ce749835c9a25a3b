#pragma once

#include "db/sql/ast.h"
#include "db/table_schema.h"
#include "db/value.h"

#include <optional>
#include <string>
#include <vector>

namespace quillox::db {

// A condition as SQLite text with anonymous "?" parameters and their values in order, its
// columns named with their table. No value is ever written into the text.
struct CompiledCondition {
    std::string sql; // empty: every row
    // The same test with its range comparisons kept from indexes: for reading pages of many
    // rows in row id order, where a walk in that order finds them sooner than an index whose
    // rows must be sorted first. Equality tests and the substring index keep their indexes.
    std::string sqlInRowidOrder;
    std::vector<Value> parameters;

    // A substring index in which every row of the condition is found: a cursor may read the
    // rows from the index in row id order and test the rest of the condition on each, which
    // finds a page of a long result without reading the whole result.
    struct Driver {
        std::string index;             // the FTS5 table
        std::string query;             // the trigram query on it
        std::string sql;               // the rest of the condition, in row id order form
        std::vector<Value> parameters; // the rest's parameters
    };
    std::optional<Driver> driver;
};

// Checks a parsed condition against a table and turns it into SQLite text: LIKE becomes a
// case-sensitive GLOB on characters, a literal compared with a DATE column becomes a date,
// one compared with an INTEGER column a number. Throws DbError with line and column.
CompiledCondition compileCondition(const sql::Condition& condition, const TableSchema& schema);

// Resolves a name written in a statement to a column of the table. Throws DbError.
int resolveColumn(const sql::Located& name, const TableSchema& schema);

} // namespace quillox::db
