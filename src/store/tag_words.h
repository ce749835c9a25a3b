#pragma once

#include <QStringList>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// The words of a line of tag words, in their order. Words are separated by spaces, carriage
// returns and line feeds; an apostrophe or a double quote opens a quote that runs to the same
// quote character or to the end of the text, and keeps separators inside the word. Quote
// characters stay in the words.
QStringList splitWords(const QString& text);

// The letters a to z upper-cased, every other character as it is, whatever the locale.
QString upperCaseTagText(const QString& text);

// Adds each word of the line, upper-cased, that the vocabulary does not hold yet, with the
// identifiers following the largest one present; each new term is posted at once. A word is
// compared in the form the Term column keeps, so a word longer than the column is added once.
void addSearchTerms(db::TDbTable& searchTerms, const QString& line);

// Every term of the table, in the order they were added, read in one statement (a store holds
// tens of thousands). The table's current row stays. Throws DbError.
QStringList allSearchTerms(db::TDbTable& searchTerms);

} // namespace quillox::store
