#pragma once

#include <stdexcept>
#include <string>

namespace quillox::db {

// The engine's own numbers, appended to its messages as " - Native error: NNNNN". Failures
// that SQLite reports carry 20000 plus SQLite's extended result code.
enum class NativeError {
    UnknownTable = 10010,
    UnknownColumn = 10011,
    InvalidLiteral = 10012,
    InvalidName = 10013,
    TableExists = 10014,
    UnsupportedColumn = 10015,
    IndexField = 10016,
    DuplicateKey = 10020,
    CannotCreateFile = 10030,
    CannotOpenFile = 10031,
    ForeignDatabase = 10032,
    EmptyFile = 10033,
    UnmarkedDatabase = 10034,
    IdentifiersExhausted = 10040,
};

constexpr int sqliteNativeBase = 20000;

// Every failure of the engine and of its components. what() is the message the user sees;
// nativeError() is the number it ends with, 0 for messages without one.
class DbError : public std::runtime_error {
public:
    explicit DbError(const std::string& message, int nativeError = 0)
        : std::runtime_error(message), nativeError_(nativeError) {}
    int nativeError() const { return nativeError_; }

private:
    int nativeError_;
};

// message + " - Native error: " + the number as five digits.
std::string withNativeError(const std::string& message, int number);

[[noreturn]] void throwEngineError(const std::string& message, NativeError number);

} // namespace quillox::db
