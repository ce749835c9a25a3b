#include "tree_fixtures.h"

#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

QString nodeShape(const QTreeWidgetItem& node) {
    QString shape = node.text(0);
    if (node.isExpanded())
        shape += "+";
    if (node.childCount() > 0) {
        QStringList children;
        for (int i = 0; i < node.childCount(); ++i)
            children.append(nodeShape(*node.child(i)));
        shape += "[" + children.join(", ") + "]";
    }
    return shape;
}

} // namespace

QString treeShape(const QTreeWidget& tree) {
    QStringList nodes;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        nodes.append(nodeShape(*tree.topLevelItem(i)));
    return nodes.join(", ");
}

QTreeWidgetItem* findNode(const QTreeWidget& tree, const QString& text) {
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        if ((*it)->text(0) == text)
            return *it;
    }
    return nullptr;
}
