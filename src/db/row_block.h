#pragma once

#include "db/value.h"

#include <cstdint>
#include <vector>

namespace quillox::db {

// Rows read in storage order: their row ids, and for each row its columns in the order the
// dataset has its fields.
struct RowBlock {
    std::vector<std::int64_t> rowids;
    std::vector<Value> values;
};

} // namespace quillox::db
