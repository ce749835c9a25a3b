#pragma once

#include "db/field_defs.h"

#include <QLatin1StringView>
#include <vector>

namespace quillox::store {

struct ColumnDefinition {
    QLatin1StringView name;
    db::TFieldType type;
    int size;
    bool required;
};

// The columns of a table as the program makes them: ID, a required integer and the primary
// key, and then these in their order.
const std::vector<ColumnDefinition>& documentsColumns();
const std::vector<ColumnDefinition>& foldersColumns();
const std::vector<ColumnDefinition>& searchTermsColumns();

// The width of the named column among these: the bytes of UTF-8 that a text column keeps.
int columnWidth(const std::vector<ColumnDefinition>& columns, QLatin1StringView name);

} // namespace quillox::store
