#pragma once

#include "db/sql/ast.h"

#include <string>

namespace quillox::sql {

// SELECT select-list FROM table [WHERE condition] [;]. Throws SyntaxError.
SelectStatement parseStatement(const std::string& text);

// A filter text: a condition alone. Throws SyntaxError.
std::unique_ptr<Condition> parseFilter(const std::string& text);

} // namespace quillox::sql
