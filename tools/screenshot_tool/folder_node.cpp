#include "folder_node.h"

#include <QTreeWidget>
#include <stdexcept>

namespace quillox::screenshots {

void selectFolderNode(QTreeWidget& tree, const QString& name) {
    const QList<QTreeWidgetItem*> found =
        tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        throw std::runtime_error("the folder tree shows no " + name.toStdString());
    tree.setCurrentItem(found.front());
    tree.scrollToItem(found.front());
}

} // namespace quillox::screenshots
