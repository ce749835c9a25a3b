#include "tag_words.h"

#include "misc_ops.h"
#include "tdb_table.h"
#include "text_rules.h"

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

bool holdsTerm(db::TDbTable& searchTerms, db::TDbField& term, const QString& word) {
    // The pass goes on after a match, so the cursor ends at the table's end whatever the word.
    bool found = false;
    for (searchTerms.First(); !searchTerms.Eof(); searchTerms.Next())
        found = found || term.AsString() == word;
    return found;
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
    db::TDbField& idField = searchTerms.FieldByName("ID");
    db::TDbField& term = searchTerms.FieldByName("Term");
    for (const QString& word : splitWords(upperCaseTagText(line))) {
        const QString stored = storedForm(word, term.Size());
        if (holdsTerm(searchTerms, term, stored))
            continue;
        searchTerms.Append();
        idField.SetAsInteger(id++);
        term.SetAsString(stored);
        searchTerms.Post();
    }
}

} // namespace quillox::store
