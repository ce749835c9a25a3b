#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// The tree as text: nodes from top to bottom, children in brackets after their parent, and
// "+" after an expanded node; "C, B, A+[X, Y]".
QString treeShape(const QTreeWidget& tree);

// The first node of that text from top to bottom, or none.
QTreeWidgetItem* findNode(const QTreeWidget& tree, const QString& text);
