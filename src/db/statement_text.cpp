#include "db/statement_text.h"

#include "db/db_error.h"
#include "db/sql/parser.h"
#include "db/sql/syntax_error.h"

namespace quillox::db {
namespace {

template <typename Parse> auto parsed(const QString& text, Parse parse) {
    try {
        return parse(text.toStdString());
    } catch (const sql::SyntaxError& error) {
        const int number = static_cast<int>(error.code());
        throw DbError(withNativeError(error.what(), number), number);
    }
}

} // namespace

sql::SelectStatement parseStatementText(const QString& text) {
    return parsed(text, [](const std::string& t) { return sql::parseStatement(t); });
}

std::unique_ptr<sql::Condition> parseFilterText(const QString& text) {
    return parsed(text, [](const std::string& t) { return sql::parseFilter(t); });
}

QString quotedText(const QString& value, QChar quote) {
    QString doubled = value;
    doubled.replace(quote, QString(2, quote));
    return quote + doubled + quote;
}

} // namespace quillox::db
