// Filing one document: one durable row on the engine (Append, the fields, Post) and one
// autocommitted INSERT on plain SQLite with the same synchronous and journal settings, into a
// plain table and into one with the store's indexes. Each writes to a copy of the store, so the
// read cases keep their rows.

#include "bench_settings.h"
#include "bench_store.h"
#include "db/tdb_database.h"
#include "db/tdb_table.h"
#include "plain_sqlite.h"

#include <QDateTime>
#include <algorithm>
#include <sqlite3.h>

namespace {

using quillox::db::TDbDatabase;
using quillox::db::TDbTable;

// Past the generated IDs; each side counts on in its own file across runs.
constexpr qint32 firstNewId = 1'000'001;

struct Filing {
    QString name = "Invoice Garden Centre 2024-117";
    QString tags = "INVOICE GARDEN PLANTS SPRING";
    QString description = "Plants and compost for the spring border, paid by card.";
    QString path = "/home/user/Documents/Quillox/Invoice Garden Centre 2024-117.pdf";
    QDateTime date = QDateTime(QDate(2024, 5, 17), QTime(0, 0));
    QString folder = "HOUSE SUBFOLDER";
};

void BM_InsertEngine(benchmark::State& state) {
    static qint32 nextId = firstNewId;
    TDbDatabase database("dbWrite");
    database.SetDatabaseName("Write");
    database.SetDatabaseFileName(benchStore().engineWriteFile);
    TDbTable table("tWrite");
    table.SetDatabaseName("Write");
    table.SetTableName("Documents");
    table.Open();
    const Filing filing;
    for (auto _ : state) {
        table.Append();
        table.FieldByName("ID").SetAsInteger(nextId++);
        table.FieldByName("Document_Name").SetAsString(filing.name);
        table.FieldByName("Tag_Words").SetAsString(filing.tags);
        table.FieldByName("Description").SetAsString(filing.description);
        table.FieldByName("Path").SetAsString(filing.path);
        table.FieldByName("InputDate").SetAsDateTime(filing.date);
        table.FieldByName("Folder").SetAsString(filing.folder);
        table.Post();
    }
}

void insertPlain(benchmark::State& state, const QString& file) {
    PlainDb db(file);
    db.exec("PRAGMA synchronous=FULL; PRAGMA journal_mode=DELETE");
    PlainStatement insert(db, "INSERT INTO Documents (ID, Document_Name, Tag_Words, Description, "
                              "Path, InputDate, Folder) VALUES (?, ?, ?, ?, ?, ?, ?)");
    const Filing filing;
    // Past the generated IDs; each file counts on from its own largest.
    qint32 nextId = firstNewId;
    {
        PlainStatement largest(db, "SELECT max(ID) FROM Documents");
        largest.step();
        nextId = std::max(nextId, static_cast<qint32>(sqlite3_column_int(largest.handle(), 0)) + 1);
    }
    for (auto _ : state) {
        insert.bind(1, nextId++);
        insert.bind(2, filing.name.toStdString());
        insert.bind(3, filing.tags.toStdString());
        insert.bind(4, filing.description.toStdString());
        insert.bind(5, filing.path.toStdString());
        insert.bind(6, filing.date.date().toString(Qt::ISODate).toStdString());
        insert.bind(7, filing.folder.toStdString());
        insert.step();
        insert.reset();
    }
}

void BM_InsertPlain(benchmark::State& state) {
    insertPlain(state, benchStore().plainWriteFile);
}

void BM_InsertPlainIndexed(benchmark::State& state) {
    insertPlain(state, benchStore().plainIndexedWriteFile);
}

} // namespace

BENCHMARK(BM_InsertEngine)->Apply(repeatedWallClock);
BENCHMARK(BM_InsertPlain)->Apply(repeatedWallClock);
BENCHMARK(BM_InsertPlainIndexed)->Apply(repeatedWallClock);
