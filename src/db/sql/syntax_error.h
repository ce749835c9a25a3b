#pragma once

#include <stdexcept>
#include <string>

namespace quillox::sql {

// The engine's numbers for the errors of the statement language; every engine message ends
// with one of them.
enum class SyntaxErrorCode {
    UnterminatedString = 10001,
    TokenExpected = 10002,
    UnexpectedToken = 10003,
    BooleanExpected = 10004,
    TooDeeplyNested = 10005,
};

// A statement or filter text that does not fit the language. what() is the message without
// the native error number, which the engine appends.
class SyntaxError : public std::runtime_error {
public:
    SyntaxError(SyntaxErrorCode code, const std::string& message);
    SyntaxErrorCode code() const { return code_; }

private:
    SyntaxErrorCode code_;
};

std::string positionText(int line, int column);

} // namespace quillox::sql
