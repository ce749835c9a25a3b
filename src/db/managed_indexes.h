#pragma once

#include <string>
#include <vector>

namespace quillox::db {

class SqliteConnection;

enum class ManagedIndexKind {
    Ordered,  // SQLite's index on the column: equality and range tests
    Substring // LIKE tests with a wildcard in front (see substring_index.h)
};

// An index the engine keeps for a column, beside the indexes a table's definition names. It
// changes how fast a statement is answered, never its rows or their order.
struct ManagedIndex {
    std::string table;
    std::string column;
    ManagedIndexKind kind = ManagedIndexKind::Ordered;
};

// Adds the indexes that the file lacks, and indexes the rows that programs which do not keep
// substring indexes wrote, all in one transaction; writes nothing when every index is there
// and in step, or when the file can only be read. A missing table or column is an error.
// Throws DbError.
void addManagedIndexes(SqliteConnection& connection, const std::vector<ManagedIndex>& indexes);

// Rebuilds every index of the file from its table: SQLite's own and the substring indexes, in
// one transaction. Throws DbError.
void rebuildIndexes(SqliteConnection& connection);

} // namespace quillox::db
