#include "engine_read.h"

#include "db/tdb_query.h"

#include <vector>

int openAndRead(quillox::db::TDbQuery& query, const QString& statement, const QStringList& fields) {
    query.Close();
    query.SQL().Clear();
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
