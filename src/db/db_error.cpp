#include "db/db_error.h"

#include <cstdio>

namespace quillox::db {

std::string withNativeError(const std::string& message, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", number);
    return message + " - Native error: " + digits;
}

void throwEngineError(const std::string& message, NativeError number) {
    throw DbError(withNativeError(message, static_cast<int>(number)), static_cast<int>(number));
}

} // namespace quillox::db
