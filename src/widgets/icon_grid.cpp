#include "widgets/icon_grid.h"

#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace quillox::widgets {
namespace {

// Draws an icon centred in its cell, with a rounded highlight behind it when selected; the
// cells have no captions, so no text area is drawn.
class IconCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect cell = option.rect.adjusted(2, 2, -2, -2);
        if (option.state & QStyle::State_Selected) {
            painter->setPen(QPen(option.palette.highlight().color(), 2));
            QColor fill = option.palette.highlight().color();
            fill.setAlpha(60);
            painter->setBrush(fill);
            painter->drawRoundedRect(cell, 10, 10);
        }
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        const QSize size = option.decorationSize;
        QRect target(QPoint(0, 0), size);
        target.moveCenter(cell.center());
        icon.paint(painter, target);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return option.decorationSize;
    }
};

} // namespace

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
    setItemDelegate(new IconCellDelegate(this));
}

void IconGrid::AddIcon(const QImage& image) {
    new QListWidgetItem(QIcon(QPixmap::fromImage(image)), QString(), this);
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
