#pragma once

#include <QLayout>
#include <QList>

namespace quillox::widgets {

// Lays its widgets out left to right in their order, wrapping into rows like words on a page.
// It never scrolls: widgets below the lower edge are cut off.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    QList<QLayoutItem*> items_;
};

} // namespace quillox::widgets
