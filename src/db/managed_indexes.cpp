#include "db/managed_indexes.h"

#include "db/db_error.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/substring_index.h"
#include "db/table_schema.h"

#include <algorithm>

namespace quillox::db {
namespace {

std::string orderedIndexName(const std::string& table, const std::string& column) {
    return table + ".by_" + column;
}

bool indexExists(SqliteConnection& connection, const std::string& name) {
    SqliteStatement statement(connection,
                              "SELECT 1 FROM sqlite_schema WHERE type = 'index' AND name = ?");
    ScopedReset reset(statement);
    statement.bind(1, Value(name));
    return statement.step();
}

// An index with the table's and column's names as the file spells them.
ManagedIndex checked(SqliteConnection& connection, const ManagedIndex& index) {
    const TableSchema schema = readTableSchema(connection, index.table);
    const int column = schema.columnIndex(index.column);
    if (column < 0)
        throwEngineError("Field '" + index.column + "' not found", NativeError::UnknownColumn);
    return {schema.name, schema.columns[static_cast<std::size_t>(column)].name, index.kind};
}

enum class Work { None, CatchUp, Create };

Work workFor(SqliteConnection& connection, const ManagedIndex& index) {
    if (index.kind == ManagedIndexKind::Ordered)
        return indexExists(connection, orderedIndexName(index.table, index.column)) ? Work::None
                                                                                    : Work::Create;
    const auto columns = substringIndexedColumns(connection, index.table);
    if (std::find(columns.begin(), columns.end(), index.column) == columns.end())
        return Work::Create;
    return substringIndexesInStep(connection, index.table, {index.column}) ? Work::None
                                                                           : Work::CatchUp;
}

void runInTransaction(SqliteConnection& connection, const auto& work) {
    connection.execute("BEGIN IMMEDIATE");
    try {
        work();
        connection.execute("COMMIT");
    } catch (...) {
        connection.rollbackIfOpen();
        throw;
    }
    connection.noteChange();
}

} // namespace

void addManagedIndexes(SqliteConnection& connection, const std::vector<ManagedIndex>& indexes) {
    std::vector<std::pair<ManagedIndex, Work>> plan;
    for (const ManagedIndex& wanted : indexes) {
        const ManagedIndex index = checked(connection, wanted);
        if (const Work work = workFor(connection, index); work != Work::None)
            plan.emplace_back(index, work);
    }
    // A file that cannot be written is read without what it lacks: the passes over its tables
    // give the same rows.
    if (plan.empty() || connection.readOnly())
        return;
    runInTransaction(connection, [&] {
        for (const auto& [index, work] : plan) {
            if (index.kind == ManagedIndexKind::Ordered)
                connection.execute("CREATE INDEX " +
                                   quoted(orderedIndexName(index.table, index.column)) + " ON " +
                                   quoted(index.table) + " (" + quoted(index.column) + ")");
            else if (work == Work::Create)
                createSubstringIndex(connection, index.table, index.column);
            else
                catchUpSubstringIndex(connection, index.table, index.column);
        }
    });
}

void rebuildIndexes(SqliteConnection& connection) {
    runInTransaction(connection, [&] {
        connection.execute("REINDEX");
        for (const std::string& table : tableNames(connection)) {
            for (const std::string& column : substringIndexedColumns(connection, table))
                createSubstringIndex(connection, table, column);
        }
    });
}

} // namespace quillox::db
