#include "care/document_rows.h"

#include "db/sqlite_statement.h"

namespace quillox::care {

std::vector<DocumentRow> readDocumentRows(db::SqliteConnection& connection) {
    db::SqliteStatement statement(connection, "SELECT ID, Path, Folder FROM Documents");
    db::ScopedReset reset(statement);
    std::vector<DocumentRow> rows;
    while (statement.step())
        rows.push_back({statement.columnInt(0), statement.columnText(1), statement.columnText(2)});
    return rows;
}

} // namespace quillox::care
