#include "plain_store_copy.h"

#include "plain_sqlite.h"

#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

// The statements that made the indexes of the engine file's SearchTerms and Documents tables,
// whichever the engine gives them, read through the attached schema.
std::vector<std::string> engineIndexes(PlainDb& db) {
    PlainStatement indexes(db, "SELECT sql FROM engine.sqlite_schema WHERE type = 'index' AND "
                               "sql IS NOT NULL AND tbl_name IN ('SearchTerms', 'Documents')");
    std::vector<std::string> statements;
    while (indexes.step())
        statements.emplace_back(
            reinterpret_cast<const char*>(sqlite3_column_text(indexes.handle(), 0)));
    return statements;
}

} // namespace

void makePlainStoreCopy(const QString& engineFile, const QString& plainFile) {
    PlainDb db(plainFile);
    db.exec("PRAGMA synchronous=OFF;"
            "CREATE TABLE SearchTerms (ID INTEGER NOT NULL, Term TEXT NOT NULL);"
            "CREATE TABLE Documents (ID INTEGER NOT NULL, Document_Name TEXT NOT NULL, Tag_Words "
            "TEXT, Description TEXT, Path TEXT NOT NULL, InputDate TEXT NOT NULL, Folder TEXT "
            "NOT NULL)");
    db.attach(engineFile, "engine");
    db.exec("BEGIN;"
            "INSERT INTO SearchTerms SELECT * FROM engine.SearchTerms ORDER BY rowid;"
            "INSERT INTO Documents SELECT * FROM engine.Documents ORDER BY rowid");
    // Unqualified, each index is made on the plain table of the same name.
    for (const std::string& index : engineIndexes(db))
        db.exec(index);
    // The store's substring index of tag words, kept in step as a plain SQLite program keeps
    // one: by a trigger in the writing transaction.
    db.exec("CREATE VIRTUAL TABLE TagWords USING fts5(Tag_Words, tokenize = 'trigram "
            "case_sensitive 1', detail = none);"
            "INSERT INTO TagWords (rowid, Tag_Words) SELECT rowid, Tag_Words FROM Documents "
            "WHERE Tag_Words IS NOT NULL;"
            "CREATE TRIGGER TagWordsInStep AFTER INSERT ON Documents BEGIN INSERT INTO TagWords "
            "(rowid, Tag_Words) VALUES (new.rowid, new.Tag_Words); END;");
    db.exec("COMMIT; DETACH engine");
}
