#include "widgets/flow_layout.h"

#include <QWidget>

namespace quillox::widgets {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {
    setSpacing(0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

// The panel's size comes from its owner, never from its tiles.
QSize FlowLayout::sizeHint() const {
    return minimumSize();
}

QSize FlowLayout::minimumSize() const {
    const QMargins margins = contentsMargins();
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    int x = area.left();
    int y = area.top();
    int rowHeight = 0;
    for (QLayoutItem* item : items_) {
        const QSize size = item->sizeHint();
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            y += rowHeight;
            rowHeight = 0;
        }
        item->setGeometry({QPoint(x, y), size});
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

} // namespace quillox::widgets
