#include "store/move_document.h"

#include "db/tdb_table.h"
#include "store/post_or_cancel.h"
#include "store/table_names.h"

namespace quillox::store {

void moveCurrentDocument(db::TDbTable& documents, const QString& folder) {
    documents.Edit();
    postOrCancel(documents, [&] { documents.FieldByName(folderColumn).SetAsString(folder); });
}

} // namespace quillox::store
