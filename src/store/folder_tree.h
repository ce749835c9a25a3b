#pragma once

#include "store/folder_layout.h"

#include <QString>
#include <vector>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Every row's Name and Parent, in storage order, whatever the filter. Switches the table's
// filter off and leaves the cursor at the end.
std::vector<FolderLink> folderLinks(db::TDbTable& folders);

// The names from the top-level ancestor down to the folder, joined by " - ". The first row of
// a name decides its parent; a name no row holds stands for itself. Stops where a name comes
// back, so that a damaged table whose parents form a cycle still gives an answer. Leaves the
// table unfiltered, on the row of the last ancestor it found.
QString folderDisplayPath(db::TDbTable& folders, const QString& name);

} // namespace quillox::store
