#include "widgets/folder_tree_loading.h"

#include "store/folder_layout.h"
#include "store/folder_tree.h"

#include <QSignalBlocker>
#include <QTreeWidget>

namespace quillox::widgets {

void loadFolderTree(QTreeWidget& tree, db::TDbTable& folders) {
    tree.clear();
    const store::FolderLayout layout(store::folderLinks(folders));

    std::vector<QTreeWidgetItem*> items;
    items.reserve(static_cast<std::size_t>(layout.nodeCount()));
    for (int node = 0; node < layout.nodeCount(); ++node)
        items.push_back(new QTreeWidgetItem(QStringList{layout.text(node)}));
    auto childItems = [&](int node) {
        QList<QTreeWidgetItem*> children;
        for (int child : layout.children(node))
            children.append(items[static_cast<std::size_t>(child)]);
        return children;
    };
    // Children join their parents before the tree sees any of them, so the control takes the
    // whole tree in one insertion.
    for (int node = 0; node < layout.nodeCount(); ++node)
        items[static_cast<std::size_t>(node)]->addChildren(childItems(node));

    // Expanding the folders is part of loading, not the user's doing: nothing is announced.
    const QSignalBlocker quiet(tree);
    tree.addTopLevelItems(childItems(-1));
    for (int node = 0; node < layout.nodeCount(); ++node) {
        if (layout.expanded(node))
            items[static_cast<std::size_t>(node)]->setExpanded(true);
    }
}

} // namespace quillox::widgets
