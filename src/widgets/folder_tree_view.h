#pragma once

#include <QTreeWidget>
#include <functional>

namespace quillox::widgets {

// The folder tree of the filing and moving dialogs: one column of folder names, where the user
// drags a node onto another place to re-parent the folder. Qt never rearranges the nodes of a
// drop itself: OnDragDrop decides, since nodes stand for table rows.
class FolderTreeView : public QTreeWidget {
public:
    // Where a point lies relative to the nodes.
    enum class HitArea {
        OnItem,   // on a node's icon or label
        OnIndent, // on a node's row, left of its expand button
        OnButton, // on the expand button just left of a node
        OnRight,  // on a node's row, right of its label
        Nowhere,  // in the viewport, below the last node
        Above,    // outside the viewport
        Below,
        ToLeft,
        ToRight,
    };
    struct Hit {
        HitArea area;
        QTreeWidgetItem* item; // the node whose row holds the point, if any
    };

    explicit FolderTreeView(QWidget* parent = nullptr);

    Hit HitTest(QPoint viewportPoint) const;

    // Called for a drop with its point in viewport coordinates.
    std::function<void(const QPoint&)> OnDragDrop;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int labelRight(QTreeWidgetItem& item) const;
};

} // namespace quillox::widgets
