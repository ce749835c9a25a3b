#pragma once

#include <QString>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Appends and posts a folder row with the next identifier, the name, the parent's Name (or
// topLevelMarker) and the picture's index; the new row is current. Throws UserError, storing
// nothing, when a row of any filter already has the name, and the engine's error when the row
// cannot be posted, which leaves the table in browse mode without it.
void addFolder(db::TDbTable& folders, const QString& name, const QString& parent, int picture);

} // namespace quillox::store
