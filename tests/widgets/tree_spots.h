#pragma once

#include <QPoint>

class QTreeWidgetItem;

namespace quillox::widgets {
class FolderTreeView;
}

// Places of a folder tree view that a drop can aim at.
enum class Spot {
    Label,
    Indentation,
    Button,
    RightOfLabel,
    BelowLastNode,
    AboveView,
    BelowView,
    LeftOfView,
    RightOfView,
};

// A point of the spot in viewport coordinates, on the node's row for the spots of a node. The
// view must be shown.
QPoint spotPoint(const quillox::widgets::FolderTreeView& tree, Spot spot,
                 const QTreeWidgetItem* node);
