#pragma once

#include <string>
#include <vector>

namespace quillox::db {

class SqliteConnection;

// A substring index answers LIKE tests with a wildcard in front from SQLite's FTS5 trigram
// index instead of a pass over the table. It keeps its own copy of the column. Plain triggers
// on the table note the row ids that any writer changed in a table of pending rows, since an
// FTS5 table cannot be written by a trigger of a file whose schema is not trusted; the engine
// brings the index up to date from that list in the writer's transaction. A program that
// knows nothing of the index still writes rows as before, and its rows are indexed at the
// next write or opening of this engine.
struct SubstringIndexNames {
    std::string index;   // the FTS5 table
    std::string pending; // the row ids changed since the index was last brought up to date
    std::string onInsert;
    std::string onDelete;
    std::string onUpdate;
};

SubstringIndexNames substringIndexNames(const std::string& table, const std::string& column);

// The columns of a table that have a complete substring index: its table, its table of pending
// rows and its three triggers.
std::vector<std::string> substringIndexedColumns(SqliteConnection& connection,
                                                 const std::string& table);

// True when no row is waiting to be indexed, so that the index answers as the table does.
bool substringIndexesInStep(SqliteConnection& connection, const std::string& table,
                            const std::vector<std::string>& columns);

// Creates the index with its pending table and triggers and fills it from the table; an index
// that is there already, whole or in part, is replaced, so this also rebuilds one. Call inside
// a transaction.
void createSubstringIndex(SqliteConnection& connection, const std::string& table,
                          const std::string& column);

// Indexes the rows noted as pending and empties the list. Call inside the transaction of the
// write that noted them.
void catchUpSubstringIndex(SqliteConnection& connection, const std::string& table,
                           const std::string& column);

// True when a GLOB pattern has a run of at least three characters without wildcards, the
// shortest that a trigram index can look up; shorter patterns need the pass over the table.
bool substringIndexCanAnswer(const std::string& glob);

// An FTS5 query that finds every row matching any of the patterns, and a few more: each
// pattern's runs of three or more characters, as trigrams that must all be there (of a long
// pattern, the first few dozen). The caller tests each row it finds against the patterns.
std::string trigramQuery(const std::vector<std::string>& globs);

} // namespace quillox::db
