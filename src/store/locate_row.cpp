#include "store/locate_row.h"

#include "db/tdb_table.h"

namespace quillox::store {

bool locateRow(db::TDbTable& table, const QString& field, const QString& value) {
    db::TDbField& column = table.FieldByName(field);
    for (table.First(); !table.Eof(); table.Next()) {
        if (column.AsString() == value)
            return true;
    }
    return false;
}

} // namespace quillox::store
