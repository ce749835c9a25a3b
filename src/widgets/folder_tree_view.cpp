#include "widgets/folder_tree_view.h"

#include <QAbstractItemDelegate>
#include <QDropEvent>
#include <algorithm>

namespace quillox::widgets {
namespace {

bool fromTreeView(const QDropEvent& event) {
    return qobject_cast<QTreeView*>(event.source()) != nullptr;
}

} // namespace

FolderTreeView::FolderTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setIndentation(19);
    // A label edited in place would name a folder that no row holds.
    setEditTriggers(NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(DragDrop);
    // Qt's indicator shows drops between rows, which is not what a drop here does.
    setDropIndicatorShown(false);

    // The chosen folder stays visible while another control has the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setBrush(QPalette::Inactive, role, colours.brush(QPalette::Active, role));
    setPalette(colours);
}

int FolderTreeView::labelRight(QTreeWidgetItem& item) const {
    const QModelIndex index = indexFromItem(&item);
    const QRect row = visualRect(index);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int width = itemDelegateForIndex(index)->sizeHint(option, index).width();
    return row.left() + std::min(width, row.width());
}

FolderTreeView::Hit FolderTreeView::HitTest(QPoint viewportPoint) const {
    const QRect area = viewport()->rect();
    if (viewportPoint.y() < area.top())
        return {HitArea::Above, nullptr};
    if (viewportPoint.y() > area.bottom())
        return {HitArea::Below, nullptr};
    if (viewportPoint.x() < area.left())
        return {HitArea::ToLeft, nullptr};
    if (viewportPoint.x() > area.right())
        return {HitArea::ToRight, nullptr};

    // The whole width of a row belongs to its node, the indentation included.
    QTreeWidgetItem* item = itemAt(columnViewportPosition(0), viewportPoint.y());
    if (!item)
        return {HitArea::Nowhere, nullptr};
    const int left = visualItemRect(item).left();
    const int x = viewportPoint.x();
    if (x < left - indentation())
        return {HitArea::OnIndent, item};
    if (x < left)
        return {HitArea::OnButton, item};
    if (x < labelRight(*item))
        return {HitArea::OnItem, item};
    return {HitArea::OnRight, item};
}

void FolderTreeView::dragEnterEvent(QDragEnterEvent* event) {
    QTreeWidget::dragEnterEvent(event);
    event->setAccepted(fromTreeView(*event));
}

void FolderTreeView::dragMoveEvent(QDragMoveEvent* event) {
    // The base class scrolls and opens nodes while a drag hovers; accepting is decided here.
    QTreeWidget::dragMoveEvent(event);
    event->setAccepted(fromTreeView(*event));
}

void FolderTreeView::dropEvent(QDropEvent* event) {
    if (!fromTreeView(*event)) {
        event->ignore();
        return;
    }
    if (OnDragDrop)
        OnDragDrop(event->position().toPoint());
    // Reported as a copy: a move would make the dragging view remove the dragged node, which
    // OnDragDrop has already placed.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
}

} // namespace quillox::widgets
