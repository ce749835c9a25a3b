#include "store_generator.h"

#include "bench_home.h"
#include "plain_sqlite.h"
#include "plain_store_copy.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "store_rows.h"

#include <QFile>
#include <stdexcept>

namespace {

constexpr int folderCount = 10'000;
constexpr int wordCount = 20'000;
constexpr int foldersWithDocuments = 1'000;
// Vocabulary ranks of the two search words: about 350 and 1,700 of every 100,000 documents
// carry them.
constexpr std::size_t rareWordRank = 150;
constexpr std::size_t commonWordRank = 30;

void copyFile(const QString& from, const QString& to) {
    if (!QFile::copy(from, to))
        throw std::runtime_error("cannot copy " + from.toStdString() + " to " + to.toStdString());
}

// Creates the store's tables and indexes, or brings the indexes up to date with its rows.
void createSchema() {
    quillox::store::TdmData data;
    data.DataModuleCreate();
    data.DataModuleDestroy();
}

void insertRows(const QString& file, StoreRows& rows, int documentCount) {
    PlainDb db(file);
    db.exec("PRAGMA synchronous=OFF; BEGIN");
    PlainStatement terms(db, "INSERT INTO SearchTerms (ID, Term) VALUES (?, ?)");
    std::int64_t id = 0;
    for (const std::string& word : rows.vocabulary()) {
        terms.bind(1, ++id);
        terms.bind(2, word);
        terms.step();
        terms.reset();
    }
    PlainStatement folders(db,
                           "INSERT INTO Folders (ID, Name, Parent, Picture) VALUES (?, ?, ?, ?)");
    for (const FolderRow& row : rows.folders()) {
        folders.bind(1, row.id);
        folders.bind(2, row.name);
        folders.bind(3, row.parent);
        folders.bind(4, row.picture);
        folders.step();
        folders.reset();
    }
    PlainStatement documents(db,
                             "INSERT INTO Documents (ID, Document_Name, Tag_Words, Description, "
                             "Path, InputDate, Folder) VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < documentCount; ++i) {
        const DocumentRow row = rows.nextDocument();
        documents.bind(1, row.id);
        documents.bind(2, row.name);
        documents.bind(3, row.tags);
        documents.bind(4, row.description);
        documents.bind(5, row.path);
        documents.bind(6, row.date);
        documents.bind(7, row.folder);
        documents.step();
        documents.reset();
    }
    db.exec("COMMIT");
}

// The same columns and unique index on ID as the engine's table, with SQLite's own types, and
// the same rows in the same storage order.
void makeBaseline(const QString& engineFile, const QString& plainFile) {
    PlainDb db(plainFile);
    db.exec("PRAGMA synchronous=OFF;"
            "CREATE TABLE Documents (ID INTEGER NOT NULL, Document_Name TEXT NOT NULL, Tag_Words "
            "TEXT, Description TEXT, Path TEXT NOT NULL, InputDate TEXT NOT NULL, Folder TEXT "
            "NOT NULL);"
            "CREATE UNIQUE INDEX Documents_ID ON Documents (ID)");
    db.attach(engineFile, "engine");
    db.exec("BEGIN; INSERT INTO Documents SELECT * FROM engine.Documents ORDER BY rowid; COMMIT;"
            "DETACH engine");
}

} // namespace

BenchStore generateStore(const QString& folder, int documents) {
    BenchStore store;
    store.documents = documents;
    store.home = folder + "/home";
    useHome(store.home);
    createSchema();
    store.engineFile = quillox::store::getDatabaseFile();
    StoreRows rows(wordCount, folderCount, foldersWithDocuments);
    insertRows(store.engineFile, rows, documents);
    // The program indexes the rows that SQLite wrote behind its back when it opens the store.
    createSchema();

    store.plainFile = folder + "/plain.db";
    makeBaseline(store.engineFile, store.plainFile);
    store.engineWriteFile = folder + "/engine-write.abs";
    store.plainWriteFile = folder + "/plain-write.db";
    copyFile(store.engineFile, store.engineWriteFile);
    copyFile(store.plainFile, store.plainWriteFile);
    store.plainIndexedWriteFile = folder + "/plain-indexed-write.db";
    makePlainStoreCopy(store.engineFile, store.plainIndexedWriteFile);

    store.searchWords[0] = QString::fromStdString(rows.vocabulary()[rareWordRank]);
    store.searchWords[1] = QString::fromStdString(rows.vocabulary()[commonWordRank]);
    store.browseFolder = QString::fromStdString(rows.documentFolders().front());
    return store;
}
