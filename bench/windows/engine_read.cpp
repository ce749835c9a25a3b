#include "engine_read.h"

#include "db/tdb_query.h"

#include <vector>

int openAndRead(const QString& statement, const QStringList& fields) {
    quillox::db::TDbQuery query("qBaseline");
    // The data module's database, by the name it gives it.
    query.SetDatabaseName("Main");
    query.SQL().Add(statement);
    query.Open();
    std::vector<quillox::db::TDbField*> read;
    for (const QString& field : fields)
        read.push_back(&query.FieldByName(field));
    int rows = 0;
    for (query.First(); !query.Eof(); query.Next()) {
        for (quillox::db::TDbField* field : read)
            field->AsString();
        ++rows;
    }
    return rows;
}
