#include "db/row_write.h"

#include "db/db_error.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/substring_index.h"
#include "db/table_schema.h"

namespace quillox::db {

RowWriteResult writeRow(SqliteConnection& connection, const TableSchema& schema,
                        SqliteStatement& statement,
                        const std::function<void(int code)>& onFailure) {
    const bool indexed = !schema.substringIndexed.empty();
    RowWriteResult result;
    try {
        if (indexed)
            connection.executeKept("BEGIN IMMEDIATE");
        statement.step();
        result = {connection.lastInsertRowid(), connection.lastChangedRows()};
        statement.reset();
        if (indexed) {
            for (const std::string& column : schema.substringIndexed)
                catchUpSubstringIndex(connection, schema.name, column);
            connection.executeKept("COMMIT");
        }
    } catch (const DbError&) {
        const int code = connection.lastErrorCode();
        statement.reset();
        connection.rollbackIfOpen();
        connection.noteChange();
        if (onFailure)
            onFailure(code);
        throw;
    }
    connection.noteChange();
    return result;
}

} // namespace quillox::db
