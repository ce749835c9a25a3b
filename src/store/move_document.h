#pragma once

#include <QString>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Files the current row of the documents table in the folder of that Name, and posts it; the
// stored copy stays where it is. Leaves the filter as it is and the moved row current. Throws
// the engine's error when there is no current row or the row cannot be posted; the row then
// keeps its folder and the table is left in browse mode.
void moveCurrentDocument(db::TDbTable& documents, const QString& folder);

} // namespace quillox::store
