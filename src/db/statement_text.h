#pragma once

#include "db/sql/ast.h"

#include <QString>

namespace quillox::db {

// The statement or filter language parsed, its syntax errors turned into engine messages.
sql::SelectStatement parseStatementText(const QString& text);
std::unique_ptr<sql::Condition> parseFilterText(const QString& text);

// A value written as a text literal between quote characters (apostrophes unless told), the
// quote character inside it doubled, so that any value reads back as itself.
QString quotedText(const QString& value, QChar quote = '\'');

} // namespace quillox::db
