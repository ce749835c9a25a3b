#pragma once

#include <QString>

class QPoint;
class QTreeWidget;

namespace quillox::db {
class TDbTable;
}

namespace quillox::widgets {
class FolderTreeView;
}

namespace quillox::store {

// Replaces the tree's nodes with the folder tree of the table: a node a row, its text the
// row's Name. Top-level folders come in the reverse of the table's order and the children of
// a folder in the table's order; every folder with children is expanded; no node is selected.
// A folder whose parent no row names stays at the top level, and one whose recorded parent
// lies below it stays where the first pass put it. Switches the table's filter off.
void loadFolderTree(QTreeWidget& tree, db::TDbTable& folders);

// The names from the top-level ancestor down to the folder, joined by " - ". The first row of
// a name decides its parent; a name no row holds stands for itself. Stops where a name comes
// back, so that a damaged table whose parents form a cycle still gives an answer. Leaves the
// table unfiltered, on the row of the last ancestor it found.
QString folderDisplayPath(db::TDbTable& folders, const QString& name);

// A drop of the tree's selected node at the point (viewport coordinates): on a node's label
// or icon it becomes that node's last child, below the last node the last top-level node, and
// on a node's indentation the sibling just before that node. The table follows: every row of
// the dragged node's name gets the parent that the tree now shows. A drop onto the node itself
// or into its subtree, or anywhere else, changes nothing.
void dropFolderNode(widgets::FolderTreeView& tree, const QPoint& point, db::TDbTable& folders);

} // namespace quillox::store
