#pragma once

#include <QString>

class QTreeWidget;

namespace quillox::screenshots {

// Makes the folder tree's node of that folder name the selected one; throws
// std::runtime_error when the tree has no such node.
void selectFolderNode(QTreeWidget& tree, const QString& name);

} // namespace quillox::screenshots
