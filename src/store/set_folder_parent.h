#pragma once

#include <QString>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Gives every row of the Name the parent's Name (topLevelMarker for the top level), posting
// each at once. Switches the table's filter off and leaves the cursor at the end. Throws the
// engine's error when a row cannot be posted: the rows before it keep the new parent, it and
// the rows after it their old one, and the table is left in browse mode on it.
void setFolderParent(db::TDbTable& folders, const QString& name, const QString& parent);

} // namespace quillox::store
