#include "store/delete_document.h"

#include "db/tdb_table.h"
#include "store/locate_row.h"
#include "store/table_names.h"

namespace quillox::store {

bool deleteDocument(db::TDbTable& documents, int id) {
    if (!locateRow(documents, idColumn, QString::number(id)))
        return false;
    documents.Delete();
    return true;
}

} // namespace quillox::store
