#include "db/tdb_query.h"

#include "db/condition_compiler.h"
#include "db/row_cursor.h"
#include "db/statement_text.h"
#include "db/table_schema.h"

namespace quillox::db {

TDbQuery::TDbQuery(const QString& name) : TDbDataset(name) {}

TDbQuery::~TDbQuery() {
    Close();
}

void TDbQuery::OpenCursor(SqliteConnection& connection) {
    const sql::SelectStatement statement = parseStatementText(sql_.Text());
    const TableSchema schema = readTableSchema(connection, statement.table.text);
    std::vector<int> columns;
    if (statement.allColumns) {
        for (std::size_t i = 0; i < schema.columns.size(); ++i)
            columns.push_back(static_cast<int>(i));
    } else {
        for (const sql::Located& name : statement.columns)
            columns.push_back(resolveColumn(name, schema));
    }
    auto cursor = std::make_unique<RowCursor>(connection, schema, columns);
    if (statement.where)
        cursor->setCondition(compileCondition(*statement.where, schema));
    cursor->first();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnSchema& column = schema.columns[static_cast<std::size_t>(columns[i])];
        AddField(static_cast<int>(i), QString::fromStdString(column.name), column.type, column.size,
                 column.required);
    }
    cursor_ = std::move(cursor);
}

} // namespace quillox::db
