#include "tree_spots.h"

#include "widgets/folder_tree_view.h"

namespace {

const QTreeWidgetItem* lastVisibleNode(const QTreeWidget& tree) {
    const QTreeWidgetItem* node = tree.topLevelItem(tree.topLevelItemCount() - 1);
    while (node && node->isExpanded() && node->childCount() > 0)
        node = node->child(node->childCount() - 1);
    return node;
}

} // namespace

QPoint spotPoint(const quillox::widgets::FolderTreeView& tree, Spot spot,
                 const QTreeWidgetItem* node) {
    const QRect view = tree.viewport()->rect();
    const QRect row = node ? tree.visualItemRect(node) : QRect();
    const int labelWidth = node ? tree.fontMetrics().horizontalAdvance(node->text(0)) : 0;
    const int indent = tree.indentation();
    switch (spot) {
    case Spot::Label:
        return {row.left() + labelWidth / 2, row.center().y()};
    case Spot::Indentation:
        return {row.left() - indent - indent / 2, row.center().y()};
    case Spot::Button:
        return {row.left() - indent / 2, row.center().y()};
    case Spot::RightOfLabel:
        return {row.left() + labelWidth + 40, row.center().y()};
    case Spot::BelowLastNode:
        return {view.center().x(), tree.visualItemRect(lastVisibleNode(tree)).bottom() + 20};
    case Spot::AboveView:
        return {view.center().x(), -5};
    case Spot::BelowView:
        return {view.center().x(), view.bottom() + 5};
    case Spot::LeftOfView:
        return {-5, view.center().y()};
    case Spot::RightOfView:
        return {view.right() + 5, view.center().y()};
    }
    return {};
}
