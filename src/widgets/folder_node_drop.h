#pragma once

class QPoint;

namespace quillox::db {
class TDbTable;
}

namespace quillox::widgets {

class FolderTreeView;

// A drop of the tree's selected node at the point (viewport coordinates): on a node's label
// or icon it becomes that node's last child, below the last node the last top-level node, and
// on a node's indentation the sibling just before that node. The table follows: every row of
// the dragged node's name gets the parent that the tree now shows. A drop onto the node itself
// or into its subtree, or anywhere else, changes nothing.
void dropFolderNode(FolderTreeView& tree, const QPoint& point, db::TDbTable& folders);

} // namespace quillox::widgets
