#pragma once

#include "db/sql/token.h"

#include <string>
#include <vector>

namespace quillox::sql {

// Splits a statement or filter text (UTF-8) into tokens, ending with an End token. Lines and
// columns count from 1; a column counts characters, not bytes. Throws SyntaxError for a
// literal that is not closed.
std::vector<Token> tokenize(const std::string& text);

} // namespace quillox::sql
