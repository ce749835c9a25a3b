#pragma once

#include <QString>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// A new folder's Name as the Folders table keeps it: the typed name with a to z upper-cased,
// then " FOLDER" for a top-level folder or " SUBFOLDER" for one made under a parent, cut to
// the column's width.
QString newFolderName(const QString& typed, bool topLevel);

// The most bytes of UTF-8 of a typed name that a new folder's Name keeps whole, at the top
// level and under a parent alike.
int typedFolderNameWidth();

// Whether a row of the table already has this Name. Folders and documents name their folder
// by name alone, so a second folder of a name would share the first one's documents.
bool folderNameTaken(db::TDbTable& folders, const QString& name);

} // namespace quillox::store
