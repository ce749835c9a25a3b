#pragma once

#include <QString>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Makes current the first row, in storage order among the rows the table's current filter lets
// through, whose field reads as the value's text; true when there is one. False, with the
// cursor at the end, when no such row is visible. Leaves the filter as it is. Throws the
// engine's error when the table has no such field.
bool locateRow(db::TDbTable& table, const QString& field, const QString& value);

} // namespace quillox::store
