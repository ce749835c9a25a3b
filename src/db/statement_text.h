#pragma once

#include "sql/ast.h"

#include <QString>

namespace quillox::db {

// The statement or filter language parsed, its syntax errors turned into engine messages.
sql::SelectStatement parseStatementText(const QString& text);
std::unique_ptr<sql::Condition> parseFilterText(const QString& text);

} // namespace quillox::db
