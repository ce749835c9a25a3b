#pragma once

#include "db/shell/append_arguments.h"

#include <QString>
#include <ostream>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::db::shell {

// Runs a statement and writes a header line of column names, then one line per row.
void printQuery(TDbDatabase& database, const QString& statement, std::ostream& out);

// Writes the names of the tables, one a line.
void printTables(TDbDatabase& database, std::ostream& out);

// Writes a header line, then one line per column: name, type, width and whether required.
void printSchema(TDbDatabase& database, const QString& table, std::ostream& out);

// Appends and posts one row through a table component, so that its rules apply; a row that
// cannot be posted is dropped. Once the row is posted, writes a warning to err for each value
// that its column's width cut.
void appendRow(TDbDatabase& database, const AppendArguments& row, std::ostream& err);

} // namespace quillox::db::shell
