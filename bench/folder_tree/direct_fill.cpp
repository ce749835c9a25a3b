#include "direct_fill.h"

#include <QTreeWidget>

namespace {

QTreeWidgetItem* makeNode(const GeneratedFolders& folders, int folder,
                          std::vector<QTreeWidgetItem*>& expanded) {
    const auto at = static_cast<std::size_t>(folder);
    auto* node = new QTreeWidgetItem(QStringList{folders.names[at]});
    for (int child : folders.children[at])
        node->addChild(makeNode(folders, child, expanded));
    if (!folders.children[at].empty())
        expanded.push_back(node);
    return node;
}

} // namespace

void fillTreeDirectly(QTreeWidget& tree, const GeneratedFolders& folders) {
    tree.clear();
    std::vector<QTreeWidgetItem*> expanded;
    QList<QTreeWidgetItem*> topLevel;
    for (int folder : folders.topLevel)
        topLevel.append(makeNode(folders, folder, expanded));
    tree.addTopLevelItems(topLevel);
    for (QTreeWidgetItem* node : expanded)
        node->setExpanded(true);
}
