#include "store/tag_words.h"

#include "db/statement_text.h"
#include "db/tdb_query.h"
#include "db/tdb_table.h"
#include "db/text_rules.h"
#include "store/misc_ops.h"
#include "store/post_or_cancel.h"
#include "store/table_names.h"

#include <QSet>
#include <limits>
#include <variant>

namespace quillox::store {
namespace {

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isSeparator(QChar c) {
    return c == u' ' || isLineBreak(c);
}

bool isQuote(QChar c) {
    return c == u'\'' || c == u'"';
}

// The word as a text column of this width keeps it.
QString storedForm(const QString& word, int width) {
    return QString::fromStdString(
        db::cutToWidth(word.toStdString(), static_cast<std::size_t>(width)));
}

// Which of the words the vocabulary holds already, found in one pass over it by the engine
// rather than a pass of our own for every word. The words go in groups, to keep each
// statement's condition small.
QSet<QString> knownTerms(db::TDbTable& searchTerms, const QStringList& words) {
    constexpr qsizetype group = 100;
    QSet<QString> known;
    for (qsizetype from = 0; from < words.size(); from += group) {
        QStringList tests;
        for (const QString& word : words.mid(from, group))
            tests << termColumn + " = " + db::quotedText(word);
        db::TDbQuery query;
        query.SetDatabaseName(searchTerms.DatabaseName());
        query.SQL().Add("SELECT " + termColumn + " FROM " + searchTerms.TableName() + " WHERE " +
                        tests.join(" OR "));
        query.Open();
        for (db::TDbField& term = query.FieldByName(termColumn); !query.Eof(); query.Next())
            known.insert(term.AsString());
    }
    return known;
}

} // namespace

QStringList splitWords(const QString& text) {
    QStringList words;
    qsizetype at = 0;
    while (at < text.size()) {
        while (at < text.size() && isLineBreak(text[at]))
            ++at;
        const qsizetype start = at;
        QChar openQuote;
        for (; at < text.size(); ++at) {
            const QChar c = text[at];
            if (!openQuote.isNull()) {
                if (c == openQuote)
                    openQuote = QChar();
            } else if (isSeparator(c)) {
                break;
            } else if (isQuote(c)) {
                openQuote = c;
            }
        }
        if (at > start)
            words.append(text.mid(start, at - start));
        ++at; // over the separator
    }
    return words;
}

QString upperCaseTagText(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

void addSearchTerms(db::TDbTable& searchTerms, const QString& line) {
    int id = nextId(searchTerms);
    db::TDbField& idField = searchTerms.FieldByName(idColumn);
    db::TDbField& term = searchTerms.FieldByName(termColumn);
    QStringList words;
    for (const QString& word : splitWords(upperCaseTagText(line)))
        words << storedForm(word, term.Size());
    QSet<QString> known = knownTerms(searchTerms, words);
    for (const QString& word : words) {
        if (known.contains(word))
            continue;
        searchTerms.Append();
        postOrCancel(searchTerms, [&] {
            idField.SetAsInteger(id);
            term.SetAsString(word);
        });
        ++id;
        known.insert(word);
    }
}

QStringList allSearchTerms(db::TDbTable& searchTerms) {
    const auto column = static_cast<std::size_t>(searchTerms.FieldByName(termColumn).FieldIndex());
    const auto width = static_cast<std::size_t>(searchTerms.FieldCount());
    const db::RowBlock rows =
        searchTerms.RowsAfter(std::nullopt, std::numeric_limits<std::int32_t>::max());
    QStringList terms;
    terms.reserve(static_cast<qsizetype>(rows.rowids.size()));
    for (std::size_t row = 0; row < rows.rowids.size(); ++row) {
        const auto* text = std::get_if<std::string>(&rows.values[row * width + column]);
        terms.append(text ? QString::fromStdString(*text) : QString());
    }
    return terms;
}

} // namespace quillox::store
