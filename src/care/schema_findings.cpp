#include "care/schema_findings.h"

#include "care/check_report.h"
#include "db/db_error.h"
#include "db/table_schema.h"
#include "store/table_columns.h"
#include "store/table_names.h"

namespace quillox::care {
namespace {

QString typeText(db::TFieldType type, int size) {
    switch (type) {
    case db::ftString:
        return QString("text of %1 characters").arg(size);
    case db::ftInteger:
        return "integer";
    case db::ftDate:
        return "date";
    }
    return {};
}

// The table's differences from the program's columns, one line each; true when the columns
// that the check reads are there.
bool compareTable(db::SqliteConnection& connection, QLatin1StringView table,
                  const std::vector<store::ColumnDefinition>& expected,
                  const std::vector<QLatin1StringView>& read, QStringList& lines) {
    if (!db::tableExists(connection, QString(table).toStdString())) {
        lines << QString("table %1 is missing").arg(table);
        return false;
    }
    db::TableSchema schema;
    try {
        schema = db::readTableSchema(connection, QString(table).toStdString());
    } catch (const db::DbError& error) {
        lines << QString("table %1: %2").arg(table, error.what());
        return false;
    }
    std::vector<store::ColumnDefinition> columns = {{store::idColumn, db::ftInteger, 0, true}};
    columns.insert(columns.end(), expected.begin(), expected.end());
    bool usable = true;
    for (const store::ColumnDefinition& column : columns) {
        const int index = schema.columnIndex(QString(column.name).toStdString());
        const bool isRead = std::find(read.begin(), read.end(), column.name) != read.end();
        if (index < 0) {
            lines << QString("%1.%2 is missing").arg(table, column.name);
            usable = usable && !isRead;
            continue;
        }
        const db::ColumnSchema& found = schema.columns[static_cast<std::size_t>(index)];
        const int foundSize = found.type == db::ftString ? found.size : 0;
        if (found.type != column.type || foundSize != column.size) {
            lines << QString("%1.%2 is %3, where Quillox makes %4")
                         .arg(table, column.name, typeText(found.type, foundSize),
                              typeText(column.type, column.size));
        }
        if (found.required != column.required) {
            lines << QString("%1.%2 is %3, where Quillox makes it %4")
                         .arg(table, column.name, found.required ? "required" : "optional",
                              column.required ? "required" : "optional");
        }
    }
    return usable;
}

} // namespace

SchemaUse reportSchema(db::SqliteConnection& connection, CheckReport& report) {
    auto& section = report.section(
        "Tables that differ from the ones Quillox makes",
        "Quillox may refuse or misread such a store. Restore it from a backup, or ask for help "
        "with the lines above.");
    SchemaUse use;
    use.documents =
        compareTable(connection, store::documentsTable, store::documentsColumns(),
                     {store::idColumn, store::pathColumn, store::folderColumn}, section.lines);
    use.folders = compareTable(connection, store::foldersTable, store::foldersColumns(),
                               {store::nameColumn, store::parentColumn}, section.lines);
    compareTable(connection, store::searchTermsTable, store::searchTermsColumns(), {},
                 section.lines);
    return use;
}

} // namespace quillox::care
