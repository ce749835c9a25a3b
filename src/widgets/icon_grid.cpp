#include "icon_grid.h"

#include <QPixmap>

namespace quillox::widgets {

IconGrid::IconGrid(QSize iconSize, QSize cellSize, QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setIconSize(iconSize);
    setGridSize(cellSize);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::StrongFocus);
}

void IconGrid::AddIcon(const QImage& image) {
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(image)), QString(), this);
    item->setSizeHint(gridSize());
}

int IconGrid::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void IconGrid::SetSelectedIndex(int index) {
    clearSelection();
    if (QListWidgetItem* target = item(index)) {
        target->setSelected(true);
        setCurrentItem(target);
    }
}

} // namespace quillox::widgets
