#pragma once

class QTreeWidget;

namespace quillox::db {
class TDbTable;
}

namespace quillox::widgets {

// Replaces the tree's nodes with the folder tree of the table: a node a row, its text the
// row's Name. Top-level folders come in the reverse of the table's order and the children of
// a folder in the table's order; every folder with children is expanded; no node is selected.
// A folder whose parent no row names stays at the top level, and one whose recorded parent
// lies below it stays where the first pass put it. Switches the table's filter off.
void loadFolderTree(QTreeWidget& tree, db::TDbTable& folders);

} // namespace quillox::widgets
