#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quillox::db {

// One stored value as the engine keeps it: none, an integer, or UTF-8 text. Dates are text in
// the form yyyy-mm-dd, which sorts and compares as the dates do.
using Value = std::variant<std::monostate, std::int64_t, std::string>;

inline bool isNull(const Value& v) {
    return std::holds_alternative<std::monostate>(v);
}

} // namespace quillox::db
