#include "db/sql/syntax_error.h"

namespace quillox::sql {

SyntaxError::SyntaxError(SyntaxErrorCode code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

std::string positionText(int line, int column) {
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace quillox::sql
