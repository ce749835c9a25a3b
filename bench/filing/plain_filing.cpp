#include "plain_filing.h"

#include "store/tag_words.h"

#include <sqlite3.h>
#include <string>
#include <vector>

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
