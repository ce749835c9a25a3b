#include "db/managed_indexes.h"

#include "db/db_error.h"
#include "db/sqlite_connection.h"
#include "db/substring_index.h"
#include "db/table_schema.h"

#include <algorithm>
#include <map>

namespace quillox::db {
namespace {

// The engine keeps an index's name under its table's, as the table's own indexes are kept.
std::string orderedIndexName(const std::string& column) {
    return "by_" + column;
}

enum class Work { None, CatchUp, Create };

// What the index needs, told by its table's schema as the engine reads it.
Work workFor(const TableSchema& schema, const ManagedIndex& index) {
    if (index.kind == ManagedIndexKind::Ordered) {
        const std::string name = orderedIndexName(index.column);
        const bool exists =
            std::any_of(schema.indexes.begin(), schema.indexes.end(),
                        [&](const IndexSchema& existing) { return existing.name == name; });
        return exists ? Work::None : Work::Create;
    }
    const auto& columns = schema.substringIndexed;
    if (std::find(columns.begin(), columns.end(), index.column) == columns.end())
        return Work::Create;
    return schema.substringInStep ? Work::None : Work::CatchUp;
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
    std::map<std::string, TableSchema> schemas;
    std::vector<std::pair<ManagedIndex, Work>> plan;
    for (const ManagedIndex& wanted : indexes) {
        auto found = schemas.find(wanted.table);
        if (found == schemas.end())
            found = schemas.emplace(wanted.table, readTableSchema(connection, wanted.table)).first;
        const TableSchema& schema = found->second;
        const int column = schema.columnIndex(wanted.column);
        if (column < 0)
            throwEngineError("Field '" + wanted.column + "' not found", NativeError::UnknownColumn);
        // The table's and column's names as the file spells them.
        const ManagedIndex index{schema.name, schema.columns[static_cast<std::size_t>(column)].name,
                                 wanted.kind};
        if (const Work work = workFor(schema, index); work != Work::None)
            plan.emplace_back(index, work);
    }
    // A file that cannot be written is read without what it lacks: the passes over its tables
    // give the same rows.
    if (plan.empty() || connection.readOnly())
        return;
    runInTransaction(connection, [&] {
        for (const auto& [index, work] : plan) {
            if (index.kind == ManagedIndexKind::Ordered)
                connection.execute(
                    "CREATE INDEX " + quoted(index.table + "." + orderedIndexName(index.column)) +
                    " ON " + quoted(index.table) + " (" + quoted(index.column) + ")");
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
