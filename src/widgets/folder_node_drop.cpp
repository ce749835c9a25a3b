#include "widgets/folder_node_drop.h"

#include "store/set_folder_parent.h"
#include "store/table_names.h"
#include "widgets/folder_tree_view.h"

#include <QSignalBlocker>

namespace quillox::widgets {
namespace {

bool withinSubtree(const QTreeWidgetItem* node, const QTreeWidgetItem* root) {
    for (const QTreeWidgetItem* at = node; at; at = at->parent()) {
        if (at == root)
            return true;
    }
    return false;
}

void expandedWithin(QTreeWidgetItem* node, std::vector<QTreeWidgetItem*>& expanded) {
    if (node->isExpanded())
        expanded.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        expandedWithin(node->child(i), expanded);
}

// Moves the node with its subtree below the parent (the top level for none), in front of the
// sibling or last. The node stays selected, and its subtree keeps its expanded nodes.
void placeNode(FolderTreeView& tree, QTreeWidgetItem* node, QTreeWidgetItem* parent,
               QTreeWidgetItem* before) {
    const QSignalBlocker quiet(tree);
    std::vector<QTreeWidgetItem*> expanded;
    expandedWithin(node, expanded);

    if (QTreeWidgetItem* oldParent = node->parent())
        oldParent->takeChild(oldParent->indexOfChild(node));
    else
        tree.takeTopLevelItem(tree.indexOfTopLevelItem(node));
    if (parent) {
        parent->insertChild(before ? parent->indexOfChild(before) : parent->childCount(), node);
        // The dropped folder stays in sight.
        parent->setExpanded(true);
    } else {
        tree.insertTopLevelItem(
            before ? tree.indexOfTopLevelItem(before) : tree.topLevelItemCount(), node);
    }
    for (QTreeWidgetItem* item : expanded)
        item->setExpanded(true);
    tree.setCurrentItem(node);
}

QString textOrTopLevel(const QTreeWidgetItem* node) {
    return node ? node->text(0) : QString(store::topLevelMarker);
}

} // namespace

void dropFolderNode(FolderTreeView& tree, const QPoint& point, db::TDbTable& folders) {
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* dragged = selected.front();
    const FolderTreeView::Hit hit = tree.HitTest(point);
    if (hit.item && withinSubtree(hit.item, dragged))
        return;

    QTreeWidgetItem* parent = nullptr;
    switch (hit.area) {
    case FolderTreeView::HitArea::OnItem:
        parent = hit.item;
        placeNode(tree, dragged, parent, nullptr);
        break;
    case FolderTreeView::HitArea::Nowhere:
        placeNode(tree, dragged, nullptr, nullptr);
        break;
    case FolderTreeView::HitArea::OnIndent:
        parent = hit.item->parent();
        placeNode(tree, dragged, parent, hit.item);
        break;
    default:
        return;
    }
    store::setFolderParent(folders, dragged->text(0), textOrTopLevel(parent));
}

} // namespace quillox::widgets
