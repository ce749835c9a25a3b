#include "plain_filing.h"

#include "store/tag_words.h"

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

void makePlainFilingStore(const QString& engineFile, const QString& plainFile) {
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

PlainFiling::PlainFiling(const QString& file)
    : db_(file), largestTerm_(db_, "SELECT max(ID) FROM SearchTerms"),
      findTerm_(db_, "SELECT 1 FROM SearchTerms WHERE Term = ?"),
      insertTerm_(db_, "INSERT INTO SearchTerms (ID, Term) VALUES (?, ?)"),
      largestDocument_(db_, "SELECT max(ID) FROM Documents"),
      insertDocument_(db_, "INSERT INTO Documents (ID, Document_Name, Tag_Words, Description, "
                           "Path, InputDate, Folder) VALUES (?, ?, ?, ?, ?, ?, ?)") {
    db_.exec("PRAGMA synchronous=FULL; PRAGMA journal_mode=DELETE");
}

std::int64_t PlainFiling::largest(PlainStatement& statement) {
    statement.step();
    const std::int64_t value = sqlite3_column_int64(statement.handle(), 0);
    statement.reset();
    return value;
}

void PlainFiling::file(const FilingRow& row) {
    const QString tags = quillox::store::upperCaseTagText(row.tagLine);
    std::int64_t termId = largest(largestTerm_) + 1;
    for (const QString& word : quillox::store::splitWords(tags)) {
        const std::string term = word.toStdString();
        findTerm_.bind(1, term);
        const bool known = findTerm_.step();
        findTerm_.reset();
        if (known)
            continue;
        insertTerm_.bind(1, termId++);
        insertTerm_.bind(2, term);
        insertTerm_.step();
        insertTerm_.reset();
    }
    insertDocument_.bind(1, largest(largestDocument_) + 1);
    insertDocument_.bind(2, row.name.toStdString());
    insertDocument_.bind(3, tags.toStdString());
    insertDocument_.bind(4, row.description.toStdString());
    insertDocument_.bind(5, row.path.toStdString());
    insertDocument_.bind(6, row.date.date().toString(Qt::ISODate).toStdString());
    insertDocument_.bind(7, row.folder.toStdString());
    insertDocument_.step();
    insertDocument_.reset();
}
