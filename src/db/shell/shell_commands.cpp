#include "db/shell/shell_commands.h"

#include "db/shell/output_format.h"
#include "db/table_schema.h"
#include "db/tdb_database.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"

namespace quillox::db::shell {
namespace {

QString typeName(TFieldType type) {
    switch (type) {
    case ftInteger:
        return "INTEGER";
    case ftDate:
        return "DATE";
    case ftString:
        break;
    }
    return "STRING";
}

// A component named after its table, so that the engine's messages name the table.
void openTable(TDbTable& table, TDbDatabase& database, const QString& name) {
    table.SetName(name);
    table.SetDatabaseName(database.DatabaseName());
    table.SetTableName(name);
    table.Open();
}

// The user typed more than the row keeps: a later search for the whole value finds nothing.
QString cutWarning(const TDbTable& table, const TDbField& field, const QString& value,
                   std::size_t kept) {
    return QString("quillox-db: warning: %1: Field '%2' keeps %3 of the %4 bytes of its value")
        .arg(table.TableName(), field.FieldName())
        .arg(kept)
        .arg(value.toUtf8().size());
}

} // namespace

void printQuery(TDbDatabase& database, const QString& statement, std::ostream& out) {
    TDbQuery query("Query");
    query.SetDatabaseName(database.DatabaseName());
    query.SQL().Add(statement);
    query.Open();
    QStringList names;
    for (int i = 0; i < query.FieldCount(); ++i)
        names.append(query.Fields(i).FieldName());
    writeLine(out, names);
    for (; !query.Eof(); query.Next()) {
        QStringList values;
        for (int i = 0; i < query.FieldCount(); ++i)
            values.append(query.Fields(i).AsString());
        writeLine(out, values);
    }
}

void printTables(TDbDatabase& database, std::ostream& out) {
    for (const std::string& name : tableNames(database.Connection()))
        writeLine(out, {QString::fromStdString(name)});
}

void printSchema(TDbDatabase& database, const QString& table, std::ostream& out) {
    TDbTable component;
    openTable(component, database, table);
    writeLine(out, {"Column", "Type", "Width", "Required"});
    for (int i = 0; i < component.FieldCount(); ++i) {
        const TDbField& field = component.Fields(i);
        writeLine(out, {field.FieldName(), typeName(field.DataType()),
                        QString::number(field.Size()), field.Required() ? "yes" : "no"});
    }
}

void appendRow(TDbDatabase& database, const AppendArguments& row, std::ostream& err) {
    TDbTable table;
    openTable(table, database, row.table);
    table.Append();
    QStringList warnings;
    try {
        for (const ColumnValue& assignment : row.values) {
            TDbField& field = table.FieldByName(assignment.column);
            if (const auto kept = field.CutLength(assignment.value))
                warnings.append(cutWarning(table, field, assignment.value, *kept));
            field.SetAsString(assignment.value);
        }
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
    for (const QString& warning : warnings)
        err << warning.toStdString() << '\n';
}

} // namespace quillox::db::shell
