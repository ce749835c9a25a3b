#include "retrieval/operations/search_statements.h"

#include "db/statement_text.h"
#include "store/tag_words.h"

namespace quillox::retrieval {
namespace {

// "(Column  LIKE '%W1%')OR (Column  LIKE '%W2%')...", each word upper-cased and quoted.
QString anyWordIn(const QString& column, const QStringList& words) {
    QString tests;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            tests += "OR ";
        tests += "(" + column + "  LIKE " +
                 db::quotedText("%" + store::upperCaseTagText(words[i]) + "%") + ")";
    }
    return tests;
}

QString dateText(QDate date) {
    return date.toString("yyyy-MM-dd");
}

} // namespace

QString documentSearchStatement(const QStringList& words, QDate from, QDate to) {
    QString statement = "SELECT Document_Name, Description, Folder FROM Documents WHERE ";
    // The word tests are grouped, so that the date range applies to every word.
    if (!words.isEmpty())
        statement += "(" + anyWordIn("Tag_Words", words) + ")AND ";
    statement += "InputDate>='" + dateText(from) + "'";
    statement += " AND InputDate<='" + dateText(to) + "'";
    return statement;
}

QString folderSearchStatement(const QStringList& words) {
    return "SELECT * FROM Folders WHERE " + anyWordIn("Name", words) + ";";
}

} // namespace quillox::retrieval
